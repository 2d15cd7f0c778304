#pragma once

#include "ui/qt/background_picture.h"
#include "ui/toolkit.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

namespace zanfira::ui::qt {

// A push button that paints exactly the background colour it is given: a style sheet
// with a border, because the platform styles draw their own gradients over a palette.
// The border and the button face come from one style sheet on the buttons' area, parsed
// once for all of them; a button of another colour adds a sheet with its background.
// With an empty caption, screen readers call it by its blank name.
class ColouredButton : public PushButton {
public:
    // Gives every button inside `area` the border and, unless it has its own, the face.
    static void styleButtonsIn(QWidget *area);

    ColouredButton(QPushButton *button, Colour background, QString blankName);

    [[nodiscard]] std::string caption() const override;
    void setCaption(const std::string &caption) override;
    void setBackground(Colour colour) override;

private:
    void applyBackground();
    void nameForScreenReaders(const QString &caption);

    QPushButton *button_;
    Colour background_;
    QString blankName_;
};

// A menu item whose check mark belongs to the game: a click never toggles it by itself.
class CheckItem : public MenuItem {
public:
    explicit CheckItem(QAction *action);

    [[nodiscard]] bool checked() const override;
    void setChecked(bool checked) override;

private:
    QAction *action_;
};

// The status text lives in a label: a temporary status message would be blanked by
// every menu item the pointer passes over.
class StatusText : public StatusBar {
public:
    explicit StatusText(QLabel *label);

    void setText(const std::string &text) override;

private:
    QLabel *label_;
};

// The window's client area: the background colour with the picture at its top-left
// corner, at the picture's own size and clipped by the window.
class ClientArea : public QWidget {
public:
    explicit ClientArea(const QColor &background);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor background_;
    BackgroundPicture picture_;
};

} // namespace zanfira::ui::qt
