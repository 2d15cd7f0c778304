#include "ui/qt/arrow_keys.h"

#include <QKeyEvent>
#include <QMenuBar>

#include <utility>

namespace zanfira::ui::qt {
namespace {

std::optional<Arrow> arrowOf(int key)
{
    switch (key) {
    case Qt::Key_Left:
        return Arrow::left;
    case Qt::Key_Right:
        return Arrow::right;
    case Qt::Key_Up:
        return Arrow::up;
    case Qt::Key_Down:
        return Arrow::down;
    default:
        return std::nullopt;
    }
}

} // namespace

ArrowKeys::ArrowKeys(QWidget *window, ArrowHandler onArrow)
    : window_(window), onArrow_(std::move(onArrow))
{
}

bool ArrowKeys::eventFilter(QObject *watched, QEvent *event)
{
    const std::optional<Arrow> arrow = arrowFor(watched, event);
    if (!arrow) {
        return false;
    }
    onArrow_(*arrow);
    return true;
}

std::optional<Arrow> ArrowKeys::arrowFor(QObject *watched, QEvent *event) const
{
    if (event->type() != QEvent::KeyPress) {
        return std::nullopt;
    }
    const auto *widget = qobject_cast<QWidget *>(watched);
    if (widget == nullptr || widget->window() != window_ ||
        qobject_cast<const QMenuBar *>(widget) != nullptr) {
        return std::nullopt;
    }
    return arrowOf(static_cast<QKeyEvent *>(event)->key());
}

} // namespace zanfira::ui::qt
