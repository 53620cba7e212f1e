#include "skin/skindata.h"

#include <cstddef>
#include <cstdint>

// Reads a packed container and, when that succeeds, builds the whole skin from it.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    auto container = Skin::readPackedContainer(bytes);
    if (container) {
        auto skin = Skin::SkinData::fromContainer(std::move(container).value());
        if (skin) {
            for (const Skin::ContainerEntry &entry : skin->container().entries)
                skin->picture(entry.name);
        }
    }
    return 0;
}
