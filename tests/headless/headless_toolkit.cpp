#include "headless/headless_toolkit.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace zanfira::headless {
namespace {

// A test that misuses the toolkit fails at once rather than passing by accident.
void require(bool condition, const char *what)
{
    if (!condition) {
        throw std::logic_error(what);
    }
}

// The message is built only on failure: lookups run millions of times in the random tests.
template <typename Map>
const typename Map::mapped_type &lookUp(const Map &map, const std::string &name, const char *kind)
{
    const auto found = map.find(name);
    if (found == map.end()) {
        throw std::logic_error(std::string("no ") + kind + " named " + name);
    }
    return found->second;
}

} // namespace

class HeadlessToolkit::Button : public ui::PushButton {
public:
    Button(std::string caption, ui::Colour background, ui::Handler onClick)
        : caption_(std::move(caption)), background_(background), onClick_(std::move(onClick))
    {
    }
    [[nodiscard]] std::string caption() const override { return caption_; }
    void setCaption(const std::string &caption) override { caption_ = caption; }
    void setBackground(ui::Colour colour) override { background_ = colour; }

    std::string caption_;
    ui::Colour background_;
    ui::Handler onClick_;
};

class HeadlessToolkit::Item : public ui::MenuItem {
public:
    Item(bool checked, ui::Handler onClick) : checked_(checked), onClick_(std::move(onClick)) {}
    [[nodiscard]] bool checked() const override { return checked_; }
    void setChecked(bool checked) override { checked_ = checked; }

    bool checked_;
    ui::Handler onClick_;
};

class HeadlessToolkit::Clock : public ui::Timer {
public:
    Clock(HeadlessToolkit &toolkit, int intervalMs, ui::Handler onTimer)
        : toolkit_(toolkit), intervalMs_(intervalMs), onTimer_(std::move(onTimer))
    {
    }
    void setEnabled(bool enabled) override
    {
        enabled_ = enabled;
        if (enabled) {
            dueMs_ = toolkit_.now_ + intervalMs_;
            sequence_ = ++toolkit_.enablings_;
        }
    }

    HeadlessToolkit &toolkit_;
    int intervalMs_;
    ui::Handler onTimer_;
    bool enabled_ = false;
    std::int64_t dueMs_ = 0;
    std::uint64_t sequence_ = 0;
};

class HeadlessToolkit::Status : public ui::StatusBar {
public:
    explicit Status(std::string text) : text_(std::move(text)) {}
    void setText(const std::string &text) override { text_ = text; }

    std::string text_;
};

HeadlessToolkit::HeadlessToolkit() = default;
HeadlessToolkit::~HeadlessToolkit() = default;

void HeadlessToolkit::createWindow(const ui::WindowDeclaration &window)
{
    windowTitle_ = window.title;
    clientWidth_ = window.clientWidth;
    clientHeight_ = window.clientHeight;
}

void HeadlessToolkit::addLabel(const ui::ControlDeclaration &label)
{
    order_.emplace_back(label.name);
    controls_[std::string(label.name)] = {label.rect, std::string(label.container),
                                          std::string(label.text)};
}

void HeadlessToolkit::addFrame(const ui::ControlDeclaration &frame)
{
    addLabel(frame);
}

ui::PushButton &HeadlessToolkit::addPushButton(const ui::ControlDeclaration &button,
                                               ui::Handler onClick)
{
    addLabel(button);
    auto &slot = buttons_[std::string(button.name)];
    slot =
        std::make_unique<Button>(std::string(button.text), button.background, std::move(onClick));
    return *slot;
}

ui::StatusBar &HeadlessToolkit::addStatusBar(const ui::ControlDeclaration &statusBar)
{
    addLabel(statusBar);
    status_ = std::make_unique<Status>(std::string(statusBar.text));
    return *status_;
}

ui::MenuItem &HeadlessToolkit::addMenuItem(const ui::MenuDeclaration &item, ui::Handler onClick)
{
    order_.emplace_back(item.name);
    menus_[std::string(item.name)] = {std::string(item.parent), std::string(item.caption)};
    auto &slot = items_[std::string(item.name)];
    slot = std::make_unique<Item>(item.checked, std::move(onClick));
    return *slot;
}

