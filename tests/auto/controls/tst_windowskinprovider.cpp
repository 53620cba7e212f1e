#include "testskin.h"

#include "controls/form.h"
#include "controls/formclient.h"
#include "controls/windowskinprovider.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QTest>

using namespace Qt::StringLiterals;
using Controls::TitleBarLayout;

class tst_WindowSkinProvider : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void frameFromTheSkin();
    void windowPicture();
    void titleButtons_data();
    void titleButtons();
    void dragMovesBlendsAndSnaps_data();
    void dragMovesBlendsAndSnaps();
    void smallMovesDoNotDrag();

private:
    void send(QEvent::Type type, QPoint pos, Qt::MouseButtons buttons);

    std::unique_ptr<Controls::SkinManager> m_manager;
    std::unique_ptr<Controls::Form> m_form;
    Controls::WindowSkinProvider *m_provider = nullptr;
    Controls::FormClient *m_client = nullptr;
};

void tst_WindowSkinProvider::init()
{
    m_manager = std::make_unique<Controls::SkinManager>();
    m_form = std::make_unique<Controls::Form>();
    m_form->setWindowTitle(u"tamo"_s);
    m_form->setClientSize({ 300, 200 });
    m_form->setResizable(false);
    m_form->setMaximizeBox(false);
    m_provider = new Controls::WindowSkinProvider(m_form.get());
    m_provider->setScreenSnap(true);
    m_client = new Controls::FormClient(m_form.get());
    TestSkin::activate(*m_manager);
    m_manager->setBlendOnMoving(true);
    m_form->move(200, 150);
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
}

void tst_WindowSkinProvider::cleanup()
{
    m_form.reset();
    m_manager.reset();
}

void tst_WindowSkinProvider::send(QEvent::Type type, QPoint pos, Qt::MouseButtons buttons)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, pos, m_form->mapToGlobal(pos), button, buttons, {});
    QApplication::sendEvent(m_form.get(), &event);
}

void tst_WindowSkinProvider::frameFromTheSkin()
{
    QCOMPARE(m_form->frameMargins(), QMargins(1, 1 + TestSkin::titleHeight, 1, 1));
    QCOMPARE(m_provider->clientOffset(), QPoint(1, 21));
    QCOMPARE(m_form->size(), QSize(302, 222));
    QCOMPARE(m_form->minimumSize(), m_form->maximumSize());
    QCOMPARE(m_client->geometry(), QRect(1, 21, 300, 200));
}

void tst_WindowSkinProvider::windowPicture()
{
    const QImage picture = m_provider->windowPicture();
    QCOMPARE(picture.size(), m_form->size());
    QCOMPARE(picture.pixel(0, 0), TestSkin::frameColor);
    QCOMPARE(picture.pixel(301, 221), TestSkin::frameColor);
    QCOMPARE(picture.pixel(150, 120), TestSkin::formColor);
    // The title bar, left of its buttons and below the caption's text.
    QCOMPARE(picture.pixel(250, 19), TestSkin::titleColor);
    const TitleBarLayout layout = m_provider->titleBarLayout();
    QCOMPARE(layout.buttonRect(TitleBarLayout::Close), QRect(291, 1, 10, 10));
    QCOMPARE(layout.buttonRect(TitleBarLayout::Minimize), QRect(284, 1, 8, 10));
    QVERIFY(layout.buttonRect(TitleBarLayout::Maximize).isEmpty());
}

void tst_WindowSkinProvider::titleButtons_data()
{
    QTest::addColumn<QPoint>("press");
    QTest::addColumn<QPoint>("release");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<bool>("minimized");

    QTest::newRow("close") << QPoint(296, 5) << QPoint(296, 5) << false << false;
    QTest::newRow("close, released elsewhere") << QPoint(296, 5) << QPoint(100, 5) << true << false;
    QTest::newRow("minimise") << QPoint(287, 5) << QPoint(287, 5) << true << true;
}

void tst_WindowSkinProvider::titleButtons()
{
    QFETCH(QPoint, press);
    QFETCH(QPoint, release);
    QFETCH(bool, visible);
    QFETCH(bool, minimized);
    send(QEvent::MouseMove, press, Qt::NoButton);
    const auto button = m_provider->titleBarLayout().buttonAt(press);
    QCOMPARE(m_provider->buttonState(button), 1);
    send(QEvent::MouseButtonPress, press, Qt::LeftButton);
    QCOMPARE(m_provider->buttonState(button), 2);
    send(QEvent::MouseButtonRelease, release, Qt::NoButton);
    QCOMPARE(m_form->isVisible(), visible);
    QCOMPARE(m_form->isMinimized(), minimized);
    QCOMPARE(m_provider->buttonState(button), 0);
}

void tst_WindowSkinProvider::dragMovesBlendsAndSnaps_data()
{
    QTest::addColumn<QPoint>("by");
    QTest::addColumn<bool>("snaps");

    QTest::newRow("free") << QPoint(40, 30) << false;
    QTest::newRow("to the left edge") << QPoint(-195, 30) << true;
}

void tst_WindowSkinProvider::dragMovesBlendsAndSnaps()
{
    QFETCH(QPoint, by);
    QFETCH(bool, snaps);
    const QPoint start = m_form->pos();
    const QPoint grip(100, 10);
    send(QEvent::MouseButtonPress, grip, Qt::LeftButton);
    send(QEvent::MouseMove, grip + by, Qt::LeftButton);
    QVERIFY(m_provider->isMoving());
    QCOMPARE(m_form->windowOpacity(), m_manager->blendOnMovingValue() / 255.0);
    const QRect area = m_form->screen()->availableGeometry();
    const QPoint expected = snaps ? QPoint(area.left(), start.y() + by.y()) : start + by;
    QCOMPARE(m_form->pos(), expected);
    send(QEvent::MouseButtonRelease, grip + by, Qt::NoButton);
    QVERIFY(!m_provider->isMoving());
    QCOMPARE(m_form->windowOpacity(), 1.0);
}

void tst_WindowSkinProvider::smallMovesDoNotDrag()
{
    const QPoint start = m_form->pos();
    send(QEvent::MouseButtonPress, { 100, 10 }, Qt::LeftButton);
    send(QEvent::MouseMove, { 101, 10 }, Qt::LeftButton);
    QVERIFY(!m_provider->isMoving());
    QCOMPARE(m_form->pos(), start);
    send(QEvent::MouseButtonRelease, { 101, 10 }, Qt::NoButton);
}

QTEST_MAIN(tst_WindowSkinProvider)
#include "tst_windowskinprovider.moc"
