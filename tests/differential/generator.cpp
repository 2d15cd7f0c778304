#include "differential/generator.h"

#include <algorithm>
#include <utility>

namespace zanfira::differential {
namespace {

// Click, solution, level, Ligado, Desligado, Embaralhar, About, advance.
constexpr std::array<int, 8> baseWeights{50, 2, 4, 3, 2, 4, 2, 25};
// Every epoch rescales each weight by one of these, so some stretches of a run are all
// puzzle and others leave the countdown alone long enough to reach its end.
constexpr std::array<int, 4> epochFactors{0, 1, 1, 3};
constexpr int epochLength = 1000;
// How often a scripted solution is interrupted by some other input.
constexpr int interjectionPercent = 5;

} // namespace

EventGenerator::EventGenerator(std::uint64_t seed, Solutions solutions)
    : random_(seed), solutions_(std::move(solutions))
{
}

Event EventGenerator::next(const Model &model)
{
    if (eventsLeftInEpoch_-- == 0) {
        redrawWeights();
        eventsLeftInEpoch_ = epochLength - 1;
    }
    if (!script_.empty() && !chance(interjectionPercent)) {
        if (auto scripted = nextScripted(model)) {
            return *scripted;
        }
    }
    const Kind kind = drawKind();
    if (kind == solution && script_.empty()) {
        scriptSolution();
        return *nextScripted(model);
    }
    return randomEvent(model, kind);
}

std::int64_t EventGenerator::uniform(std::int64_t low, std::int64_t high)
{
    return std::uniform_int_distribution<std::int64_t>(low, high)(random_);
}

bool EventGenerator::chance(int percent)
{
    return uniform(0, 99) < percent;
}

void EventGenerator::redrawWeights()
{
    std::array<int, kindCount> weights{};
    for (int kind = 0; kind < kindCount; ++kind) {
        const auto factor = epochFactors.at(uniform(0, epochFactors.size() - 1));
        weights.at(kind) = baseWeights.at(kind) * factor;
    }
    if (std::all_of(weights.begin(), weights.end(), [](int weight) { return weight == 0; })) {
        weights = baseWeights;
    }
    kinds_ = std::discrete_distribution<int>(weights.begin(), weights.end());
}

EventGenerator::Kind EventGenerator::drawKind()
{
    return static_cast<Kind>(kinds_(random_));
}

Event EventGenerator::randomEvent(const Model &model, Kind kind)
{
    switch (kind) {
    case level:
        return {.action = Action::chooseLevel, .level = static_cast<Level>(uniform(0, 2))};
    case ligado:
        return {.action = Action::ligado};
    case desligado:
        return {.action = Action::desligado};
    case embaralhar:
        return {.action = Action::embaralhar};
    case about:
        return {.action = Action::about, .boxHoldMs = boxHold(model)};
    case advance:
        return advanceClock(model);
    case click:
    case solution:
    case kindCount:
        break;
    }
    return clickNearBlank(model);
}

// Nothing when the board has moved away from the script: its clicks no longer solve it.
std::optional<Event> EventGenerator::nextScripted(const Model &model)
{
    Event event = script_.front();
    script_.pop_front();
    if (event.action != Action::click) {
        return event;
    }
    if (!adjacent(event.cell, model.blankCell())) {
        script_.clear();
        return std::nullopt;
    }
    event.boxHoldMs = boxHold(model);
    return event;
}

// Deals a solvable layout, sometimes with the time on, and then solves it.
void EventGenerator::scriptSolution()
{
    const bool medio = chance(50);
    script_.push_back(
        {.action = Action::chooseLevel, .level = medio ? Level::medio : Level::facil});
    script_.push_back({.action = chance(50) ? Action::ligado : Action::embaralhar});
    for (const int cell : medio ? solutions_.medio : solutions_.facil) {
        script_.push_back({.action = Action::click, .cell = static_cast<std::int8_t>(cell)});
    }
}

Event EventGenerator::clickNearBlank(const Model &model)
{
    int cell = static_cast<int>(uniform(0, cellCount - 1));
    if (chance(80)) {
        std::vector<int> besideBlank;
        for (int candidate = 0; candidate < cellCount; ++candidate) {
            if (adjacent(candidate, model.blankCell())) {
                besideBlank.push_back(candidate);
            }
        }
        cell = besideBlank.at(uniform(0, static_cast<std::int64_t>(besideBlank.size()) - 1));
    }
    return {.action = Action::click,
            .cell = static_cast<std::int8_t>(cell),
            .boxHoldMs = boxHold(model)};
}

Event EventGenerator::advanceClock(const Model &model)
{
    Event event{.action = Action::advance, .boxHoldMs = boxHold(model)};
    const std::int64_t draw = uniform(0, 99);
    if (model.msUntilNextStage() && draw < 40) {
        event.ms = nearNextStage(model);
    } else if (draw < 60) {
        event.ms = uniform(0, 2'000);
    } else if (draw < 85) {
        event.ms = uniform(0, 35'000);
    } else {
        event.ms = uniform(0, 130'000);
    }
    return event;
}

std::int64_t EventGenerator::boxHold(const Model &model)
{
    const std::int64_t draw = uniform(0, 99);
    if (draw < 70) {
        return 0;
    }
    if (draw < 85) {
        return uniform(1, 3'000);
    }
    if (draw < 95 || !model.msUntilNextStage()) {
        return uniform(0, 70'000);
    }
    return nearNextStage(model);
}

// On the millisecond the due stage fires, or one either side of it.
std::int64_t EventGenerator::nearNextStage(const Model &model)
{
    return std::max<std::int64_t>(0, *model.msUntilNextStage() + uniform(-1, 1));
}

} // namespace zanfira::differential
