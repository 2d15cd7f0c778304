#include "differential/solver.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <limits>
#include <string>

namespace zanfira::differential {
namespace {

constexpr int found = -1;
// Counting the distance twice trades a few extra moves for milliseconds instead of seconds.
constexpr int heuristicWeight = 2;

// IDA* over blank moves, guided by the sum of the tiles' Manhattan distances.
class IdaStar {
public:
    explicit IdaStar(const Captions &board)
    {
        for (int cell = 0; cell < cellCount; ++cell) {
            const std::string &caption = board.at(cell);
            tiles_.at(cell) = caption.empty() ? 0 : std::stoi(caption);
            if (caption.empty()) {
                blank_ = cell;
            }
        }
    }

    std::vector<int> run()
    {
        heuristic_ = estimate();
        int bound = heuristicWeight * heuristic_;
        while (bound != found) {
            bound = search(0, bound, -1);
        }
        return clicks_;
    }

private:
    [[nodiscard]] static int distance(int tile, int cell)
    {
        const int home = tile - 1;
        return std::abs(home / sideLength - cell / sideLength) +
               std::abs(home % sideLength - cell % sideLength);
    }

    [[nodiscard]] int estimate() const
    {
        int sum = 0;
        for (int cell = 0; cell < cellCount; ++cell) {
            if (tiles_.at(cell) != 0) {
                sum += distance(tiles_.at(cell), cell);
            }
        }
        return sum;
    }

    // Returns `found`, or the smallest cost beyond the bound for the next round.
    int search(int cost, int bound, int previousBlank)
    {
        const int estimatedTotal = cost + heuristicWeight * heuristic_;
        if (estimatedTotal > bound) {
            return estimatedTotal;
        }
        if (heuristic_ == 0) {
            return found;
        }
        int nextBound = std::numeric_limits<int>::max();
        for (int cell = 0; cell < cellCount; ++cell) {
            if (!adjacent(cell, blank_) || cell == previousBlank) {
                continue;
            }
            const int from = blank_;
            slide(cell);
            clicks_.push_back(cell);
            const int result = search(cost + 1, bound, from);
            if (result == found) {
                return found;
            }
            clicks_.pop_back();
            slide(from);
            nextBound = std::min(nextBound, result);
        }
        return nextBound;
    }

    // Clicking `cell` moves its tile into the blank.
    void slide(int cell)
    {
        const int tile = tiles_.at(cell);
        heuristic_ += distance(tile, blank_) - distance(tile, cell);
        std::swap(tiles_.at(cell), tiles_.at(blank_));
        blank_ = cell;
    }

    std::array<int, cellCount> tiles_{};
    int blank_ = 0;
    int heuristic_ = 0;
    std::vector<int> clicks_;
};

} // namespace

std::vector<int> solve(const Captions &board)
{
    return IdaStar(board).run();
}

} // namespace zanfira::differential
