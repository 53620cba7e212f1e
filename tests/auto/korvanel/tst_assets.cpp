#include "assets/assets.h"

#include "skin/jpegcodec.h"

#include <QFile>
#include <QImage>
#include <QTest>

class tst_Assets : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { Assets::initResources(); }
    void pictures_data();
    void pictures();
    void pictogramsAreWhiteLinesWithShadow_data();
    void pictogramsAreWhiteLinesWithShadow();
    void productPhoto();
};

void tst_Assets::pictures_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    for (int i = 0; i < 5; ++i) {
        QTest::addRow("toolbar %d", i)
            << QString::fromLatin1(Assets::toolbarPictures[i]) << QSize(196, 148);
    }
    QTest::newRow("badge") << QString::fromLatin1(Assets::userBadgePicture) << QSize(32, 32);
    QTest::newRow("weather") << QString::fromLatin1(Assets::weatherPictureFile) << QSize(48, 48);
}

void tst_Assets::pictures()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
    const QImage image = QImage::fromData(file.readAll(), "PNG");
    QCOMPARE(image.size(), size);
    QVERIFY(image.hasAlphaChannel());
    // Transparent ground: the corners show nothing, something is drawn in the middle.
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(image.pixel(size.width() - 1, size.height() - 1)), 0);
    int covered = 0;
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x)
            covered += qAlpha(image.pixel(x, y)) > 128;
    }
    QVERIFY(covered > size.width() * size.height() / 20);
}

void tst_Assets::pictogramsAreWhiteLinesWithShadow_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < 5; ++i)
        QTest::addRow("toolbar %d", i) << i;
}

// At the half size the toolbar shows, the lines must still have fully white, opaque cores, and
// the shadow must leave partially covered dark pixels around them.
void tst_Assets::pictogramsAreWhiteLinesWithShadow()
{
    QFETCH(int, index);
    QFile file(QString::fromLatin1(Assets::toolbarPictures[index]));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QImage half = QImage::fromData(file.readAll(), "PNG")
                            .scaled(98, 74, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                            .convertToFormat(QImage::Format_ARGB32);
    int white = 0;
    int shadow = 0;
    for (int y = 0; y < half.height(); ++y) {
        for (int x = 0; x < half.width(); ++x) {
            const QRgb p = half.pixel(x, y);
            if (qAlpha(p) > 240 && qGray(p) > 240)
                ++white;
            else if (qAlpha(p) > 20 && qAlpha(p) < 200 && qGray(p) < 80)
                ++shadow;
        }
    }
    QVERIFY2(white > 150, qPrintable(QString::number(white)));
    QVERIFY2(shadow > 50, qPrintable(QString::number(shadow)));
}

void tst_Assets::productPhoto()
{
    QFile file(QString::fromLatin1(Assets::productPhotoFile));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray jpeg = file.readAll();
    QCOMPARE(jpeg.mid(6, 5), QByteArray("JFIF\0", 5));
    QCOMPARE(jpeg.mid(11, 2), QByteArray("\x01\x01"));
    QCOMPARE(jpeg.at(13), char(1)); // density in dots per inch
    QCOMPARE(jpeg.mid(14, 4), QByteArray("\x00\x48\x00\x48", 4));
    QVERIFY(jpeg.contains("\xFF\xC0"));
    const auto image = Skin::decodeJpeg(jpeg);
    QVERIFY(image.ok());
    QCOMPARE(image->size(), QSize(500, 571));
    // Dark grey ground in the corners, a near-black phone face in the middle of the front view.
    const QRgb corner = image->pixel(4, 4);
    QVERIFY(qGray(corner) > 25 && qGray(corner) < 90);
    QVERIFY(qAbs(qRed(corner) - qBlue(corner)) < 12);
    QVERIFY(qGray(image->pixel(180, 300)) < 30);
}

QTEST_MAIN(tst_Assets)
#include "tst_assets.moc"
