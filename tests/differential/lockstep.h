#pragma once

#include "differential/events.h"
#include "differential/model.h"
#include "differential/real_game.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zanfira::differential {

// How far a run reached: the boxes it saw, by kind.
struct Tally {
    std::uint64_t wins = 0;
    std::uint64_t losses = 0;
    std::uint64_t abouts = 0;
};

// The model and the real game side by side, each event played on both.
class Lockstep {
public:
    // What went wrong: invariants the real game broke and where the two sides part.
    // Nothing when they agree.
    std::optional<std::string> step(const Event &event);

    [[nodiscard]] const Model &model() const { return model_; }
    [[nodiscard]] const Tally &tally() const { return tally_; }

private:
    std::string compareBoxes();
    void count(const BoxRecord &box);

    Model model_;
    RealGame real_;
    Tally tally_;
};

struct Failure {
    std::size_t eventIndex;
    std::string report;
};

// Plays the events on a fresh pair; the first failure, if any.
std::optional<Failure> replay(const std::vector<Event> &events);

} // namespace zanfira::differential
