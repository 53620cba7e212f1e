#include "screenconfig.h"

#include <QByteArray>
#include <QDir>
#include <QFile>

namespace Inspect {

void chooseScreen()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    const bool display
        = qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
    // A platform with options of its own is left as it is.
    if (platform.contains(':') || (platform.isEmpty() && display)
        || (!platform.isEmpty() && platform != "offscreen"))
        return;
    const QString path = QDir::temp().filePath(QStringLiteral("tamo-inspect-screen.json"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    file.write(R"({"screens":[{"name":"inspect","x":0,"y":0,"width":1920,"height":1080,)"
               R"("logicalDpi":96,"physicalDpi":96}]})");
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(path));
}

} // namespace Inspect
