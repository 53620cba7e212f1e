#pragma once

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QSize>

#include <functional>

namespace Korvanel {

/// Draws one state picture of `size`; alpha is coverage (it becomes the mask or the magenta key).
using StateArt = std::function<QImage(QSize size, int state)>;

/// Painters of the master bitmap's pictures, by the name of what owns the picture: a section
/// ("BUTTON_GREEN"), a GLOBALINFO key ("BICONCLOSE") or a section key ("TRACKBAR.SLIDERMASK").
const QHash<QByteArray, StateArt> &masterArt();

} // namespace Korvanel
