#include "skin/jpegcodec.h"
#include "skin/picturedecoder.h"

#include <cstddef>
#include <cstdint>

// Decodes BMP, JPEG and PNG pictures, and a JPEG region as the window background does.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    Skin::decodePicture(bytes);
    if (bytes.startsWith("\xFF\xD8"))
        Skin::decodeJpeg(bytes, QRect(7, 3, 40, 20));
    return 0;
}
