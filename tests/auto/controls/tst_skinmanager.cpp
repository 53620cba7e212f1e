#include "testskin.h"

#include "controls/skinmanager.h"

#include "skin/skindata.h"

#include <QSignalSpy>
#include <QTest>

using Controls::SkinManager;

using namespace Qt::StringLiterals;

class tst_SkinManager : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void activation_data();
    void activation();
    void nameGivenBeforeTheSkinsActivatesWhenTheyArrive();
    void switchingToAnUnknownNameDropsTheSkin();
};

void tst_SkinManager::activation_data()
{
    QTest::addColumn<QString>("skinName");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("active");
    QTest::addColumn<QString>("error");

    QTest::newRow("matching name") << u"Test"_s << TestSkin::container() << true << QString();
    QTest::newRow("name differs in case")
        << u"test"_s << TestSkin::container() << false << u"no internal skin named \"test\""_s;
    QTest::newRow("not a packed skin") << u"Test"_s << QByteArray("PK\x03\x04 not a skin") << false
                                       << u"Loaded data is not a packed skin file"_s;
}

void tst_SkinManager::activation()
{
    QFETCH(QString, skinName);
    QFETCH(QByteArray, data);
    QFETCH(bool, active);
    QFETCH(QString, error);

    SkinManager manager;
    QSignalSpy changed(&manager, &SkinManager::skinChanged);
    manager.setSkinName(skinName);
    manager.setInternalSkins({ { u"Test"_s, Qt::black, 0, 0, data } });
    QCOMPARE(manager.isActive(), active);
    QCOMPARE(changed.count(), active ? 1 : 0);
    QVERIFY2(manager.lastError().contains(error), qPrintable(manager.lastError()));
    if (active) {
        QVERIFY(manager.skin()->indexOf("TOOLBUTTON") >= 0);
        QVERIFY(manager.painter());
    }
}

void tst_SkinManager::nameGivenBeforeTheSkinsActivatesWhenTheyArrive()
{
    SkinManager manager;
    manager.setSkinName(u"Test"_s);
    QVERIFY(!manager.isActive());
    manager.setInternalSkins({ TestSkin::internalSkin() });
    QVERIFY(manager.isActive());
    QCOMPARE(SkinManager::defaultManager(), &manager);
}

void tst_SkinManager::switchingToAnUnknownNameDropsTheSkin()
{
    SkinManager manager;
    TestSkin::activate(manager);
    QSignalSpy changed(&manager, &SkinManager::skinChanged);
    manager.setSkinName(u"Other"_s);
    QVERIFY(!manager.isActive());
    QCOMPARE(manager.skin(), nullptr);
    QCOMPARE(changed.count(), 1);
}

QTEST_MAIN(tst_SkinManager)
#include "tst_skinmanager.moc"