ui::Timer &HeadlessToolkit::addTimer(const ui::TimerDeclaration &timer, ui::Handler onTimer)
{
    order_.emplace_back(timer.name);
    auto &slot = timers_[std::string(timer.name)];
    slot = std::make_unique<Clock>(*this, timer.intervalMs, std::move(onTimer));
    return *slot;
}

void HeadlessToolkit::onArrowKey(ui::ArrowHandler handler)
{
    onArrow_ = std::move(handler);
}

void HeadlessToolkit::showWindow()
{
    shown_ = true;
}

void HeadlessToolkit::messageBox(const std::string &text, const std::string &title,
                                 ui::MessageStyle style)
{
    require(!boxOpen_, "a message box opened over another");
    boxes_.push_back({text, title, style, now_});
    boxOpen_ = true;
    if (responder_) {
        responder_(boxes_.back());
    }
    boxOpen_ = false;
}

void HeadlessToolkit::end()
{
    ended_ = true;
}

void HeadlessToolkit::click(const std::string &name)
{
    require(!ended_, "a click after the program ended");
    require(!boxOpen_, "a click while a message box is open");
    if (const auto button = buttons_.find(name); button != buttons_.end()) {
        button->second->onClick_();
        return;
    }
    const auto &item = lookUp(items_, name, "push button or menu item");
    if (item->onClick_) {
        item->onClick_();
    }
}

void HeadlessToolkit::pressArrow(ui::Arrow arrow)
{
    require(!ended_, "a key press after the program ended");
    require(!boxOpen_, "a key press while a message box is open");
    if (onArrow_) {
        onArrow_(arrow);
    }
}

void HeadlessToolkit::advance(std::int64_t ms)
{
    require(ms >= 0, "the clock only moves forward");
    const std::int64_t until = now_ + ms;
    if (boxOpen_) {
        for (auto &[name, timer] : timers_) {
            timer->dueMs_ += ms;
        }
        now_ = until;
        return;
    }
    while (!ended_) {
        Clock *next = nextDueTimer(until);
        if (next == nullptr) {
            break;
        }
        now_ = next->dueMs_;
        next->dueMs_ += next->intervalMs_;
        next->onTimer_();
    }
    // A message box opened by a timer may have let the clock run past `until`.
    now_ = std::max(now_, until);
}

HeadlessToolkit::Clock *HeadlessToolkit::nextDueTimer(std::int64_t until) const
{
    Clock *next = nullptr;
    for (const auto &[name, timer] : timers_) {
        if (timer->enabled_ && timer->dueMs_ <= until &&
            (next == nullptr || timer->dueMs_ < next->dueMs_ ||
             (timer->dueMs_ == next->dueMs_ && timer->sequence_ < next->sequence_))) {
            next = timer.get();
        }
    }
    return next;
}

void HeadlessToolkit::setResponder(Responder responder)
{
    responder_ = std::move(responder);
}

std::string HeadlessToolkit::caption(const std::string &name) const
{
    return lookUp(buttons_, name, "push button")->caption_;
}

ui::Colour HeadlessToolkit::background(const std::string &name) const
{
    return lookUp(buttons_, name, "push button")->background_;
}

bool HeadlessToolkit::checked(const std::string &name) const
{
    return lookUp(items_, name, "menu item")->checked_;
}

bool HeadlessToolkit::timerEnabled(const std::string &name) const
{
    return lookUp(timers_, name, "timer")->enabled_;
}

std::int64_t HeadlessToolkit::timerRemaining(const std::string &name) const
{
    const auto &timer = lookUp(timers_, name, "timer");
    require(timer->enabled_, "only an enabled timer has time left");
    return timer->dueMs_ - now_;
}

int HeadlessToolkit::timerInterval(const std::string &name) const
{
    return lookUp(timers_, name, "timer")->intervalMs_;
}

const std::string &HeadlessToolkit::statusText() const
{
    require(status_ != nullptr, "no status bar");
    return status_->text_;
}

std::string HeadlessToolkit::menuParent(const std::string &name) const
{
    return lookUp(menus_, name, "menu item").parent;
}

std::string HeadlessToolkit::menuCaption(const std::string &name) const
{
    return lookUp(menus_, name, "menu item").caption;
}

ui::TwipRect HeadlessToolkit::rect(const std::string &name) const
{
    return lookUp(controls_, name, "control").rect;
}

std::string HeadlessToolkit::container(const std::string &name) const
{
    return lookUp(controls_, name, "control").container;
}

} // namespace zanfira::headless
