#pragma once

#include "ui/toolkit.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace zanfira::headless {

struct MessageBoxRecord {
    std::string text;
    std::string title;
    ui::MessageStyle style;
    std::int64_t openedAtMs;
};

// An in-memory toolkit for tests: widgets are plain records, time is a virtual clock
// that only moves when the test advances it, and every message box is recorded and
// handed to a responder (which may advance the clock while the box is open) before
// it is dismissed.
class HeadlessToolkit : public ui::Toolkit {
public:
    using Responder = std::function<void(const MessageBoxRecord &)>;

    HeadlessToolkit();
    ~HeadlessToolkit() override;
    HeadlessToolkit(const HeadlessToolkit &) = delete;
    HeadlessToolkit &operator=(const HeadlessToolkit &) = delete;
    HeadlessToolkit(HeadlessToolkit &&) = delete;
    HeadlessToolkit &operator=(HeadlessToolkit &&) = delete;

    void createWindow(const ui::WindowDeclaration &window) override;
    void addLabel(const ui::ControlDeclaration &label) override;
    void addFrame(const ui::ControlDeclaration &frame) override;
    ui::PushButton &addPushButton(const ui::ControlDeclaration &button,
                                  ui::Handler onClick) override;
    ui::StatusBar &addStatusBar(const ui::ControlDeclaration &statusBar) override;
    ui::MenuItem &addMenuItem(const ui::MenuDeclaration &item, ui::Handler onClick) override;
    ui::Timer &addTimer(const ui::TimerDeclaration &timer, ui::Handler onTimer) override;
    void onArrowKey(ui::ArrowHandler handler) override;
    void showWindow() override;
    void messageBox(const std::string &text, const std::string &title,
                    ui::MessageStyle style) override;
    void end() override;

    // Player input: a click on a push button or a menu item, by name.
    void click(const std::string &name);
    // Player input: an arrow key pressed in the window.
    void pressArrow(ui::Arrow arrow);
    // Moves the virtual clock; due timers fire in time order, each at its own millisecond.
    // While a message box is open the clock moves but enabled timers are held.
    void advance(std::int64_t ms);
    void setResponder(Responder responder);

    [[nodiscard]] std::int64_t now() const { return now_; }
    [[nodiscard]] std::string caption(const std::string &name) const;
    [[nodiscard]] ui::Colour background(const std::string &name) const;
    [[nodiscard]] bool checked(const std::string &name) const;
    [[nodiscard]] bool timerEnabled(const std::string &name) const;
    // Milliseconds until the timer fires; only for an enabled timer.
    [[nodiscard]] std::int64_t timerRemaining(const std::string &name) const;
    [[nodiscard]] int timerInterval(const std::string &name) const;
    [[nodiscard]] const std::string &statusText() const;
    [[nodiscard]] const std::vector<MessageBoxRecord> &messageBoxes() const { return boxes_; }
    [[nodiscard]] bool messageBoxOpen() const { return boxOpen_; }
    [[nodiscard]] bool windowShown() const { return shown_; }
    [[nodiscard]] bool ended() const { return ended_; }
    // Names of the controls, menu items and timers in the order they were declared.
    [[nodiscard]] const std::vector<std::string> &declarationOrder() const { return order_; }
    [[nodiscard]] std::string menuParent(const std::string &name) const;
    [[nodiscard]] std::string menuCaption(const std::string &name) const;
    [[nodiscard]] ui::TwipRect rect(const std::string &name) const;
    [[nodiscard]] std::string container(const std::string &name) const;
    [[nodiscard]] const std::string &windowTitle() const { return windowTitle_; }
    [[nodiscard]] int clientWidth() const { return clientWidth_; }
    [[nodiscard]] int clientHeight() const { return clientHeight_; }

    class Button;
    class Item;
    class Clock;
    class Status;

private:
    struct Control {
        ui::TwipRect rect{};
        std::string container;
        std::string text;
    };
    struct Menu {
        std::string parent;
        std::string caption;
    };

    [[nodiscard]] Clock *nextDueTimer(std::int64_t until) const;

    std::int64_t now_ = 0;
    bool boxOpen_ = false;
    bool shown_ = false;
    bool ended_ = false;
    std::string windowTitle_;
    int clientWidth_ = 0;
    int clientHeight_ = 0;
    std::uint64_t enablings_ = 0;
    Responder responder_;
    ui::ArrowHandler onArrow_;
    std::vector<MessageBoxRecord> boxes_;
    std::vector<std::string> order_;
    std::map<std::string, Control> controls_;
    std::map<std::string, Menu> menus_;
    std::map<std::string, std::unique_ptr<Button>> buttons_;
    std::map<std::string, std::unique_ptr<Item>> items_;
    std::map<std::string, std::unique_ptr<Clock>> timers_;
    std::unique_ptr<Status> status_;
};

} // namespace zanfira::headless
