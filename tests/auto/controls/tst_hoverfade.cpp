#include "controls/hoverfade.h"

#include <QTest>

class tst_HoverFade : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void stepsToTheTarget();
    void interruptedFadeStartsFromTheShownBlend();
};

namespace {
QImage plain(QRgb color)
{
    QImage image(4, 4, QImage::Format_ARGB32_Premultiplied);
    image.fill(color);
    return image;
}

int red(const QImage &image)
{
    return qRed(image.pixel(1, 1));
}
} // namespace

void tst_HoverFade::stepsToTheTarget()
{
    Controls::HoverFade fade;
    fade.start(plain(0xFF000000), plain(0xFFFF0000), 4);
    QCOMPARE(red(fade.current()), 0);
    QVERIFY(!fade.step());
    QVERIFY(qAbs(red(fade.current()) - 64) <= 1);
    QVERIFY(!fade.step());
    QVERIFY(!fade.step());
    QVERIFY(fade.step());
    QVERIFY(!fade.isRunning());
    QCOMPARE(red(fade.current()), 255);
}

void tst_HoverFade::interruptedFadeStartsFromTheShownBlend()
{
    Controls::HoverFade fade;
    fade.start(plain(0xFF000000), plain(0xFFFF0000), 4);
    fade.step();
    fade.step();
    const int halfway = red(fade.current());
    QVERIFY(qAbs(halfway - 128) <= 1);
    // Back towards black: the first picture is the half-way blend, not red or black.
    fade.retarget(plain(0xFF000000), 4);
    QCOMPARE(red(fade.current()), halfway);
    fade.step();
    QVERIFY(qAbs(red(fade.current()) - halfway * 3 / 4) <= 1);
}

QTEST_MAIN(tst_HoverFade)
#include "tst_hoverfade.moc"
