#include "internalskins.h"

#include "skin/korvanel/korvanelskin.h"

namespace App {

QList<Controls::InternalSkin> internalSkins()
{
    const QByteArrayView data = Skin::korvanelSkin();
    Controls::InternalSkin korvanel;
    korvanel.name = QString::fromLatin1(Skin::korvanelSkinName);
    korvanel.shadow1Color = Qt::black;
    korvanel.shadow1Offset = 0;
    korvanel.shadow1Transparency = 0;
    // The bytes live in the program image for its whole run; no copy is needed.
    korvanel.data = QByteArray::fromRawData(data.data(), data.size());
    return { korvanel };
}

} // namespace App
