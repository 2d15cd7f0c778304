#pragma once

#include "ui/toolkit.h"

#include <QTimer>

#include <chrono>
#include <memory>
#include <optional>
#include <vector>

namespace zanfira::ui::qt {

class StageTimer;

// All the window's timers. A timer enabled from inside another timer's handler counts
// its interval from the moment that event was due, not from when it ran, so a chain of
// hand-overs does not gather the event loop's small delays.
class Timers {
public:
    using Clock = std::chrono::steady_clock;

    // onFirstStart runs once, when a timer is first enabled.
    explicit Timers(Handler onFirstStart);

    StageTimer &add(int intervalMs, Handler onTimer);
    // While a message box is open no timer fires; each resumes with the time it had left.
    void holdAll();
    void resumeAll();
    void stopAll();

    // The moment an interval starts from when a timer is enabled now.
    [[nodiscard]] Clock::time_point startOfInterval() const;
    void runAsIfAt(Clock::time_point due, const Handler &handler);
    void noteStart();

private:
    Handler onFirstStart_;
    std::vector<std::unique_ptr<StageTimer>> timers_;
    std::optional<Clock::time_point> dispatchedDue_;
};

class StageTimer : public Timer {
public:
    StageTimer(Timers &timers, int intervalMs, Handler onTimer);

    void setEnabled(bool enabled) override;
    [[nodiscard]] bool enabled() const { return enabled_; }
    void hold();
    void resume();

private:
    void armFor(Timers::Clock::time_point due);
    void fire();

    Timers &timers_;
    std::chrono::milliseconds interval_;
    Handler onTimer_;
    QTimer timer_;
    bool enabled_ = false;
    bool held_ = false;
    Timers::Clock::time_point due_;
    Timers::Clock::duration heldRemaining_{};
};

} // namespace zanfira::ui::qt
