#include "ui/qt/colours.h"

#include <QGuiApplication>
#include <QPalette>

namespace zanfira::ui::qt {

QColor resolveColour(Colour colour)
{
    if (!isSystemColour(colour)) {
        return {redOf(colour), greenOf(colour), blueOf(colour)};
    }
    if (colour == buttonFaceColour) {
        return QGuiApplication::palette().color(QPalette::Button);
    }
    // The desktop is the only other system colour the game uses.
    return fixedDesktopColour;
}

QString styleSheetColour(Colour colour)
{
    if (colour == buttonFaceColour) {
        return QStringLiteral("palette(button)");
    }
    return resolveColour(colour).name();
}

} // namespace zanfira::ui::qt
