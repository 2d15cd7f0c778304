#include "ui/qt/widgets.h"

#include "ui/qt/colours.h"

#include <QPainter>

#include <utility>

namespace zanfira::ui::qt {

ColouredButton::ColouredButton(QPushButton *button, Colour background)
    : button_(button), background_(background)
{
    applyBackground();
}

std::string ColouredButton::caption() const
{
    return button_->text().toStdString();
}

void ColouredButton::setCaption(const std::string &caption)
{
    button_->setText(QString::fromStdString(caption));
}

// Restyling repolishes the widget, so a write of the colour it already has is skipped.
void ColouredButton::setBackground(Colour colour)
{
    if (colour != background_) {
        background_ = colour;
        applyBackground();
    }
}

void ColouredButton::applyBackground()
{
    button_->setStyleSheet(
        QStringLiteral("QPushButton { background-color: %1; border: 1px solid palette(dark); }"
                       "QPushButton:pressed { border: 2px inset palette(dark); }"
                       "QPushButton:focus { border: 2px solid palette(highlight); }")
            .arg(styleSheetColour(background_)));
}

CheckItem::CheckItem(QAction *action) : action_(action) {}

bool CheckItem::checked() const
{
    return action_->isChecked();
}

void CheckItem::setChecked(bool checked)
{
    action_->setChecked(checked);
}

StatusText::StatusText(QLabel *label) : label_(label) {}

void StatusText::setText(const std::string &text)
{
    label_->setText(QString::fromStdString(text));
}

ClientArea::ClientArea(const QColor &background, QPixmap picture)
    : background_(background), picture_(std::move(picture))
{
}

void ClientArea::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), background_);
    painter.drawPixmap(0, 0, picture_);
}

} // namespace zanfira::ui::qt
