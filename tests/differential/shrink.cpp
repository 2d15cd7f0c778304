#include "differential/shrink.h"

#include "differential/lockstep.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <utility>

namespace zanfira::differential {
namespace {

// Replays are counted in events, so that a failure deep into a long run still shrinks in
// bounded time; whatever is left when it runs out is reported as it stands.
constexpr std::uint64_t replayBudget = 40'000'000;

class Shrinker {
public:
    explicit Shrinker(std::vector<Event> failing) : events_(std::move(failing)) {}

    std::vector<Event> run()
    {
        for (std::size_t piece = events_.size() / 2; piece >= 1; piece /= 2) {
            removePieces(piece);
        }
        while (removePieces(1)) {
        }
        dropBoxHolds();
        return events_;
    }

private:
    bool removePieces(std::size_t piece)
    {
        bool removed = false;
        for (std::size_t start = 0; start < events_.size() && replayed_ < replayBudget;) {
            std::vector<Event> candidate = events_;
            const auto first = candidate.begin() + static_cast<std::ptrdiff_t>(start);
            candidate.erase(first, first + static_cast<std::ptrdiff_t>(
                                               std::min(piece, events_.size() - start)));
            if (keepIfFailing(std::move(candidate))) {
                removed = true;
            } else {
                start += piece;
            }
        }
        return removed;
    }

    void dropBoxHolds()
    {
        for (std::size_t index = 0; index < events_.size(); ++index) {
            if (events_.at(index).boxHoldMs != 0 && replayed_ < replayBudget) {
                std::vector<Event> candidate = events_;
                candidate.at(index).boxHoldMs = 0;
                keepIfFailing(std::move(candidate));
            }
        }
    }

    // Events after the failure cannot matter to it, so they go as well.
    bool keepIfFailing(std::vector<Event> candidate)
    {
        replayed_ += candidate.size();
        const auto failure = replay(candidate);
        if (!failure) {
            return false;
        }
        candidate.resize(failure->eventIndex + 1);
        events_ = std::move(candidate);
        return true;
    }

    std::vector<Event> events_;
    std::uint64_t replayed_ = 0;
};

} // namespace

std::vector<Event> shrink(const std::vector<Event> &failing)
{
    return Shrinker(failing).run();
}

} // namespace zanfira::differential
