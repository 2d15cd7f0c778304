#pragma once

#include "puzzle/board.h"
#include "ui/main_window.h"
#include "ui/qt/qt_toolkit.h"

#include <QAction>
#include <QMainWindow>
#include <QPushButton>
#include <QString>

#include <array>
#include <stdexcept>
#include <string>

namespace zanfira::qttest {

using Captions = std::array<std::string, puzzle::cellCount>;

// The real window as the player gets it: Form1 declared on the Qt toolkit and shown.
// Controls are found by the names the window declares them with.
class RunningForm {
public:
    RunningForm();

    [[nodiscard]] QMainWindow &window() const;
    [[nodiscard]] QPushButton &cell(int index) const;
    [[nodiscard]] QAction &action(const QString &name) const;
    [[nodiscard]] Captions captions() const;
    // A real mouse click at the centre of the cell.
    void click(int index) const;

    template <typename Widget> [[nodiscard]] Widget &find(const QString &name) const
    {
        auto *found = window().findChild<Widget *>(name);
        if (found == nullptr) {
            throw std::logic_error("the window has no control named " + name.toStdString());
        }
        return *found;
    }

private:
    ui::qt::QtToolkit toolkit_;
    ui::Form1 form_;
};

} // namespace zanfira::qttest
