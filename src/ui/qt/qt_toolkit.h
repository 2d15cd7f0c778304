#pragma once

#include "ui/qt/arrow_keys.h"
#include "ui/qt/timers.h"
#include "ui/toolkit.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace zanfira::ui::qt {

// The toolkit on Qt 6 Widgets: the only code of the game that knows Qt.
class QtToolkit : public Toolkit {
public:
    QtToolkit();
    ~QtToolkit() override;
    QtToolkit(const QtToolkit &) = delete;
    QtToolkit &operator=(const QtToolkit &) = delete;
    QtToolkit(QtToolkit &&) = delete;
    QtToolkit &operator=(QtToolkit &&) = delete;

    void createWindow(const WindowDeclaration &window) override;
    void addLabel(const ControlDeclaration &label) override;
    void addFrame(const ControlDeclaration &frame) override;
    PushButton &addPushButton(const ControlDeclaration &button, Handler onClick) override;
    StatusBar &addStatusBar(const ControlDeclaration &statusBar) override;
    MenuItem &addMenuItem(const MenuDeclaration &item, Handler onClick) override;
    Timer &addTimer(const TimerDeclaration &timer, Handler onTimer) override;
    void onArrowKey(ArrowHandler handler) override;
    void showWindow() override;
    void messageBox(const std::string &text, const std::string &title, MessageStyle style) override;
    void end() override;

    [[nodiscard]] QMainWindow *window() const { return window_.get(); }

private:
    [[nodiscard]] QWidget *containerOf(const ControlDeclaration &control) const;
    QMenu *submenuOf(const std::string &name);
    // Items beside a checked item are check items too.
    void makeCheckGroup(const std::string &parent);
    void deliver(const Handler &handler) const;
    void prepareMessageBoxes() const;

    std::unique_ptr<QMainWindow> window_;
    QWidget *client_ = nullptr;
    std::map<std::string, QWidget *, std::less<>> containers_;
    std::map<std::string, QAction *, std::less<>> actions_;
    std::set<std::string, std::less<>> checkGroups_;
    std::vector<QWidget *> focusChain_;
    std::vector<std::unique_ptr<PushButton>> buttons_;
    std::vector<std::unique_ptr<MenuItem>> items_;
    std::unique_ptr<StatusBar> status_;
    Timers timers_;
    std::unique_ptr<ArrowKeys> arrowKeys_;
    bool ended_ = false;
};

} // namespace zanfira::ui::qt
