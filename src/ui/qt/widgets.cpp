#include "ui/qt/widgets.h"

#include "ui/qt/colours.h"

#include <QAccessible>
#include <QPainter>

#include <utility>

namespace zanfira::ui::qt {

ColouredButton::ColouredButton(QPushButton *button, Colour background, QString blankName)
    : button_(button), background_(background), blankName_(std::move(blankName))
{
    applyBackground();
    nameForScreenReaders(button_->text());
}

std::string ColouredButton::caption() const
{
    return button_->text().toStdString();
}

// The name goes first, so that a screen reader told of the new text reads the new name.
void ColouredButton::setCaption(const std::string &caption)
{
    const QString text = QString::fromStdString(caption);
    nameForScreenReaders(text);
    button_->setText(text);
}

void ColouredButton::nameForScreenReaders(const QString &caption)
{
    const QString name = caption.isEmpty() ? blankName_ : caption;
    if (button_->accessibleName() != name) {
        button_->setAccessibleName(name);
    }
}

// Restyling repolishes the widget, so a write of the colour it already has is skipped.
void ColouredButton::setBackground(Colour colour)
{
    if (colour != background_) {
        background_ = colour;
        applyBackground();
    }
}

void ColouredButton::styleButtonsIn(QWidget *area)
{
    area->setStyleSheet(
        QStringLiteral("QPushButton { background-color: %1; border: 1px solid palette(dark); }"
                       "QPushButton:pressed { border: 2px inset palette(dark); }"
                       "QPushButton:focus { border: 2px solid palette(highlight); }")
            .arg(styleSheetColour(buttonFaceColour)));
}

void ColouredButton::applyBackground()
{
    if (background_ != buttonFaceColour) {
        button_->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; }")
                                   .arg(styleSheetColour(background_)));
    } else if (!button_->styleSheet().isEmpty()) {
        button_->setStyleSheet(QString());
    }
}

CheckItem::CheckItem(QAction *action) : action_(action) {}

bool CheckItem::checked() const
{
    return action_->isChecked();
}

// Qt tells screen readers when a check box changes, but not when a menu item does.
void CheckItem::setChecked(bool checked)
{
    if (action_->isChecked() == checked) {
        return;
    }
    action_->setChecked(checked);
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(action_, changed);
    QAccessible::updateAccessibility(&event);
}

StatusText::StatusText(QLabel *label) : label_(label) {}

void StatusText::setText(const std::string &text)
{
    label_->setText(QString::fromStdString(text));
}

ClientArea::ClientArea(const QColor &background) : background_(background) {}

void ClientArea::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), background_);
    painter.drawPixmap(0, 0, picture_.forRatio(devicePixelRatioF()));
}

} // namespace zanfira::ui::qt
