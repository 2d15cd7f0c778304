// Times the countdown on the real Qt timers and the real window: from choosing Ligado to
// the last stage's timer event, and to the loss box on screen, each against the 60.5 s
// that the thirty-two stages add up to. Prints both errors in milliseconds.
#include "ui/main_window.h"
#include "ui/qt/qt_toolkit.h"

#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <optional>

namespace {

using Clock = std::chrono::steady_clock;
constexpr std::chrono::milliseconds countdownLength{60'500};

// Stamps the moment the first message box shows, and the timer event whose handler
// opened it (a box opens inside the handler, so no other timer event comes between);
// then closes the box and ends the run.
class FirstBoxWatch : public QObject {
public:
    [[nodiscard]] std::optional<Clock::time_point> shownAt() const { return shownAt_; }
    [[nodiscard]] Clock::time_point openingTimerAt() const { return openingTimerAt_; }
    [[nodiscard]] QString title() const { return title_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Timer && !shownAt_) {
            lastTimerEventAt_ = Clock::now();
        }
        auto *box = qobject_cast<QMessageBox *>(watched);
        if (box != nullptr && event->type() == QEvent::Show && !shownAt_) {
            shownAt_ = Clock::now();
            openingTimerAt_ = lastTimerEventAt_;
            title_ = box->windowTitle();
            QTimer::singleShot(0, box, [box] {
                box->accept();
                QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    std::optional<Clock::time_point> shownAt_;
    Clock::time_point lastTimerEventAt_;
    Clock::time_point openingTimerAt_;
    QString title_;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    zanfira::ui::qt::QtToolkit toolkit;
    zanfira::ui::Form1 form1(toolkit);
    form1.show();
    auto *ligado = toolkit.window()->findChild<QAction *>(QStringLiteral("lig"));
    FirstBoxWatch watch;
    QApplication::instance()->installEventFilter(&watch);

    Clock::time_point chosenAt;
    QTimer::singleShot(0, [&] {
        chosenAt = Clock::now();
        ligado->trigger();
    });
    QApplication::exec();

    if (!watch.shownAt() || watch.title() != QStringLiteral("Você Perdeu !!")) {
        std::fprintf(stderr, "countdown_accuracy: the first box was not the loss box\n");
        return 1;
    }
    const auto errorOf = [&](Clock::time_point moment) {
        return std::chrono::duration<double, std::milli>(moment - chosenAt - countdownLength)
            .count();
    };
    std::printf("stage32_error_ms=%+.3f box_error_ms=%+.3f\n", errorOf(watch.openingTimerAt()),
                errorOf(*watch.shownAt()));
    return 0;
}
