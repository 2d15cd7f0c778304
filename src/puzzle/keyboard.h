#pragma once

#include "puzzle/board.h"
#include "ui/toolkit.h"

#include <optional>

namespace zanfira::puzzle {

// The cell whose tile an arrow key slides into the blank. The arrow names the way the
// tile moves, so Left takes the tile on the blank's right. None when the blank sits at
// the edge the tile would have to come from.
std::optional<Cell> tileSlidingInto(Cell blankCell, ui::Arrow arrow);

} // namespace zanfira::puzzle
