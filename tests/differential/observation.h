#pragma once

#include "differential/cells.h"

#include <array>
#include <cstdint>
#include <string>

namespace zanfira::differential {

using Captions = std::array<std::string, cellCount>;
using Colour = std::uint32_t;

inline constexpr Colour highlightRed = 0x000000FFU;
inline constexpr Colour buttonFace = 0x8000000FU;

// Timer1 … Timer32.
inline constexpr int stageCount = 32;

// Everything a player can see of the game at one moment, plus the virtual clock and the
// countdown's timers, which decide what they will see next.
struct Observation {
    std::int64_t nowMs = 0;
    Captions captions;
    std::array<Colour, cellCount> backgrounds{};
    bool facil = false;
    bool medio = false;
    bool dificil = false;
    bool lig = false;
    bool des = false;
    std::string status;
    std::uint32_t enabledStages = 0;    // bit n-1 set while Timer<n> is enabled
    std::int64_t stageRemainingMs = -1; // of the lowest enabled stage; -1 when none is
    std::uint64_t boxesShown = 0;
    bool boxOpen = false;

    bool operator==(const Observation &) const = default;
};

struct BoxRecord {
    std::string text;
    std::string title;
    int style = 0;
    // The model knows only how the About text begins; the credit after it is free.
    bool textPrefixOnly = false;
    Observation whenOpened;
};

// One line per field that differs; empty when the two agree.
std::string describeDifferences(const Observation &expected, const Observation &actual);
std::string describeDifferences(const BoxRecord &expected, const BoxRecord &actual);

} // namespace zanfira::differential
