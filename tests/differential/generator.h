#pragma once

#include "differential/events.h"
#include "differential/model.h"

#include <array>
#include <cstdint>
#include <deque>
#include <optional>
#include <random>
#include <vector>

namespace zanfira::differential {

// Click sequences that solve the two solvable layouts.
struct Solutions {
    std::vector<int> facil;
    std::vector<int> medio;
};

// Random player input, steered by the model's state so that it reaches the places
// worth testing: tiles next to the blank, solved boards, the countdown's boundaries.
// The same seed gives the same events.
class EventGenerator {
public:
    EventGenerator(std::uint64_t seed, Solutions solutions);

    Event next(const Model &model);

private:
    enum Kind { click, solution, level, ligado, desligado, embaralhar, about, advance, kindCount };

    std::int64_t uniform(std::int64_t low, std::int64_t high);
    bool chance(int percent);
    void redrawWeights();
    Kind drawKind();
    Event randomEvent(const Model &model, Kind kind);
    std::optional<Event> nextScripted(const Model &model);
    void scriptSolution();
    Event clickNearBlank(const Model &model);
    Event advanceClock(const Model &model);
    std::int64_t boxHold(const Model &model);
    std::int64_t nearNextStage(const Model &model);

    std::mt19937_64 random_;
    Solutions solutions_;
    std::discrete_distribution<int> kinds_;
    int eventsLeftInEpoch_ = 0;
    std::deque<Event> script_;
};

} // namespace zanfira::differential
