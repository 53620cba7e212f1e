#include "controls/titlebarlayout.h"

#include <QTest>

using Controls::TitleBarLayout;

class tst_TitleBarLayout : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void buttonRects_data();
    void buttonRects();
    void overlapGoesToTheLeftButton();
    void captionAndDragArea();
};

namespace {
const QRect bar(1, 1, 200, 30);
const QList<std::pair<TitleBarLayout::Button, QSize>> closeAndMin
    = { { TitleBarLayout::Close, { 43, 18 } }, { TitleBarLayout::Minimize, { 26, 18 } } };
} // namespace

void tst_TitleBarLayout::buttonRects_data()
{
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("space");
    QTest::addColumn<int>("align");
    QTest::addColumn<QRect>("close");
    QTest::addColumn<QRect>("minimize");

    QTest::newRow("flush top, overlapping by one")
        << 0 << 0 << -1 << int(TitleBarLayout::Top) << QRect(158, 1, 43, 18)
        << QRect(133, 1, 26, 18);
    QTest::newRow("inset, spaced") << 5 << 2 << 3 << int(TitleBarLayout::Top)
                                   << QRect(153, 3, 43, 18) << QRect(124, 3, 26, 18);
    QTest::newRow("centred ignores top") << 0 << 7 << 0 << int(TitleBarLayout::Centre)
                                         << QRect(158, 7, 43, 18) << QRect(132, 7, 26, 18);
    QTest::newRow("bottom") << 0 << 1 << 0 << int(TitleBarLayout::Bottom) << QRect(158, 12, 43, 18)
                            << QRect(132, 12, 26, 18);
}

void tst_TitleBarLayout::buttonRects()
{
    QFETCH(int, right);
    QFETCH(int, top);
    QFETCH(int, space);
    QFETCH(int, align);
    QFETCH(QRect, close);
    QFETCH(QRect, minimize);
    const TitleBarLayout layout(
        bar, closeAndMin, { 2, right, top, space, TitleBarLayout::VerticalAlign(align) });
    QCOMPARE(layout.buttonRect(TitleBarLayout::Close), close);
    QCOMPARE(layout.buttonRect(TitleBarLayout::Minimize), minimize);
    QVERIFY(layout.buttonRect(TitleBarLayout::Maximize).isEmpty());
}

void tst_TitleBarLayout::overlapGoesToTheLeftButton()
{
    const TitleBarLayout layout(bar, closeAndMin, { 2, 0, 0, -1, TitleBarLayout::Top });
    QCOMPARE(layout.buttonAt({ 158, 5 }), TitleBarLayout::Minimize);
    QCOMPARE(layout.buttonAt({ 159, 5 }), TitleBarLayout::Close);
    QCOMPARE(layout.buttonAt({ 200, 18 }), TitleBarLayout::Close);
    QCOMPARE(layout.buttonAt({ 200, 19 }), TitleBarLayout::NoButton);
}

void tst_TitleBarLayout::captionAndDragArea()
{
    const TitleBarLayout layout(bar, closeAndMin, { 2, 0, 0, -1, TitleBarLayout::Top });
    QCOMPARE(layout.captionRect(), QRect(3, 1, 130, 30));
    QVERIFY(layout.isDragArea({ 100, 20 }));
    QVERIFY(layout.isDragArea({ 170, 25 }));
    QVERIFY(!layout.isDragArea({ 170, 10 }));
    QVERIFY(!layout.isDragArea({ 100, 31 }));
    QVERIFY(!layout.isDragArea({ 0, 10 }));
}

QTEST_MAIN(tst_TitleBarLayout)
#include "tst_titlebarlayout.moc"
