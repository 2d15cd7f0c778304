#include "ui/qt/timers.h"

#include <utility>

namespace zanfira::ui::qt {

Timers::Timers(Handler onFirstStart) : onFirstStart_(std::move(onFirstStart)) {}

StageTimer &Timers::add(int intervalMs, Handler onTimer)
{
    timers_.push_back(std::make_unique<StageTimer>(*this, intervalMs, std::move(onTimer)));
    return *timers_.back();
}

void Timers::holdAll()
{
    // Whatever runs after the box has waited for the player, not for the timer.
    dispatchedDue_.reset();
    for (const auto &timer : timers_) {
        timer->hold();
    }
}

void Timers::resumeAll()
{
    for (const auto &timer : timers_) {
        timer->resume();
    }
}

void Timers::stopAll()
{
    for (const auto &timer : timers_) {
        timer->setEnabled(false);
    }
}

Timers::Clock::time_point Timers::startOfInterval() const
{
    return dispatchedDue_.value_or(Clock::now());
}

void Timers::noteStart()
{
    if (onFirstStart_) {
        std::exchange(onFirstStart_, {})();
    }
}

void Timers::runAsIfAt(Clock::time_point due, const Handler &handler)
{
    dispatchedDue_ = due;
    handler();
    dispatchedDue_.reset();
}

StageTimer::StageTimer(Timers &timers, int intervalMs, Handler onTimer)
    : timers_(timers), interval_(intervalMs), onTimer_(std::move(onTimer))
{
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] { fire(); });
}

void StageTimer::setEnabled(bool enabled)
{
    enabled_ = enabled;
    held_ = false;
    if (enabled) {
        timers_.noteStart();
        armFor(timers_.startOfInterval() + interval_);
    } else {
        timer_.stop();
    }
}

void StageTimer::hold()
{
    if (enabled_ && timer_.isActive()) {
        heldRemaining_ = due_ - Timers::Clock::now();
        timer_.stop();
        held_ = true;
    }
}

void StageTimer::resume()
{
    if (held_) {
        held_ = false;
        if (enabled_) {
            armFor(Timers::Clock::now() + heldRemaining_);
        }
    }
}

void StageTimer::armFor(Timers::Clock::time_point due)
{
    due_ = due;
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(due - Timers::Clock::now());
    timer_.start(std::max(wait, std::chrono::milliseconds::zero()));
}

void StageTimer::fire()
{
    const auto firedDue = due_;
    timers_.runAsIfAt(firedDue, onTimer_);
    // A timer left enabled by its handler fires again one interval later.
    if (enabled_ && due_ == firedDue) {
        armFor(firedDue + interval_);
    }
}

} // namespace zanfira::ui::qt
