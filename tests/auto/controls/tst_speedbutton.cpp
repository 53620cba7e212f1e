#include "testskin.h"

#include "controls/animationclock.h"
#include "controls/manualclock.h"
#include "controls/speedbutton.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;
using Controls::SpeedButton;

class tst_SpeedButton : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void hoverFadesInTheSectionsSteps();
    void leavingMidFadeTurnsBackFromTheBlend();
    void clickNeedsReleaseInside_data();
    void clickNeedsReleaseInside();
    void disabledLook_data();
    void disabledLook();

private:
    std::unique_ptr<Controls::SkinManager> m_manager;
    std::unique_ptr<Controls::ManualClock> m_clock;
    std::unique_ptr<QWidget> m_window;
    SpeedButton *m_button = nullptr;
};

namespace {
QRgb centre(const SpeedButton *button)
{
    return button->cachePicture().pixel(button->width() / 2, button->height() / 2);
}

QPixmap redGlyph()
{
    QPixmap glyph(8, 8);
    glyph.fill(Qt::red);
    return glyph;
}
} // namespace

void tst_SpeedButton::init()
{
    m_clock = std::make_unique<Controls::ManualClock>();
    Controls::AnimationClock::setInstance(m_clock.get());
    m_manager = std::make_unique<Controls::SkinManager>();
    TestSkin::activate(*m_manager);
    m_window = std::make_unique<QWidget>();
    m_window->resize(200, 100);
    m_button = new SpeedButton(m_window.get());
    m_button->setGeometry(10, 10, 120, 72);
    m_button->setSkinSection(u"TOOLBUTTON"_s);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void tst_SpeedButton::cleanup()
{
    m_window.reset();
    m_manager.reset();
    Controls::AnimationClock::setInstance(nullptr);
    m_clock.reset();
}

void tst_SpeedButton::hoverFadesInTheSectionsSteps()
{
    QCOMPARE(centre(m_button), TestSkin::buttonColors[0]);
    m_button->setHot(true);
    QCOMPARE(m_button->skinState(), 1);
    QVERIFY(m_button->isFading());
    QCOMPARE(centre(m_button), TestSkin::buttonColors[0]);
    m_clock->advance(16);
    const QRgb quarter = centre(m_button);
    QVERIFY(qAbs(qRed(quarter) - 0xC0 * 3 / 4) <= 1);
    QVERIFY(qAbs(qGreen(quarter) - 0xC0 / 4) <= 1);
    for (int i = 0; i < 3; ++i)
        m_clock->advance(16);
    QVERIFY(!m_button->isFading());
    QCOMPARE(centre(m_button), TestSkin::buttonColors[1]);
    QVERIFY(!m_clock->isTicking());
}

void tst_SpeedButton::leavingMidFadeTurnsBackFromTheBlend()
{
    m_button->setHot(true);
    m_clock->advance(16);
    m_clock->advance(16);
    const QRgb halfway = centre(m_button);
    m_button->setHot(false);
    QCOMPARE(m_button->skinState(), 0);
    QCOMPARE(centre(m_button), halfway);
    for (int i = 0; i < 4; ++i)
        m_clock->advance(16);
    QCOMPARE(centre(m_button), TestSkin::buttonColors[0]);
}

void tst_SpeedButton::clickNeedsReleaseInside_data()
{
    QTest::addColumn<QPoint>("release");
    QTest::addColumn<int>("clicks");
    QTest::newRow("inside") << QPoint(60, 36) << 1;
    QTest::newRow("outside") << QPoint(150, 36) << 0;
}

void tst_SpeedButton::clickNeedsReleaseInside()
{
    QFETCH(QPoint, release);
    QFETCH(int, clicks);
    QSignalSpy clicked(m_button, &SpeedButton::clicked);
    QTest::mousePress(m_button, Qt::LeftButton, {}, QPoint(60, 36));
    QCOMPARE(m_button->skinState(), 2);
    QTest::mouseRelease(m_button, Qt::LeftButton, {}, release);
    QCOMPARE(clicked.count(), clicks);
}

void tst_SpeedButton::disabledLook_data()
{
    QTest::addColumn<SpeedButton::DisabledKinds>("kinds");
    QTest::addColumn<bool>("sameAsEnabled");
    QTest::addColumn<QRgb>("glyphPixel");

    QTest::newRow("neither blended nor grayed")
        << SpeedButton::DisabledKinds() << true << 0xFFFF0000u;
    QTest::newRow("grayed") << SpeedButton::DisabledKinds(SpeedButton::Grayed) << false
                            << qRgb(qGray(0xFFFF0000u), qGray(0xFFFF0000u), qGray(0xFFFF0000u));
}

void tst_SpeedButton::disabledLook()
{
    QFETCH(SpeedButton::DisabledKinds, kinds);
    QFETCH(bool, sameAsEnabled);
    QFETCH(QRgb, glyphPixel);

    m_button->setSkinSection(u"CHECKBOX"_s);
    m_button->setCaption(u"A KORVANEL"_s);
    m_button->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_button->setGlyph(redGlyph());
    m_button->setDisabledKind(kinds);
    m_button->setDisabledGlyphKind(kinds);
    const QImage enabled = m_button->cachePicture().copy();
    m_button->setEnabled(false);
    const QImage disabled = m_button->cachePicture();
    QCOMPARE(disabled == enabled, sameAsEnabled);
    // The glyph sits at the margin, centred vertically.
    QCOMPARE(disabled.pixel(m_button->margin() + 4, 36), glyphPixel);
}

QTEST_MAIN(tst_SpeedButton)
#include "tst_speedbutton.moc"
