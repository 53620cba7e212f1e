#pragma once

#include <QJsonObject>

class QWidget;
class QObject;

namespace Inspect {

/// The window and every named object in it, as the inspector's JSON dump gives them.
QJsonObject dumpScene(const QWidget *window);

/// The object named `name` in `window` (the window itself included), or nullptr.
QObject *findNamed(QWidget *window, const QString &name);

} // namespace Inspect
