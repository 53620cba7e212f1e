#include "controls/screensnap.h"

#include <QTest>

class tst_ScreenSnap : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void snap_data();
    void snap();
};

void tst_ScreenSnap::snap_data()
{
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("expected");

    // A 300 x 200 window on a 1000 x 800 area at (100, 50), buffer 10.
    QTest::newRow("free") << QPoint(400, 300) << QPoint(400, 300);
    QTest::newRow("near left") << QPoint(108, 300) << QPoint(100, 300);
    QTest::newRow("just past left") << QPoint(95, 300) << QPoint(100, 300);
    QTest::newRow("beyond buffer") << QPoint(111, 300) << QPoint(111, 300);
    QTest::newRow("near right") << QPoint(795, 300) << QPoint(800, 300);
    QTest::newRow("near top") << QPoint(400, 60) << QPoint(400, 50);
    QTest::newRow("near bottom") << QPoint(400, 641) << QPoint(400, 650);
    QTest::newRow("corner") << QPoint(791, 645) << QPoint(800, 650);
}

void tst_ScreenSnap::snap()
{
    QFETCH(QPoint, from);
    QFETCH(QPoint, expected);
    QCOMPARE(Controls::snapToEdges(QRect(from, QSize(300, 200)), QRect(100, 50, 1000, 800), 10),
        expected);
}

QTEST_MAIN(tst_ScreenSnap)
#include "tst_screensnap.moc"
