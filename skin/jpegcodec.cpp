#include "jpegcodec.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
// jpeglib.h needs size_t and FILE declared before it.
#include <jpeglib.h>

namespace Skin {

namespace {

constexpr JDIMENSION maxSide = 16384;
constexpr qint64 maxPixels = 40'000'000;

// libjpeg calls error_exit on any fault and expects it not to return; jumping back to
// the caller turns that into an error value instead of ending the process.
struct ErrorManager
{
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void errorExit(j_common_ptr info)
{
    auto *manager = reinterpret_cast<ErrorManager *>(info->err);
    (*info->err->format_message)(info, manager->message);
    std::longjmp(manager->jump, 1);
}

// Warnings (premature end of data, corrupt entropy) would leave a grey patch; treat them
// as faults so a damaged picture is refused, and never print to stderr.
void emitMessage(j_common_ptr info, int level)
{
    if (level < 0)
        errorExit(info);
}

void installErrorManager(ErrorManager &manager)
{
    jpeg_std_error(&manager.base);
    manager.base.error_exit = errorExit;
    manager.base.emit_message = emitMessage;
    manager.message[0] = '\0';
}

QString failure(const ErrorManager &manager)
{
    return QStringLiteral("JPEG: %1").arg(QString::fromLatin1(manager.message));
}

// Locals that must survive a longjmp live here, reached through a pointer.
struct DecodeState
{
    jpeg_decompress_struct info {};
    ErrorManager errors {};
    QImage image;
    QImage row;
    QString problem;
};

bool readHeader(DecodeState &state, QByteArrayView bytes)
{
    jpeg_create_decompress(&state.info);
    state.info.mem->max_memory_to_use = 256L * 1024 * 1024;
    jpeg_mem_src(&state.info, reinterpret_cast<const unsigned char *>(bytes.data()),
        static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&state.info, TRUE);
    const JDIMENSION width = state.info.image_width;
    const JDIMENSION height = state.info.image_height;
    if (width == 0 || height == 0 || width > maxSide || height > maxSide
        || qint64(width) * height > maxPixels) {
        state.problem
            = QStringLiteral("JPEG: dimensions %1 × %2 are out of range").arg(width).arg(height);
        return false;
    }
    if (state.info.jpeg_color_space == JCS_CMYK || state.info.jpeg_color_space == JCS_YCCK) {
        state.problem = QStringLiteral("JPEG: CMYK pictures are not supported");
        return false;
    }
    return true;
}

void decodeInto(DecodeState &state, const QRect &region)
{
    jpeg_decompress_struct &info = state.info;
    info.out_color_space = JCS_EXT_BGRX;
    jpeg_start_decompress(&info);

    const QRect full(0, 0, int(info.output_width), int(info.output_height));
    const QRect wanted = region.isEmpty() ? full : region.intersected(full);
    if (wanted.isEmpty()) {
        state.problem = QStringLiteral("JPEG: region lies outside the %1 × %2 picture")
                            .arg(full.width())
                            .arg(full.height());
        jpeg_abort_decompress(&info);
        return;
    }
    // Cropping snaps the left edge to a block boundary; `shift` is what lies before ours.
    JDIMENSION cropLeft = JDIMENSION(wanted.left());
    JDIMENSION cropWidth = JDIMENSION(wanted.width());
    if (wanted != full)
        jpeg_crop_scanline(&info, &cropLeft, &cropWidth);
    const int shift = wanted.left() - int(cropLeft);
    if (wanted.top() > 0)
        jpeg_skip_scanlines(&info, JDIMENSION(wanted.top()));

    state.image = QImage(wanted.size(), QImage::Format_RGB32);
    if (state.image.isNull()) {
        state.problem = QStringLiteral("JPEG: out of memory");
        jpeg_abort_decompress(&info);
        return;
    }
    state.row = QImage(int(cropWidth), 1, QImage::Format_RGB32);
    for (int y = 0; y < wanted.height(); ++y) {
        JSAMPROW line = wanted == full ? state.image.scanLine(y) : state.row.scanLine(0);
        jpeg_read_scanlines(&info, &line, 1);
        if (wanted != full) {
            std::memcpy(state.image.scanLine(y), state.row.constScanLine(0) + shift * 4,
                size_t(wanted.width()) * 4);
        }
    }
    if (info.output_scanline == info.output_height)
        jpeg_finish_decompress(&info);
    else
        jpeg_abort_decompress(&info);
}

} // namespace

Result<QImage> decodeJpeg(QByteArrayView bytes, const QRect &region)
{
    DecodeState state;
    installErrorManager(state.errors);
    state.info.err = &state.errors.base;
    if (setjmp(state.errors.jump)) {
        jpeg_destroy_decompress(&state.info);
        return Error { failure(state.errors) };
    }
    if (readHeader(state, bytes))
        decodeInto(state, region);
    jpeg_destroy_decompress(&state.info);
    if (!state.problem.isEmpty())
        return Error { state.problem };
    return std::move(state.image);
}

Result<QSize> jpegSize(QByteArrayView bytes)
{
    DecodeState state;
    installErrorManager(state.errors);
    state.info.err = &state.errors.base;
    if (setjmp(state.errors.jump)) {
        jpeg_destroy_decompress(&state.info);
        return Error { failure(state.errors) };
    }
    const bool ok = readHeader(state, bytes);
    const QSize size(int(state.info.image_width), int(state.info.image_height));
    jpeg_destroy_decompress(&state.info);
    if (!ok)
        return Error { state.problem };
    return size;
}

namespace {

struct EncodeState
{
    jpeg_compress_struct info {};
    ErrorManager errors {};
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
};

void encodeInto(EncodeState &state, const QImage &rgb, int quality, int dotsPerInch)
{
    jpeg_compress_struct &info = state.info;
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &state.buffer, &state.size);
    info.image_width = JDIMENSION(rgb.width());
    info.image_height = JDIMENSION(rgb.height());
    info.input_components = 4;
    info.in_color_space = JCS_EXT_BGRX;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    info.write_JFIF_header = TRUE;
    info.JFIF_major_version = 1;
    info.JFIF_minor_version = 1;
    info.density_unit = 1;
    info.X_density = UINT16(dotsPerInch);
    info.Y_density = UINT16(dotsPerInch);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        auto line = const_cast<JSAMPROW>(rgb.constScanLine(int(info.next_scanline)));
        jpeg_write_scanlines(&info, &line, 1);
    }
    jpeg_finish_compress(&info);
}

} // namespace

Result<QByteArray> encodeJpeg(const QImage &image, int quality, int dotsPerInch)
{
    if (image.isNull())
        return Error { QStringLiteral("JPEG: nothing to encode") };
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    EncodeState state;
    installErrorManager(state.errors);
    state.info.err = &state.errors.base;
    if (setjmp(state.errors.jump)) {
        jpeg_destroy_compress(&state.info);
        std::free(state.buffer);
        return Error { failure(state.errors) };
    }
    encodeInto(state, rgb, quality, dotsPerInch);
    QByteArray out(reinterpret_cast<const char *>(state.buffer), qsizetype(state.size));
    jpeg_destroy_compress(&state.info);
    std::free(state.buffer);
    return out;
}

} // namespace Skin
