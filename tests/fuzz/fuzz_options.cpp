#include "skin/optionsfile.h"
#include "skin/optionvalues.h"

#include <cstddef>
#include <cstdint>

// Parses an options file and reads every value in every notation.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const auto file = Skin::parseOptionsFile(bytes);
    if (!file)
        return 0;
    Skin::writeOptionsFile(*file);
    for (const Skin::OptionsSection &section : file->sections) {
        for (const Skin::OptionsKey &key : section.keys) {
            Skin::parseColor(key.value);
            Skin::parseBool(key.value);
            Skin::parsePercent(key.value);
            Skin::parseGradient(key.value);
            Skin::parseEntryReference(key.value);
            Skin::parseMasterPicture(key.value);
            if (auto mask = Skin::parseBordersMask(key.value)) {
                mask->statePicture(3);
                mask->stateMask(1);
            }
        }
    }
    return 0;
}
