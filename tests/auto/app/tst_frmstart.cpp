#include "Unit1.h"
#include "startup.h"

#include "controls/animation.h"
#include "controls/animationclock.h"
#include "controls/animationcover.h"
#include "controls/manualclock.h"

#include <QScreen>
#include <QTest>

using namespace Qt::StringLiterals;

class tst_FrmStart : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void startsOnTheInventoryPage();
    void windowSettings();
    void components();
    void toolbarFaces_data();
    void toolbarFaces();
    void screenButtons_data();
    void screenButtons();
    void freezeThenSelectThenFade();
    void clickDuringAFade();
    void buttonsThatDoNothing_data();
    void buttonsThatDoNothing();
    void badgeIsNeitherBlendedNorGrayed();

private:
    void click(const char *button);
    void finishFade();
    int coverCount() const;

    std::unique_ptr<Controls::ManualClock> m_clock;
    std::unique_ptr<TfrmStart> m_form;
};

void tst_FrmStart::init()
{
    m_clock = std::make_unique<Controls::ManualClock>();
    Controls::AnimationClock::setInstance(m_clock.get());
    m_form = std::make_unique<TfrmStart>();
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
}

void tst_FrmStart::cleanup()
{
    m_form.reset();
    Controls::AnimationClock::setInstance(nullptr);
    m_clock.reset();
}

void tst_FrmStart::click(const char *button)
{
    auto *widget = m_form->findChild<Controls::SpeedButton *>(QLatin1String(button));
    QVERIFY(widget);
    QTest::mouseClick(widget, Qt::LeftButton);
}

void tst_FrmStart::finishFade()
{
    m_clock->advance(100);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

int tst_FrmStart::coverCount() const
{
    return int(m_form->findChildren<Controls::AnimationCover *>().size());
}

void tst_FrmStart::startsOnTheInventoryPage()
{
    const auto &ui = m_form->ui;
    QCOMPARE(ui.sPageControl1->activePage(), ui.sTabSheet6);
    QCOMPARE(ui.sPageControl1->pageCount(), 3);
    QCOMPARE(ui.sPageControl1->pages(),
        (QList<Controls::TabSheet *> { ui.sTabSheet1, ui.sTabSheet2, ui.sTabSheet6 }));
    QVERIFY(ui.sTabSheet6->isVisible());
    QVERIFY(!ui.sTabSheet1->isVisible());
    QVERIFY(ui.sSkinManager1->isActive());
    QCOMPARE(ui.sSkinManager1->lastError(), QString());
}

void tst_FrmStart::windowSettings()
{
    QCOMPARE(m_form->objectName(), u"frmStart"_s);
    QCOMPARE(m_form->windowTitle(), u"tamo"_s);
    QCOMPARE(m_form->clientSize(), QSize(1264, 766));
    const QMargins frame = m_form->frameMargins();
    QCOMPARE(m_form->size(), QSize(1264, 766).grownBy(frame));
    QCOMPARE(m_form->ui.frmStartClient->geometry(),
        QRect(QPoint(frame.left(), frame.top()), QSize(1264, 766)));
    QVERIFY(frame.top() > frame.left());
    QCOMPARE(m_form->minimumSize(), m_form->maximumSize());
    QVERIFY(m_form->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!m_form->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(m_form->color(), QColor(0x34, 0xA2, 0xEB));
    QCOMPARE(QFontInfo(m_form->font()).pixelSize(), 13);
    const QPoint screenCentre = m_form->screen()->availableGeometry().center();
    QVERIFY((m_form->frameGeometry().center() - screenCentre).manhattanLength() <= 2);
}

void tst_FrmStart::components()
{
    const auto &ui = m_form->ui;
    QCOMPARE(ui.sSkinManager1->skinName(), u"Korvanel (internal)"_s);
    QCOMPARE(ui.sSkinManager1->internalSkins().size(), 1);
    QCOMPARE(ui.sSkinManager1->internalSkins().first().name, u"Korvanel (internal)"_s);
    QVERIFY(ui.sSkinManager1->blendOnMoving());
    QCOMPARE(ui.sSkinManager1->pageChangeTime(), 100);
    QCOMPARE(ui.sSkinProvider1->skinSection(), u"FORM"_s);
    QVERIFY(ui.sSkinProvider1->screenSnap());
    QCOMPARE(ui.sImageList1->count(), 5);
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(ui.sImageList1->picture(i).size(), QSize(196, 148));
        QCOMPARE(ui.sImageList1->cell(i).size(), QSize(98, 74));
    }
}

void tst_FrmStart::toolbarFaces_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("imageIndex");
    QTest::addColumn<QString>("caption");

    for (const auto &[top, lower] : { std::pair { 1, 20 }, std::pair { 2, 21 }, std::pair { 3, 22 },
             std::pair { 4, 23 }, std::pair { 6, 25 }, std::pair { 7, 26 } }) {
        static const QHash<int, std::tuple<int, int, QString>> faces = {
            { 1, { 272, -1, u"LOG OUT"_s } },
            { 2, { 390, 3, QString() } },
            { 3, { 508, 2, QString() } },
            { 4, { 626, 0, QString() } },
            { 6, { 744, 1, QString() } },
            { 7, { 862, 4, QString() } },
        };
        const auto [left, image, caption] = faces.value(top);
        for (const int number : { top, lower }) {
            const QString name = u"sSpeedButton%1"_s.arg(number);
            QTest::newRow(qPrintable(name)) << name << left << image << caption;
        }
    }
}

