#include "testskin.h"

#include "controls/skinpreloader.h"

#include "skin/skindata.h"

#include <QTest>

class tst_SkinPreloader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void takesOnlyTheBytesItWasGiven()
    {
        const QByteArray data = TestSkin::container();
        Controls::SkinPreloader::start(data, QSize(64, 64));
        // Equal content elsewhere in memory is another skin as far as the preloader knows.
        const QByteArray copy(data.constData(), data.size());
        QVERIFY(!Controls::SkinPreloader::take(copy));

        auto skin = Controls::SkinPreloader::take(data);
        QVERIFY(skin);
        QVERIFY2(skin->ok(), qPrintable(skin->error()));
        QVERIFY(skin->value().indexOf("TOOLBUTTON") >= 0);
        QVERIFY(!Controls::SkinPreloader::take(data));
    }

    void reportsABrokenSkin()
    {
        const QByteArray data("ASzg broken");
        Controls::SkinPreloader::start(data, QSize(64, 64));
        auto skin = Controls::SkinPreloader::take(data);
        QVERIFY(skin);
        QCOMPARE(skin->error(), QStringLiteral("Loaded data is not a packed skin file"));
    }

    void managerTakesThePreloadedSkin()
    {
        const QByteArray data = TestSkin::container();
        Controls::SkinPreloader::start(data, QSize(64, 64));
        Controls::SkinManager manager;
        manager.setSkinName(QStringLiteral("Test"));
        manager.setInternalSkins({ { QStringLiteral("Test"), Qt::black, 0, 0, data } });
        QVERIFY(manager.isActive());
        QVERIFY(!Controls::SkinPreloader::take(data));
    }
};

QTEST_MAIN(tst_SkinPreloader)
#include "tst_skinpreloader.moc"
