// tamo-assets OUTDIR: paints the window's pictures. tamo-assets --sheet OUT.png: a contact sheet.

#include "assetsart.h"

#include "skin/jpegcodec.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QLinearGradient>
#include <QPainter>

#include <cstdio>

namespace {

int fail(const QString &message)
{
    std::fprintf(stderr, "tamo-assets: %s\n", qPrintable(message));
    return 1;
}

QByteArray pngBytes(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.convertToFormat(QImage::Format_ARGB32).save(&buffer, "PNG");
    return bytes;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        && file.write(bytes) == bytes.size();
}

// Pictures as the window shows them: pictograms in 98 × 74 cells on a dark and a light ground,
// then at stored size; the glyphs at natural and enlarged size; the photograph whole and 1:1.
QImage contactSheet(const QImage &photo)
{
    QImage sheet(QSize(1000, 640), QImage::Format_RGB32);
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.fillRect(sheet.rect(), QColor(0x3C, 0x3E, 0x44));

    QLinearGradient toolbar(0, 0, 0, 72);
    toolbar.setColorAt(0, QColor(0x80, 0xD0, 0xE0));
    toolbar.setColorAt(0.43, QColor(0x4D, 0x86, 0x9B));
    toolbar.setColorAt(0.44, QColor(0x45, 0x70, 0x93));
    toolbar.setColorAt(1, QColor(0x08, 0x88, 0xB8));
    painter.fillRect(QRect(16, 16, 5 * 120, 72), toolbar);
    for (int i = 0; i < 5; ++i)
        painter.drawImage(QRect(16 + i * 120 + 11, 15, 98, 74), Assets::toolbarPicture(i));
    painter.fillRect(QRect(16, 104, 5 * 120, 72), QColor(0xC7, 0xF8, 0xFF));
    for (int i = 0; i < 5; ++i)
        painter.drawImage(QRect(16 + i * 120 + 11, 103, 98, 74), Assets::toolbarPicture(i));
    for (int i = 0; i < 5; ++i) {
        painter.fillRect(QRect(16 + i * 196, 212, 196, 148), QColor(0x0B, 0x4E, 0x70));
        painter.drawImage(16 + i * 196, 212, Assets::toolbarPicture(i));
    }

    const QImage badge = Assets::userBadgeGlyph();
    const QImage weather = Assets::weatherPicture();
    painter.fillRect(QRect(640, 16, 344, 180), QColor(0xAD, 0xDE, 0xFF));
    painter.drawImage(656, 32, weather);
    painter.drawImage(QRect(720, 32, 144, 144), weather);
    painter.fillRect(QRect(640, 112, 80, 72), toolbar);
    painter.drawImage(652, 132, badge);
    painter.drawImage(QRect(872, 32, 96, 96), badge);

    painter.drawImage(QRect(16, 376, 224, 256), photo);
    painter.drawImage(QPoint(256, 376), photo, QRect(40, 20, 460, 256));
    return sheet;
}

} // namespace

int main(int argc, char **argv)
{
    const QStringList args = [&] {
        QStringList list;
        for (int i = 1; i < argc; ++i)
            list.append(QString::fromLocal8Bit(argv[i]));
        return list;
    }();
    const auto photo = Skin::encodeJpeg(Assets::productPhoto(), 90, 72);
    if (!photo)
        return fail(photo.error());

    if (args.size() == 2 && args[0] == QLatin1StringView("--sheet")) {
        QImage decoded;
        decoded.loadFromData(*photo, "JPEG");
        if (!writeFile(args[1], pngBytes(contactSheet(decoded))))
            return fail(QStringLiteral("cannot write %1").arg(args[1]));
        return 0;
    }
    if (args.size() != 1)
        return fail(QStringLiteral("usage: tamo-assets OUTDIR | tamo-assets --sheet OUT.png"));

    const QDir out(args[0]);
    if (!out.exists() && !QDir().mkpath(out.path()))
        return fail(QStringLiteral("cannot create %1").arg(out.path()));
    QList<std::pair<QString, QByteArray>> files;
    for (int i = 0; i < 5; ++i)
        files.append(
            { QStringLiteral("toolbar%1.png").arg(i), pngBytes(Assets::toolbarPicture(i)) });
    files.append({ QStringLiteral("userbadge.png"), pngBytes(Assets::userBadgeGlyph()) });
    files.append({ QStringLiteral("weather.png"), pngBytes(Assets::weatherPicture()) });
    files.append({ QStringLiteral("phone.jpg"), *photo });
    for (const auto &[name, bytes] : files) {
        if (!writeFile(out.filePath(name), bytes))
            return fail(QStringLiteral("cannot write %1").arg(out.filePath(name)));
    }
    return 0;
}
