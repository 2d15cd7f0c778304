#pragma once

#include "differential/observation.h"

#include <vector>

namespace zanfira::differential {

// A short (not always the shortest) sequence of cell clicks that takes the board to 01 … 15 with
// the blank last; empty when the board is already solved. The board must be solvable.
std::vector<int> solve(const Captions &board);

} // namespace zanfira::differential
