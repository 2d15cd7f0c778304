#pragma once

#include "running_form.h"

#include <vector>

namespace zanfira::qttest {

// The cells to click, in order, that bring a solvable board to 01 … 15 with the blank last.
// A weighted A* on the Manhattan distance: not the shortest solution, but found in
// milliseconds where an optimal search can take minutes.
std::vector<int> solvingClicks(const Captions &board);

// The board after a click on a cell beside the blank.
Captions slide(Captions board, int clicked);

} // namespace zanfira::qttest
