#pragma once

#include <QJsonObject>

class QObject;

namespace Inspect {

/// Adds the keys that belong to the object's kind (page controls, tab sheets, buttons, the
/// non-visual components' settings). New kinds add a provider in kindkeys.cpp.
void addKindKeys(const QObject *object, QJsonObject &entry);

} // namespace Inspect
