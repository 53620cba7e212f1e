#include "skin/jpegcodec.h"
#include "skin/skindata.h"
#include "testskin.h"

#include <QPainter>

#include <QTest>

namespace {

Skin::Result<Skin::SkinData> skinWithOptions(const QByteArray &options)
{
    QList<Skin::ContainerEntry> entries = TestSkin::entries();
    entries[0].data = options;
    return Skin::SkinData::fromContainerBytes(Skin::writePackedContainer(entries).value());
}

// A 160 × 120 JPEG background: four coloured quarters, so a wrong offset shows.
QImage background()
{
    QImage image(160, 120, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.fillRect(0, 0, 80, 60, Qt::red);
    painter.fillRect(80, 0, 80, 60, Qt::green);
    painter.fillRect(0, 60, 80, 60, Qt::blue);
    painter.fillRect(80, 60, 80, 60, Qt::yellow);
    return image;
}

Skin::SkinData skinWithBackground()
{
    QList<Skin::ContainerEntry> entries = TestSkin::entries();
    entries.append({ "bg.jpg", Skin::encodeJpeg(background(), 95).value() });
    return Skin::SkinData::fromContainerBytes(Skin::writePackedContainer(entries).value()).value();
}

bool sameColours(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return false;
    for (int y = 0; y < a.height(); y += 7) {
        for (int x = 0; x < a.width(); x += 7) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            if (qAbs(qRed(p) - qRed(q)) > 12 || qAbs(qGreen(p) - qGreen(q)) > 12
                || qAbs(qBlue(p) - qBlue(q)) > 12)
                return false;
        }
    }
    return true;
}

} // namespace

