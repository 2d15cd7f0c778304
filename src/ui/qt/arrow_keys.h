#pragma once

#include "ui/toolkit.h"

#include <QObject>
#include <QWidget>

#include <optional>

namespace zanfira::ui::qt {

// Takes the arrow keys pressed anywhere in one window before its controls see them: a
// push button would otherwise move the focus with them. The menu bar, open menus and
// message boxes keep their own arrow keys.
class ArrowKeys : public QObject {
public:
    ArrowKeys(QWidget *window, ArrowHandler onArrow);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    [[nodiscard]] std::optional<Arrow> arrowFor(QObject *watched, QEvent *event) const;

    QWidget *window_;
    ArrowHandler onArrow_;
};

} // namespace zanfira::ui::qt
