#include "skin/bmpcodec.h"
#include "skin/jpegcodec.h"
#include "skin/picturedecoder.h"

#include <QBuffer>
#include <QPainter>
#include <QTest>

namespace {

QImage sample(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.fillRect(0, 0, size.width() / 2, size.height() / 2, Qt::red);
    painter.fillRect(size.width() / 2, size.height() / 2, size.width() - size.width() / 2,
        size.height() - size.height() / 2, Qt::blue);
    return image;
}

void put32(QByteArray &bytes, int at, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = char(value >> (8 * i));
}

// The same pixels with the common 40-byte information header, rows top-down.
QByteArray infoHeaderBmp(const QImage &image)
{
    const QByteArray core = Skin::encodeBmpCore(image);
    const int stride = (image.width() * 3 + 3) & ~3;
    QByteArray bytes(14 + 40, '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(bytes, 10, 54);
    put32(bytes, 14, 40);
    put32(bytes, 18, quint32(image.width()));
    put32(bytes, 22, quint32(-image.height()));
    bytes[26] = 1;
    bytes[28] = 24;
    for (int y = image.height() - 1; y >= 0; --y)
        bytes += core.mid(26 + y * stride, stride);
    return bytes;
}

QByteArray jpeg(const QImage &image)
{
    return Skin::encodeJpeg(image, 95).value();
}

} // namespace

class tst_Pictures : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void bmpBothHeaders_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QImage image = sample({ 7, 5 });
        QTest::newRow("12-byte header, bottom-up") << Skin::encodeBmpCore(image);
        QTest::newRow("40-byte header, top-down") << infoHeaderBmp(image);
    }

    void bmpBothHeaders()
    {
        QFETCH(QByteArray, bytes);
        const auto decoded = Skin::decodePicture(bytes);
        QVERIFY2(decoded.ok(), qPrintable(decoded.error()));
        QCOMPARE(decoded->convertToFormat(QImage::Format_RGB32), sample({ 7, 5 }));
    }

    void badPictures_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        const QByteArray bmp = Skin::encodeBmpCore(sample({ 7, 5 }));
        QTest::newRow("bmp truncated pixels")
            << bmp.left(bmp.size() - 3) << "BMP: pixel data of 7 × 5 does not fit";
        QTest::newRow("bmp truncated header")
            << bmp.left(20) << "BMP: truncated information header";
        QByteArray deep = bmp;
        deep[24] = 32;
        QTest::newRow("bmp 32 bits") << deep << "BMP: 32 bits per pixel";
        QByteArray huge = bmp;
        huge[18] = char(0xFF);
        huge[19] = char(0xFF);
        QTest::newRow("bmp huge width") << huge << "BMP: bad dimensions 65535 × 5";
        QByteArray offset = bmp;
        put32(offset, 10, 0x7FFFFFF0);
        QTest::newRow("bmp pixel offset past the end") << offset << "does not fit";
        QByteArray compressed = infoHeaderBmp(sample({ 7, 5 }));
        compressed[30] = 1;
        QTest::newRow("bmp compressed") << compressed << "BMP: compression 1 is not supported";
        QByteArray header = bmp;
        header[14] = 64 - 50;
        QTest::newRow("bmp odd header size")
            << header << "unsupported information header of 14 bytes";

        const QByteArray picture = jpeg(sample({ 64, 48 }));
        QTest::newRow("jpeg truncated") << picture.left(picture.size() * 2 / 3) << "JPEG: ";
        QTest::newRow("jpeg header only") << picture.left(20) << "JPEG: ";
        QByteArray wide = picture;
        const qsizetype sof = wide.indexOf("\xFF\xC0");
        wide[sof + 7] = char(0x4E);
        wide[sof + 8] = char(0x20);
        QTest::newRow("jpeg absurd width")
            << wide << "JPEG: dimensions 20000 × 48 are out of range";

        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        sample({ 64, 48 }).save(&buffer, "PNG");
        QTest::newRow("png truncated") << png.left(png.size() / 2) << "PNG: ";
        QTest::newRow("unknown kind") << QByteArray("GIF89a") << "not a BMP, JPEG or PNG picture";
    }

    void badPictures()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        const auto decoded = Skin::decodePicture(bytes);
        QVERIFY(!decoded.ok());
        QVERIFY2(decoded.error().contains(message), qPrintable(decoded.error()));
    }

    void jpegRegionMatchesFullDecode_data()
    {
        QTest::addColumn<QRect>("region");
        QTest::newRow("whole") << QRect(0, 0, 160, 120);
        QTest::newRow("inner, unaligned") << QRect(13, 21, 70, 40);
        QTest::newRow("bottom right") << QRect(100, 90, 60, 30);
        QTest::newRow("overhanging") << QRect(150, 110, 50, 50);
    }

    void jpegRegionMatchesFullDecode()
    {
        QFETCH(QRect, region);
        const QByteArray bytes = jpeg(sample({ 160, 120 }));
        const auto full = Skin::decodeJpeg(bytes);
        QVERIFY2(full.ok(), qPrintable(full.error()));
        QCOMPARE(full->size(), QSize(160, 120));
        const auto part = Skin::decodeJpeg(bytes, region);
        QVERIFY2(part.ok(), qPrintable(part.error()));
        const QRect clipped = region.intersected(full->rect());
        QCOMPARE(part->size(), clipped.size());
        // Cropped decoding may round differently at block edges; colours must stay close.
        const QImage expected = full->copy(clipped);
        for (int y = 0; y < clipped.height(); ++y) {
            for (int x = 0; x < clipped.width(); ++x) {
                const QRgb a = part->pixel(x, y);
                const QRgb b = expected.pixel(x, y);
                QVERIFY2(qAbs(qRed(a) - qRed(b)) <= 8 && qAbs(qGreen(a) - qGreen(b)) <= 8
                        && qAbs(qBlue(a) - qBlue(b)) <= 8,
                    qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
            }
        }
    }

    void jpegRegionOutside()
    {
        const auto part = Skin::decodeJpeg(jpeg(sample({ 32, 32 })), QRect(40, 40, 8, 8));
        QVERIFY(!part.ok());
        QVERIFY2(part.error().contains(QLatin1String("outside")), qPrintable(part.error()));
    }

    void jpegEncoderWritesJfif()
    {
        const QByteArray bytes = jpeg(sample({ 50, 57 }));
        QVERIFY(bytes.startsWith("\xFF\xD8\xFF\xE0"));
        QCOMPARE(bytes.mid(6, 5), QByteArray("JFIF\0", 5));
        QCOMPARE(bytes.mid(11, 7), QByteArray("\x01\x01\x01\x00\x48\x00\x48", 7));
        QVERIFY(bytes.contains("\xFF\xC0")); // baseline frame
        QCOMPARE(Skin::jpegSize(bytes).value(), QSize(50, 57));
    }
};

QTEST_MAIN(tst_Pictures)
#include "tst_pictures.moc"
