#pragma once

#include "differential/observation.h"

#include <string>

namespace zanfira::differential {

// What must hold after every event whatever happened before; one line per broken rule,
// empty when all hold.
std::string brokenInvariants(const Observation &observation);

} // namespace zanfira::differential
