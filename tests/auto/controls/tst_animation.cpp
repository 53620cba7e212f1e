#include "controls/animation.h"
#include "controls/animationclock.h"
#include "controls/animationcover.h"
#include "controls/manualclock.h"

#include <QPainter>
#include <QTest>

using Controls::AnimationCover;

class tst_Animation : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void freezeHidesChangesUntilTheFade();
    void fadeBlendsAndEndsOnTheNewPicture();
    void freezeDuringAFadeKeepsOneCoverAndTheShownPicture();
    void showWithoutFreezeJustShows();

private:
    // A control painting one colour, so pictures are easy to read.
    class Swatch : public QWidget
    {
    public:
        using QWidget::QWidget;
        QColor color = Qt::black;

    protected:
        void paintEvent(QPaintEvent *) override { QPainter(this).fillRect(rect(), color); }
    };

    QRgb shown() const;
    void settle() const;

    std::unique_ptr<Controls::ManualClock> m_clock;
    std::unique_ptr<QWidget> m_window;
    Swatch *m_swatch = nullptr;
};

void tst_Animation::init()
{
    m_clock = std::make_unique<Controls::ManualClock>();
    Controls::AnimationClock::setInstance(m_clock.get());
    m_window = std::make_unique<QWidget>();
    m_window->resize(100, 100);
    m_swatch = new Swatch(m_window.get());
    m_swatch->setGeometry(10, 10, 50, 50);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void tst_Animation::cleanup()
{
    m_window.reset();
    Controls::AnimationClock::setInstance(nullptr);
    m_clock.reset();
}

QRgb tst_Animation::shown() const
{
    return m_window->grab().toImage().pixel(35, 35);
}

void tst_Animation::settle() const
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void tst_Animation::freezeHidesChangesUntilTheFade()
{
    Controls::prepareForAnimation(m_swatch);
    AnimationCover *cover = Controls::coverOf(m_swatch);
    QVERIFY(cover);
    QCOMPARE(cover->geometry(), m_swatch->geometry());
    m_swatch->color = Qt::white;
    m_swatch->update();
    QCOMPARE(shown(), qRgb(0, 0, 0));
}

void tst_Animation::fadeBlendsAndEndsOnTheNewPicture()
{
    Controls::prepareForAnimation(m_swatch);
    m_swatch->color = Qt::white;
    Controls::animShowControl(m_swatch, 100, 255, 0);
    QVERIFY(Controls::coverOf(m_swatch));
    m_clock->advance(50);
    QVERIFY(qAbs(qRed(shown()) - 128) <= 2);
    m_clock->advance(50);
    settle();
    QCOMPARE(Controls::coverOf(m_swatch), nullptr);
    QVERIFY(m_window->findChildren<AnimationCover *>().isEmpty());
    QCOMPARE(shown(), qRgb(255, 255, 255));
    QVERIFY(!m_clock->isTicking());
}

void tst_Animation::freezeDuringAFadeKeepsOneCoverAndTheShownPicture()
{
    Controls::prepareForAnimation(m_swatch);
    m_swatch->color = Qt::white;
    Controls::animShowControl(m_swatch, 100, 255, 0);
    m_clock->advance(50);
    const QRgb halfway = shown();

    // A second change arrives mid-fade: frozen at what is on screen, then fades on.
    Controls::prepareForAnimation(m_swatch);
    QCOMPARE(m_window->findChildren<AnimationCover *>().size(), 1);
    m_swatch->color = Qt::black;
    m_swatch->update();
    m_clock->advance(30);
    QCOMPARE(shown(), halfway);
    Controls::animShowControl(m_swatch, 100, 255, 0);
    m_clock->advance(100);
    settle();
    QVERIFY(m_window->findChildren<AnimationCover *>().isEmpty());
    QCOMPARE(shown(), qRgb(0, 0, 0));
}

void tst_Animation::showWithoutFreezeJustShows()
{
    m_swatch->hide();
    Controls::animShowControl(m_swatch, 100, 255, 0);
    QVERIFY(m_swatch->isVisible());
    QCOMPARE(Controls::coverOf(m_swatch), nullptr);
}

QTEST_MAIN(tst_Animation)
#include "tst_animation.moc"
