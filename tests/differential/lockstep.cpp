#include "differential/lockstep.h"

#include "differential/invariants.h"

#include <algorithm>
#include <exception>

namespace zanfira::differential {

std::optional<std::string> Lockstep::step(const Event &event)
{
    apply(model_, event);
    try {
        apply(real_, event);
    } catch (const std::exception &error) {
        return "  the real game failed: " + std::string(error.what()) + '\n';
    }
    const Observation real = real_.observe();
    const std::string report =
        brokenInvariants(real) + describeDifferences(model_.observe(), real) + compareBoxes();
    if (report.empty()) {
        return std::nullopt;
    }
    return report;
}

std::string Lockstep::compareBoxes()
{
    const std::vector<BoxRecord> expected = model_.takeBoxes();
    const std::vector<BoxRecord> actual = real_.takeBoxes();
    std::string report;
    for (std::size_t index = 0; index < std::min(expected.size(), actual.size()); ++index) {
        report += describeDifferences(expected.at(index), actual.at(index));
    }
    std::for_each(expected.begin(), expected.end(), [this](const BoxRecord &box) { count(box); });
    return report;
}

void Lockstep::count(const BoxRecord &box)
{
    if (box.title == "Parabens !!!") {
        ++tally_.wins;
    } else if (box.title == "Você Perdeu !!") {
        ++tally_.losses;
    } else {
        ++tally_.abouts;
    }
}

std::optional<Failure> replay(const std::vector<Event> &events)
{
    Lockstep lockstep;
    for (std::size_t index = 0; index < events.size(); ++index) {
        if (auto report = lockstep.step(events.at(index))) {
            return Failure{index, *report};
        }
    }
    return std::nullopt;
}

} // namespace zanfira::differential
