#include "assets.h"

#include <QtCore/qglobal.h>

// Outside any namespace: the macro declares a global function.
static void initAssetsResource()
{
    Q_INIT_RESOURCE(assets);
}

namespace Assets {

void initResources()
{
    initAssetsResource();
}

} // namespace Assets