void tst_FrmStart::toolbarFaces()
{
    QFETCH(QString, button);
    QFETCH(int, left);
    QFETCH(int, imageIndex);
    QFETCH(QString, caption);
    auto *widget = m_form->findChild<Controls::SpeedButton *>(button);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), QRect(left, 0, 120, 72));
    QCOMPARE(widget->imageIndex(), imageIndex);
    QCOMPARE(widget->caption(), caption);
    QCOMPARE(widget->skinSection(), u"TOOLBUTTON"_s);
    QCOMPARE(widget->imageList(), imageIndex < 0 ? nullptr : m_form->ui.sImageList1);
}

void tst_FrmStart::screenButtons_data()
{
    QTest::addColumn<QList<QByteArray>>("clicks");
    QTest::addColumn<int>("page");

    QTest::newRow("log out") << QList<QByteArray> { "sSpeedButton1" } << -1;
    QTest::newRow("sale") << QList<QByteArray> { "sSpeedButton2" } << 0;
    QTest::newRow("dashboard") << QList<QByteArray> { "sSpeedButton3" } << 1;
    QTest::newRow("inventory, already shown") << QList<QByteArray> { "sSpeedButton4" } << 2;
    QTest::newRow("dashboard twice") << QList<QByteArray> { "sSpeedButton3", "sSpeedButton3" } << 1;
    QTest::newRow("log out, then sale")
        << QList<QByteArray> { "sSpeedButton1", "sSpeedButton2" } << 0;
    QTest::newRow("log out twice") << QList<QByteArray> { "sSpeedButton1", "sSpeedButton1" } << -1;
}

void tst_FrmStart::screenButtons()
{
    QFETCH(QList<QByteArray>, clicks);
    QFETCH(int, page);
    for (const QByteArray &button : clicks) {
        click(button.constData());
        // Every click fades, even when the page stays.
        QCOMPARE(coverCount(), 1);
        finishFade();
        QCOMPARE(coverCount(), 0);
    }
    const auto &ui = m_form->ui;
    QCOMPARE(ui.sPageControl1->activePageIndex(), page);
    const QList<Controls::TabSheet *> pages = ui.sPageControl1->pages();
    for (int i = 0; i < pages.size(); ++i)
        QCOMPARE(pages[i]->isVisible(), i == page);
    QVERIFY(ui.sPanel1->isVisible());
    QVERIFY(ui.sPanel27->isVisible());
}

void tst_FrmStart::freezeThenSelectThenFade()
{
    auto *host = m_form->ui.sPageControl1;
    const QImage before = host->grab().toImage();
    click("sSpeedButton1");
    // Frozen: the cover shows the old picture while the page is already gone beneath it.
    Controls::AnimationCover *cover = Controls::coverOf(host);
    QVERIFY(cover);
    QVERIFY(cover->isFading());
    QCOMPARE(host->activePage(), nullptr);
    QCOMPARE(cover->currentPicture().convertToFormat(QImage::Format_RGB32),
        before.convertToFormat(QImage::Format_RGB32));
    m_clock->advance(50);
    QVERIFY(Controls::coverOf(host));
    QVERIFY(qAbs(cover->opacity() - 0.5) < 0.01);
    finishFade();
    QCOMPARE(Controls::coverOf(host), nullptr);
}

void tst_FrmStart::clickDuringAFade()
{
    auto *host = m_form->ui.sPageControl1;
    click("sSpeedButton3");
    m_clock->advance(50);
    click("sSpeedButton1");
    m_clock->advance(30);
    click("sSpeedButton2");
    QCOMPARE(coverCount(), 1);
    QCOMPARE(host->activePageIndex(), 0);
    finishFade();
    QCOMPARE(coverCount(), 0);
    QCOMPARE(host->activePageIndex(), 0);
    QVERIFY(m_form->ui.sTabSheet1->isVisible());
    // Not frozen: the window shows what the host paints now.
    const QRect onWindow(host->mapTo(m_form.get(), QPoint()), host->size());
    QCOMPARE(m_form->grab(onWindow).toImage().convertToFormat(QImage::Format_RGB32),
        host->grab().toImage().convertToFormat(QImage::Format_RGB32));
}

void tst_FrmStart::buttonsThatDoNothing_data()
{
    QTest::addColumn<QString>("button");
    for (const int number : { 5, 6, 7, 20, 21, 22, 23, 24, 25, 26 }) {
        const QString name = u"sSpeedButton%1"_s.arg(number);
        QTest::newRow(qPrintable(name)) << name;
    }
}

void tst_FrmStart::buttonsThatDoNothing()
{
    QFETCH(QString, button);
    click(button.toLatin1().constData());
    QCOMPARE(coverCount(), 0);
    QCOMPARE(m_form->ui.sPageControl1->activePage(), m_form->ui.sTabSheet6);
}

void tst_FrmStart::badgeIsNeitherBlendedNorGrayed()
{
    for (auto *badge : { m_form->ui.sSpeedButton5, m_form->ui.sSpeedButton24 }) {
        QVERIFY(!badge->isEnabled());
        QCOMPARE(badge->caption(), u"A KORVANEL"_s);
        QCOMPARE(badge->glyph().size(), QSize(32, 32));
        const QImage disabled = badge->cachePicture().copy();
        badge->setEnabled(true);
        QCOMPARE(badge->cachePicture(), disabled);
        badge->setEnabled(false);
    }
}

int main(int argc, char *argv[])
{
    App::prepareApplication();
    QApplication application(argc, argv);
    tst_FrmStart test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_frmstart.moc"
