#pragma once

#include "differential/events.h"

#include <vector>

namespace zanfira::differential {

// Cuts a failing event sequence down while it still fails: pieces of halving size, then
// single events until none can go, then the box holds the failure does without.
std::vector<Event> shrink(const std::vector<Event> &failing);

} // namespace zanfira::differential
