#include "support/message_box_answerer.h"
#include "ui/qt/qt_toolkit.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <chrono>
#include <numeric>
#include <string>
#include <vector>

using namespace std::chrono_literals;
using zanfira::qttest::MessageBoxAnswerer;
using zanfira::ui::MessageStyle;
using zanfira::ui::Timer;
using zanfira::ui::qt::QtToolkit;
using Clock = std::chrono::steady_clock;

namespace {

// This machine may be busy with other builds: events arrive late, never early.
constexpr auto lateness = 150ms;
// The moment between resuming the timers and the box's call returning.
constexpr auto resumeToReturn = 30ms;
constexpr int waitLimitMs = 5000;

QByteArray inMs(Clock::duration duration)
{
    return QByteArray::number(std::chrono::duration<double, std::milli>(duration).count()) + " ms";
}

} // namespace

// The Qt toolkit's timers on a real clock, with short intervals.
class TimersTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void boxHoldsATimerThatResumesWithTheTimeItHadLeft();
    void handOversFromHandlersKeepToTheirSchedule();
    void enablingAnEnabledTimerRestartsItsInterval();
};

void TimersTest::initTestCase()
{
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
}

void TimersTest::cleanup()
{
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

void TimersTest::boxHoldsATimerThatResumesWithTheTimeItHadLeft()
{
    // The box covers the moment the timer was due; a timer that restarted its whole
    // interval, or forgot it, would fire far from the time it had left.
    constexpr auto interval = 400ms;
    constexpr auto boxOpensAfter = 250ms;
    constexpr auto boxStaysOpen = 250ms;
    QtToolkit toolkit;
    Timer *timer = nullptr;
    std::vector<Clock::time_point> firings;
    bool boxOpenAtFiring = false;
    timer = &toolkit.addTimer({"held", static_cast<int>(interval.count())}, [&] {
        firings.push_back(Clock::now());
        boxOpenAtFiring = boxOpenAtFiring || QApplication::activeModalWidget() != nullptr;
        timer->setEnabled(false);
    });
    const MessageBoxAnswerer answerer(boxStaysOpen);
    Clock::time_point boxOpened;
    Clock::time_point boxClosed;
    const QObject lambdasScope; // no late call into this test's locals
    QTimer::singleShot(boxOpensAfter, &lambdasScope, [&] {
        boxOpened = Clock::now();
        toolkit.messageBox("held", "held", MessageStyle::plain);
        boxClosed = Clock::now();
    });

    const Clock::time_point enabled = Clock::now();
    timer->setEnabled(true);
    QTRY_VERIFY_WITH_TIMEOUT(!firings.empty(), waitLimitMs);

    QVERIFY2(boxOpened < enabled + interval && boxClosed > enabled + interval,
             "the box was not open when the timer was due");
    QCOMPARE(answerer.seen().size(), std::size_t{1});
    QVERIFY(!boxOpenAtFiring);
    // The timer is held somewhere between the call and the box being seen on screen.
    const auto mostLeft = interval - (boxOpened - enabled);
    const auto leastLeft = interval - (answerer.seen().front().seenAt - enabled);
    const auto waitedAfterBox = firings.front() - boxClosed;
    const QByteArray figures = "left " + inMs(leastLeft) + " to " + inMs(mostLeft) + ", fired " +
                               inMs(waitedAfterBox) + " after the box";
    QVERIFY2(waitedAfterBox > leastLeft - resumeToReturn, figures.constData());
    QVERIFY2(waitedAfterBox < mostLeft + lateness, figures.constData());
}

void TimersTest::handOversFromHandlersKeepToTheirSchedule()
{
    constexpr int stages = 10;
    constexpr auto interval = 20ms;
    QtToolkit toolkit;
    std::vector<Timer *> chain;
    std::vector<int> fired;
    Clock::time_point lastFired;
    for (int stage = 0; stage < stages; ++stage) {
        chain.push_back(&toolkit.addTimer(
            {"stage" + std::to_string(stage), static_cast<int>(interval.count())}, [&, stage] {
                fired.push_back(stage);
                chain.at(stage)->setEnabled(false);
                if (stage + 1 < stages) {
                    chain.at(stage + 1)->setEnabled(true);
                } else {
                    lastFired = Clock::now();
                }
            }));
    }

    const Clock::time_point started = Clock::now();
    chain.front()->setEnabled(true);
    QTRY_COMPARE_WITH_TIMEOUT(fired.size(), std::size_t{stages}, waitLimitMs);

    std::vector<int> inOrder(stages);
    std::iota(inOrder.begin(), inOrder.end(), 0);
    QVERIFY(fired == inOrder);
    const auto elapsed = lastFired - started;
    QVERIFY2(elapsed >= stages * interval, inMs(elapsed).constData());
    QVERIFY2(elapsed < stages * interval + lateness, inMs(elapsed).constData());
}

void TimersTest::enablingAnEnabledTimerRestartsItsInterval()
{
    constexpr auto interval = 200ms;
    constexpr auto enabledAgainAfter = 120ms;
    QtToolkit toolkit;
    Timer *timer = nullptr;
    std::vector<Clock::time_point> firings;
    timer = &toolkit.addTimer({"restarted", static_cast<int>(interval.count())}, [&] {
        firings.push_back(Clock::now());
        timer->setEnabled(false);
    });
    Clock::time_point enabledAgain;
    const QObject lambdasScope; // no late call into this test's locals
    QTimer::singleShot(enabledAgainAfter, &lambdasScope, [&] {
        enabledAgain = Clock::now();
        timer->setEnabled(true);
    });

    timer->setEnabled(true);
    QTRY_VERIFY_WITH_TIMEOUT(!firings.empty(), waitLimitMs);

    const auto waited = firings.front() - enabledAgain;
    QVERIFY2(waited >= interval, inMs(waited).constData());
    QVERIFY2(waited < interval + lateness, inMs(waited).constData());
}

QTEST_MAIN(TimersTest)
#include "timers_test.moc"
