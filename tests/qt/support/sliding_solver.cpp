#include "sliding_solver.h"

#include <queue>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <stdexcept>
#include <string_view>
#include <unordered_map>
#include <utility>

namespace zanfira::qttest {
namespace {

using puzzle::cellCount;
using puzzle::columnCount;

// Tile numbers with 0 for the blank, four bits each in a key.
using Tiles = std::array<std::uint8_t, cellCount>;
using Key = std::uint64_t;

constexpr int heuristicWeight = 4;
constexpr std::size_t stateLimit = 2'000'000;

std::uint8_t tileOf(std::string_view caption)
{
    return caption.empty() ? 0 : static_cast<std::uint8_t>(std::stoi(std::string(caption)));
}

template <typename Texts> Key keyOf(const Texts &texts)
{
    Key key = 0;
    for (const auto &text : texts) {
        key = (key << 4U) | tileOf(text);
    }
    return key;
}

Key keyOf(const Tiles &tiles)
{
    Key key = 0;
    for (const std::uint8_t tile : tiles) {
        key = (key << 4U) | tile;
    }
    return key;
}

Tiles tilesOf(Key key)
{
    Tiles tiles{};
    for (auto tile = tiles.rbegin(); tile != tiles.rend(); ++tile) {
        *tile = key & 0xFU;
        key >>= 4U;
    }
    return tiles;
}

int blankOf(const Tiles &tiles)
{
    return static_cast<int>(std::ranges::find(tiles, 0) - tiles.begin());
}

int manhattanDistance(const Tiles &tiles)
{
    int distance = 0;
    for (int index = 0; index < cellCount; ++index) {
        if (tiles.at(index) != 0) {
            const int home = tiles.at(index) - 1;
            distance += std::abs(index / columnCount - home / columnCount) +
                        std::abs(index % columnCount - home % columnCount);
        }
    }
    return distance;
}

std::vector<int> cellsBeside(int index)
{
    std::vector<int> cells;
    const int row = index / columnCount;
    const int column = index % columnCount;
    if (row > 0) {
        cells.push_back(index - columnCount);
    }
    if (row < columnCount - 1) {
        cells.push_back(index + columnCount);
    }
    if (column > 0) {
        cells.push_back(index - 1);
    }
    if (column < columnCount - 1) {
        cells.push_back(index + 1);
    }
    return cells;
}

struct Visit {
    Key previous;
    int clicked; // -1 for the board the search starts from
    int moves;
};

std::vector<int> clicksTo(const std::unordered_map<Key, Visit> &visits, Key key)
{
    std::vector<int> clicks;
    for (Visit visit = visits.at(key); visit.clicked >= 0; visit = visits.at(visit.previous)) {
        clicks.push_back(visit.clicked);
    }
    std::ranges::reverse(clicks);
    return clicks;
}

} // namespace

std::vector<int> solvingClicks(const Captions &board)
{
    using Entry = std::pair<int, Key>; // estimated total moves, board
    std::priority_queue<Entry, std::vector<Entry>, std::greater<>> open;
    std::unordered_map<Key, Visit> visits;
    const Key start = keyOf(board);
    const Key goal = keyOf(puzzle::solvedArrangement);
    visits.emplace(start, Visit{start, -1, 0});
    open.emplace(0, start);
    while (!open.empty() && visits.size() < stateLimit) {
        const Key key = open.top().second;
        open.pop();
        if (key == goal) {
            return clicksTo(visits, key);
        }
        const Tiles tiles = tilesOf(key);
        const int blank = blankOf(tiles);
        const int moves = visits.at(key).moves + 1;
        for (const int clicked : cellsBeside(blank)) {
            Tiles next = tiles;
            std::swap(next.at(clicked), next.at(blank));
            const Key nextKey = keyOf(next);
            const auto known = visits.find(nextKey);
            if (known == visits.end() || known->second.moves > moves) {
                visits.insert_or_assign(nextKey, Visit{key, clicked, moves});
                open.emplace(moves + heuristicWeight * manhattanDistance(next), nextKey);
            }
        }
    }
    throw std::runtime_error("no solution found for the board");
}

Captions slide(Captions board, int clicked)
{
    const auto blank = std::ranges::find(board, std::string(puzzle::blank));
    std::swap(*blank, board.at(clicked));
    return board;
}

} // namespace zanfira::qttest
