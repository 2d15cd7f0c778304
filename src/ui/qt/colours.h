#pragma once

#include "ui/toolkit.h"

#include <QColor>
#include <QString>

namespace zanfira::ui::qt {

// The desktop has no colour of its own under Qt: use the classic teal.
inline const QColor fixedDesktopColour{0, 128, 128};

// The colour a value stands for now, system colours taken from the live palette.
QColor resolveColour(Colour colour);

// The same colour for a style sheet; system colours stay live there as palette(role).
QString styleSheetColour(Colour colour);

} // namespace zanfira::ui::qt
