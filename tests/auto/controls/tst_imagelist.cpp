#include "controls/imagelist.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class tst_ImageList : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cellsAreScaledIntoTheCell();
    void missingItems_data();
    void missingItems();
};

void tst_ImageList::cellsAreScaledIntoTheCell()
{
    QTemporaryDir dir;
    QImage picture(196, 148, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    // A 2 px white line at x 100…101 becomes a 1 px line at x 50 in the half-size cell.
    for (int y = 0; y < 148; ++y) {
        picture.setPixel(100, y, 0xFFFFFFFF);
        picture.setPixel(101, y, 0xFFFFFFFF);
    }
    const QString path = dir.filePath(u"0.png"_s);
    QVERIFY(picture.save(path));

    Controls::ImageList list;
    list.setCellWidth(98);
    list.setCellHeight(74);
    list.setItems({ path });
    const QImage cell = list.cell(0);
    QCOMPARE(cell.size(), QSize(98, 74));
    QCOMPARE(list.picture(0).size(), QSize(196, 148));
    QCOMPARE(qAlpha(cell.pixel(50, 37)), 255);
    QCOMPARE(qAlpha(cell.pixel(49, 37)), 0);
    QCOMPARE(qAlpha(cell.pixel(51, 37)), 0);
}

void tst_ImageList::missingItems_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("negative") << -1;
    QTest::newRow("past the end") << 1;
    QTest::newRow("unreadable") << 0;
}

void tst_ImageList::missingItems()
{
    QFETCH(int, index);
    Controls::ImageList list;
    list.setItems({ u":/no/such/picture.png"_s });
    QVERIFY(list.cell(index).isNull());
}

QTEST_MAIN(tst_ImageList)
#include "tst_imagelist.moc"