class tst_SkinData : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void indexOf_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<int>("index");
        QTest::newRow("first section") << QByteArray("BOX") << 0;
        QTest::newRow("TABBOTTOM") << QByteArray("TABBOTTOM") << 3;
        QTest::newRow("other case") << QByteArray("Box") << -1;
        QTest::newRow("empty") << QByteArray() << -1;
        QTest::newRow("absent") << QByteArray("TABL") << -1;
        QTest::newRow("GLOBALINFO is no section") << QByteArray("GLOBALINFO") << -1;
    }

    void indexOf()
    {
        QFETCH(QByteArray, name);
        QFETCH(int, index);
        const auto skin = Skin::SkinData::fromContainerBytes(TestSkin::container());
        QVERIFY2(skin.ok(), qPrintable(skin.error()));
        QCOMPARE(skin->indexOf(name), index);
    }

    void readsSections()
    {
        const auto skin = Skin::SkinData::fromContainerBytes(TestSkin::container());
        QVERIFY2(skin.ok(), qPrintable(skin.error()));
        QCOMPARE(skin->sections().size(), 6);
        QCOMPARE(skin->tabBottomIndex(), 3);
        QCOMPARE(skin->masterBitmap().size(), QSize(40, 20));
        QCOMPARE(skin->globalInfo().value("VENDOR"), "kept");

        const Skin::SkinSection &ghost = skin->section(skin->indexOf("GHOST"));
        QCOMPARE(ghost.states, 2);
        QVERIFY(!ghost.bordersMask);
        QVERIFY(ghost.fadingEnabled);
        QCOMPARE(ghost.fadingIterations, 20);
        QCOMPARE(ghost.look(1).transparency, 100);

        const Skin::SkinSection &half = skin->section(skin->indexOf("HALF"));
        QCOMPARE(half.normal.color, 0xFF0000FF);
        QCOMPARE(half.look(2).color, half.normal.color);
        QCOMPARE(half.look(2).transparency, 50);
        QCOMPARE(half.options.value("FUTUREKEY"), "anything");
        // A section without its own colour takes the skin's.
        QCOMPARE(skin->section(skin->indexOf("BOX")).normal.color, 0xFF808080);
    }

    void tabBottomAbsent()
    {
        const auto skin
            = skinWithOptions("[GLOBALINFO]\r\nMASTERBITMAP=MASTER.BMP\r\n\r\n[TABL]\r\n");
        QVERIFY2(skin.ok(), qPrintable(skin.error()));
        QCOMPARE(skin->tabBottomIndex(), -1);
    }

    void picturesDecodeOnDemand()
    {
        const auto skin = Skin::SkinData::fromContainerBytes(TestSkin::container());
        QVERIFY(skin.ok());
        QCOMPARE(skin->picture("master.bmp").size(), QSize(40, 20));
        QVERIFY(skin->picture("Ex.png").isNull());
        QVERIFY(skin->picture("absent.png").isNull());
        QVERIFY(skin->picture("Options.dat").isNull());
    }

    void pictureRegions_data()
    {
        QTest::addColumn<QRect>("prepared");
        QTest::addColumn<QRect>("region");
        QTest::newRow("decoded on demand") << QRect() << QRect(10, 50, 100, 40);
        QTest::newRow("prepared, same area") << QRect(0, 0, 120, 90) << QRect(0, 0, 120, 90);
        QTest::newRow("prepared, inner part") << QRect(0, 0, 120, 90) << QRect(70, 55, 40, 30);
        QTest::newRow("larger than prepared") << QRect(0, 0, 60, 40) << QRect(0, 0, 150, 100);
        QTest::newRow("prepared beyond the picture")
            << QRect(0, 0, 999, 999) << QRect(0, 0, 160, 120);
    }

    void pictureRegions()
    {
        QFETCH(QRect, prepared);
        QFETCH(QRect, region);
        Skin::SkinData skin = skinWithBackground();
        QCOMPARE(skin.pictureSize("BG.JPG"), QSize(160, 120));
        if (!prepared.isNull())
            skin.preparePictureRegion("BG.JPG", prepared);
        const QImage expected = skin.picture("bg.jpg").copy(region);
        QVERIFY(sameColours(skin.pictureRegion("BG.JPG", region), expected));
        // A prepared part serves once; the next request decodes again.
        QVERIFY(sameColours(skin.pictureRegion("BG.JPG", region), expected));
    }

    void malformed_data()
    {
        QTest::addColumn<QByteArray>("options");
        QTest::addColumn<QString>("message");
        const QByteArray global = "[GLOBALINFO]\r\nMASTERBITMAP=MASTER.BMP\r\n\r\n";
        QTest::newRow("bad colour")
            << global + "[A]\r\nSTATES=1\r\nCOLOR=red\r\n"
            << "section [A], key COLOR, line 6: \"red\" is not a colour number";
        QTest::newRow("bad borders mask")
            << global + "[A]\r\nBORDERSMASK=^1^2\r\n"
            << "section [A], key BORDERSMASK, line 5: borders mask \"^1^2\" has 2 fields";
        QTest::newRow("bad hot gradient") << global + "[A]\r\nHOTGRADIENTDATA=1;2;3\r\n"
                                          << "section [A], key HOTGRADIENTDATA, line 5: gradient";
        QTest::newRow("bad boolean") << global + "[A]\r\nFADINGENABLED=maybe\r\n"
                                     << "key FADINGENABLED, line 5";
        QTest::newRow("zero states") << global + "[A]\r\nSTATES=0\r\n"
                                     << "section [A], key STATES, line 5: 0 states";
        QTest::newRow("bad skin colour") << QByteArray("[GLOBALINFO]\r\nCOLOR=x\r\n")
                                         << "section [GLOBALINFO], key COLOR, line 2";
        QTest::newRow("no GLOBALINFO first")
            << "[A]\r\n" + global << "the first section is not [GLOBALINFO]";
        QTest::newRow("broken options file") << global + "[A\r\n"
                                             << "Options.dat: line 4: malformed section head";
        QTest::newRow("no master bitmap")
            << QByteArray("[GLOBALINFO]\r\nMASTERBITMAP=MISSING.BMP\r\n")
            << "master bitmap \"MISSING.BMP\" is not in the container";
        QTest::newRow("master bitmap not a picture")
            << QByteArray("[GLOBALINFO]\r\nMASTERBITMAP=EX.PNG\r\n")
            << "master bitmap \"EX.PNG\": not a BMP, JPEG or PNG picture";
    }

    void malformed()
    {
        QFETCH(QByteArray, options);
        QFETCH(QString, message);
        const auto skin = skinWithOptions(options);
        QVERIFY(!skin.ok());
        QVERIFY2(skin.error().contains(message), qPrintable(skin.error()));
    }
};

QTEST_MAIN(tst_SkinData)
#include "tst_skindata.moc"
