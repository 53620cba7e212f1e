#include "skin/jpegcodec.h"
#include "skin/sectionpainter.h"
#include "skin/skindata.h"
#include "testskin.h"

#include <QPainter>
#include <QTest>

namespace {

constexpr QRgb white = 0xFFFFFFFF;

QImage ground(QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(x * 4 % 256, y * 4 % 256, 77));
    }
    return image;
}

} // namespace

class tst_SectionPainter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        auto skin = Skin::SkinData::fromContainerBytes(TestSkin::container());
        QVERIFY2(skin.ok(), qPrintable(skin.error()));
        m_skin = std::make_unique<Skin::SkinData>(std::move(skin).value());
    }

    void ninesliceAndStates_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QRgb>("body");
        QTest::newRow("normal, stretched") << 0 << QSize(40, 30) << TestSkin::red;
        QTest::newRow("hot") << 1 << QSize(40, 30) << TestSkin::green;
        QTest::newRow("active") << 2 << QSize(40, 30) << TestSkin::blue;
        QTest::newRow("state beyond the pictures") << 5 << QSize(40, 30) << TestSkin::blue;
        QTest::newRow("natural size") << 0 << QSize(10, 10) << TestSkin::red;
    }

    void ninesliceAndStates()
    {
        QFETCH(int, state);
        QFETCH(QSize, size);
        QFETCH(QRgb, body);
        QImage dest(size, QImage::Format_ARGB32_Premultiplied);
        QImage background(size, QImage::Format_ARGB32_Premultiplied);
        background.fill(white);
        Skin::SectionPainter painter(*m_skin);
        painter.paint(m_skin->indexOf("BOX"), state, dest, dest.rect(),
            Skin::ParentBackground::at(&background, 0, 0));

        const int right = size.width() - 1;
        const int bottom = size.height() - 1;
        // The mask hides the picture's top-left pixel: the parent shows there.
        QCOMPARE(dest.pixel(0, 0), white);
        // Corners keep their 2 px size whatever the destination's size.
        for (const QPoint p : { QPoint(1, 0), QPoint(1, 1), QPoint(right, 0), QPoint(right - 1, 1),
                 QPoint(0, bottom), QPoint(right, bottom), QPoint(right - 1, bottom - 1) })
            QCOMPARE(QColor(dest.pixel(p)).name(), QColor(TestSkin::yellow).name());
        QCOMPARE(QColor(dest.pixel(2, 2)).name(), QColor(body).name());
        QCOMPARE(
            QColor(dest.pixel(size.width() / 2, size.height() / 2)).name(), QColor(body).name());
        QCOMPARE(QColor(dest.pixel(right - 2, bottom - 2)).name(), QColor(body).name());
    }

    void transparentSectionShowsTheParent_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<QPoint>("offset");
        QTest::newRow("normal") << 0 << QPoint(5, 7);
        QTest::newRow("hot") << 1 << QPoint(0, 0);
        QTest::newRow("active") << 2 << QPoint(30, 2);
    }

    void transparentSectionShowsTheParent()
    {
        QFETCH(int, state);
        QFETCH(QPoint, offset);
        const QImage parent = ground({ 64, 48 });
        QImage dest(20, 12, QImage::Format_ARGB32_Premultiplied);
        dest.fill(Qt::black);
        Skin::SectionPainter painter(*m_skin);
        const QRect target(3, 2, 15, 9);
        painter.paint(m_skin->indexOf("GHOST"), state, dest, target,
            Skin::ParentBackground::at(&parent, offset.x(), offset.y()));
        QCOMPARE(dest.copy(target), parent.copy(QRect(offset, target.size())));
        QCOMPARE(dest.pixel(0, 0), 0xFF000000);
        QVERIFY(painter.isInvisible(m_skin->indexOf("GHOST"), state));
    }

    void backgroundOutsideTheSourceUsesTheFillColour()
    {
        const QImage parent = ground({ 10, 10 });
        QImage dest(8, 8, QImage::Format_ARGB32_Premultiplied);
        Skin::SectionPainter painter(*m_skin);
        painter.paint(m_skin->indexOf("GHOST"), 0, dest, dest.rect(),
            Skin::ParentBackground::at(&parent, 6, 6));
        QCOMPARE(dest.pixel(0, 0), parent.pixel(6, 6));
        QCOMPARE(dest.pixel(7, 7), 0xFFFF00FF);
        painter.paint(m_skin->indexOf("GHOST"), 0, dest, dest.rect(), {});
        QCOMPARE(dest.pixel(3, 3), 0xFFFF00FF);
    }

    void fills_data()
    {
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<bool>("filling");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QRgb>("expected");
        QTest::newRow("half transparent blue over white")
            << QByteArray("HALF") << true << QPoint(4, 4) << qRgb(128, 128, 255);
        QTest::newRow("filling off leaves the parent")
            << QByteArray("HALF") << false << QPoint(4, 4) << white;
        QTest::newRow("gradient top group")
            << QByteArray("GRAD") << true << QPoint(4, 2) << qRgb(255, 0, 0);
        QTest::newRow("gradient last group takes the rest")
            << QByteArray("GRAD") << true << QPoint(4, 29) << qRgb(0, 0, 255);
        QTest::newRow("pattern at natural size")
            << QByteArray("PATTERNED") << true << QPoint(0, 0) << TestSkin::yellow;
        QTest::newRow("pattern body")
            << QByteArray("PATTERNED") << true << QPoint(14, 4) << TestSkin::green;
        QTest::newRow("pattern tiles")
            << QByteArray("PATTERNED") << true << QPoint(54, 4) << TestSkin::green;
    }

    void fills()
    {
        QFETCH(QByteArray, section);
        QFETCH(bool, filling);
        QFETCH(QPoint, at);
        QFETCH(QRgb, expected);
        QImage background(60, 30, QImage::Format_ARGB32_Premultiplied);
        background.fill(white);
        QImage dest(background.size(), QImage::Format_RGB32);
        Skin::SectionPainter painter(*m_skin);
        painter.paint(m_skin->indexOf(section), 0, dest, dest.rect(),
            Skin::ParentBackground::at(&background, 0, 0), filling);
        const QRgb got = dest.pixel(at);
        QVERIFY2(qAbs(qRed(got) - qRed(expected)) <= 2 && qAbs(qGreen(got) - qGreen(expected)) <= 2
                && qAbs(qBlue(got) - qBlue(expected)) <= 2,
            qPrintable(QColor(got).name()));
    }

    void degenerateRequestsDrawNothingHarmful()
    {
        QImage dest(8, 8, QImage::Format_ARGB32_Premultiplied);
        dest.fill(Qt::black);
        Skin::SectionPainter painter(*m_skin);
        const auto background = Skin::ParentBackground::at(&dest, 0, 0);
        painter.paint(-1, 0, dest, dest.rect(), background);
        painter.paint(99, 0, dest, dest.rect(), background);
        painter.paint(m_skin->indexOf("BOX"), 0, dest, QRect(6, 6, 50, 50), background);
        painter.paint(m_skin->indexOf("BOX"), 0, dest, QRect(1, 1, 3, 3), background);
        QCOMPARE(dest.pixel(0, 0), 0xFF000000);
        QVERIFY(painter.layer(m_skin->indexOf("BOX"), 0, QSize(0, 5)).isNull());
        // Painting a picture over itself reads the picture as it was.
        painter.paint(m_skin->indexOf("GHOST"), 0, dest, QRect(2, 0, 6, 8),
            Skin::ParentBackground::at(&dest, 0, 0));
        QCOMPARE(dest.pixel(2, 0), 0xFF000000);
    }

    void largePatternShowsItsTopLeftPart_data()
    {
        QTest::addColumn<bool>("prepared");
        QTest::newRow("decoded for the layer") << false;
        QTest::newRow("decoded ahead") << true;
    }

    void largePatternShowsItsTopLeftPart()
    {
        QFETCH(bool, prepared);
        QImage photo(120, 90, QImage::Format_RGB32);
        photo.fill(Qt::darkCyan);
        QPainter(&photo).fillRect(20, 10, 30, 20, Qt::yellow);
        QList<Skin::ContainerEntry> entries = TestSkin::entries();
        entries[0].data
            += "\r\n[WINDOW]\r\nTRANSPARENCY=0\r\nPATTERN=PHOTO.JPG\r\nIMAGEPERCENT=100\r\n";
        entries.append({ "photo.jpg", Skin::encodeJpeg(photo, 95).value() });
        auto skin = Skin::SkinData::fromContainerBytes(Skin::writePackedContainer(entries).value());
        QVERIFY2(skin.ok(), qPrintable(skin.error()));
        if (prepared)
            skin.value().preparePictureRegion("PHOTO.JPG", QRect(0, 0, 100, 80));

        Skin::SectionPainter painter(*skin);
        const QImage layer = painter.layer(skin->indexOf("WINDOW"), 0, QSize(70, 50));
        QCOMPARE(layer.size(), QSize(70, 50));
        for (const QPoint p : { QPoint(5, 5), QPoint(30, 20), QPoint(60, 40) }) {
            const QRgb got = layer.pixel(p);
            const QRgb want = photo.pixel(p);
            QVERIFY2(qAbs(qRed(got) - qRed(want)) < 16 && qAbs(qGreen(got) - qGreen(want)) < 16
                    && qAbs(qBlue(got) - qBlue(want)) < 16 && qAlpha(got) == 255,
                qPrintable(
                    QStringLiteral("%1,%2: %3").arg(p.x()).arg(p.y()).arg(QColor(got).name())));
        }
    }

private:
    std::unique_ptr<Skin::SkinData> m_skin;
};

QTEST_MAIN(tst_SectionPainter)
#include "tst_sectionpainter.moc"
