#include "controls/pagecontrol.h"
#include "controls/tabsheet.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;
using Controls::PageControl;
using Controls::TabSheet;

class tst_PageControl : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void activePageNamedBeforeThePagesExist();
    void selectPage_data();
    void selectPage();
    void noPage();
};

namespace {
struct Host
{
    PageControl control;
    QList<TabSheet *> sheets;

    Host()
    {
        control.resize(300, 200);
        for (const auto &name : { u"a"_s, u"b"_s, u"c"_s }) {
            auto *sheet = new TabSheet(&control);
            sheet->setObjectName(name);
            sheet->setTabVisible(false);
            sheets.append(sheet);
        }
        control.setActivePageName(u"c"_s);
        control.show();
    }
};
} // namespace

void tst_PageControl::activePageNamedBeforeThePagesExist()
{
    PageControl control;
    control.resize(300, 200);
    control.setActivePageName(u"second"_s);
    auto *first = new TabSheet(&control);
    first->setObjectName(u"first"_s);
    auto *second = new TabSheet(&control);
    second->setObjectName(u"second"_s);
    control.show();
    QCOMPARE(control.pageCount(), 2);
    QCOMPARE(control.activePageIndex(), 1);
    QCOMPARE(second->pageIndex(), 1);
    QVERIFY(second->isVisible());
    QVERIFY(!first->isVisible());
}

void tst_PageControl::selectPage_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("tabTypeOfB");
    QTest::addColumn<int>("expected");

    QTest::newRow("first") << 0 << int(TabSheet::Tab) << 0;
    QTest::newRow("same page again") << 2 << int(TabSheet::Tab) << 2;
    QTest::newRow("below range") << -1 << int(TabSheet::Tab) << 2;
    QTest::newRow("past the end") << 3 << int(TabSheet::Tab) << 2;
    QTest::newRow("page acting as a button") << 1 << int(TabSheet::Button) << 2;
}

void tst_PageControl::selectPage()
{
    QFETCH(int, index);
    QFETCH(int, tabTypeOfB);
    QFETCH(int, expected);
    Host host;
    host.sheets[1]->setTabType(TabSheet::TabType(tabTypeOfB));
    QSignalSpy changed(&host.control, &PageControl::activePageChanged);
    host.control.selectPage(index);
    QCOMPARE(host.control.activePageIndex(), expected);
    QCOMPARE(changed.count(), expected == 2 ? 0 : 1);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(host.sheets[i]->isVisible(), i == expected);
        // Hidden tabs leave no strip: every page fills the control.
        QCOMPARE(host.sheets[i]->geometry(), host.control.rect());
    }
}

void tst_PageControl::noPage()
{
    Host host;
    host.control.setActivePage(nullptr);
    QCOMPARE(host.control.activePageIndex(), -1);
    QCOMPARE(host.control.activePage(), nullptr);
    for (const TabSheet *sheet : host.sheets)
        QVERIFY(!sheet->isVisible());
    host.control.selectPage(1);
    QCOMPARE(host.control.activePage(), host.sheets[1]);
}

QTEST_MAIN(tst_PageControl)
#include "tst_pagecontrol.moc"
