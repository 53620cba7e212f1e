#include "korvanelskin.h"

#include <QResource>
#include <QString>

// Outside any namespace: the macro declares a global function.
static void initKorvanelResource()
{
    Q_INIT_RESOURCE(korvanel);
}

namespace Skin {

QByteArrayView korvanelSkin()
{
    static const QByteArrayView bytes = [] {
        initKorvanelResource();
        // Stored without compression, so data() points into the program's own image.
        const QResource resource(QStringLiteral(":/skins/korvanel.skin"));
        return QByteArrayView(reinterpret_cast<const char *>(resource.data()), resource.size());
    }();
    return bytes;
}

} // namespace Skin
