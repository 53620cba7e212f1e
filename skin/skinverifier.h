#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

namespace Skin {

class SkinData;

/// Checks a skin's consistency: every picture rectangle lies inside the master bitmap, state and
/// mask counts fit their rectangles, borders fit a state picture, every reference and pattern
/// resolves and every name in `requiredSections` exists. Returns one line per problem.
QStringList verifySkin(const SkinData &skin, const QList<QByteArray> &requiredSections = {});

} // namespace Skin
