#pragma once

// A game on the headless toolkit, with the player's view of it, and a small model of the
// board that is written from the geometry of the grid rather than from the game's tables.

#include "headless/headless_toolkit.h"
#include "ui/main_window.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace zanfira::rules {

using headless::HeadlessToolkit;
using headless::MessageBoxRecord;

using Texts = std::array<std::string, 16>;
using Colours = std::array<ui::Colour, 16>;

inline constexpr ui::Colour red = 0x000000FF;
inline constexpr ui::Colour buttonFace = 0x8000000F;

inline const std::array<std::string, 16> cells{
    "um",   "dois", "tres", "quatro", "cinco", "seis",     "sete",   "oito",
    "nove", "dez",  "onze", "doze",   "treze", "quatorze", "quinze", "dezesseis",
};

inline int cellIndex(std::string_view name)
{
    return static_cast<int>(std::find(cells.begin(), cells.end(), name) - cells.begin());
}

// clang-format off
inline const Texts startBoard{
    "06", "07", "04", "",
    "08", "10", "09", "03",
    "01", "02", "05", "12",
    "11", "14", "15", "13",
};
inline const Texts solvedBoard{
    "01", "02", "03", "04",
    "05", "06", "07", "08",
    "09", "10", "11", "12",
    "13", "14", "15", "",
};
inline const Texts facilBoard{
    "14", "09", "07", "12",
    "05", "03", "04", "11",
    "15", "",   "06", "02",
    "08", "13", "01", "10",
};
inline const Texts medioBoard{
    "02", "04", "01", "12",
    "08", "11", "09", "07",
    "14", "06", "03", "15",
    "10", "13", "",   "05",
};
inline const Texts dificilBoard{
    "05", "08", "10", "07",
    "04", "03", "06", "15",
    "13", "02", "01", "09",
    "11", "14", "",   "12",
};
// clang-format on

// Solutions found by a search, written as the way the blank travels (U: it swaps with the
// tile above it, and so on). Any solving sequence would do.
inline constexpr std::string_view solveStart =
    "DLLDRDRUULULDLDRDRURULULLDDRDLURRRDLLLURRULURRDLDDR";
inline constexpr std::string_view solveFacil =
    "RRUULDLDDLURRDLLURRRUULDLULDDRUULDDRUULDRRDDRULDLURURDD";
inline constexpr std::string_view solveMedio =
    "RULLURDLLURRULDRRDLLLDRRULLURRRULDDRULLDDLURUULDDDRRR";

inline const std::string winText = "Parabens, Você Venceu !!";
inline const std::string winTitle = "Parabens !!!";
inline const std::string lossText = "Tempo Esgotado ! Você perdeu !";
inline const std::string lossTitle = "Você Perdeu !!";

inline std::string timerName(int stage)
{
    return "Timer" + std::to_string(stage);
}

// --- The model ---

inline bool sharesAnEdge(int a, int b)
{
    return std::abs(a / 4 - b / 4) + std::abs(a % 4 - b % 4) == 1;
}

inline int blankOf(const Texts &board)
{
    return static_cast<int>(std::find(board.begin(), board.end(), "") - board.begin());
}

inline Texts afterClick(Texts board, int clicked)
{
    const int blank = blankOf(board);
    if (blank < 16 && sharesAnEdge(clicked, blank)) {
        std::swap(board.at(clicked), board.at(blank));
    }
    return board;
}

inline Colours noRowPainted()
{
    Colours colours{};
    colours.fill(buttonFace);
    return colours;
}

inline bool rowInPlace(const Texts &board, int row)
{
    for (int index = row * 4; index < row * 4 + 4; ++index) {
        if (board.at(index) != solvedBoard.at(index)) {
            return false;
        }
    }
    return true;
}

// The bottom-right cell is never painted, whatever it holds.
inline Colours coloursFor(const Texts &board)
{
    Colours colours = noRowPainted();
    for (int row = 0; row < 4; ++row) {
        if (rowInPlace(board, row)) {
            for (int index = row * 4; index < row * 4 + 4 && index < 15; ++index) {
                colours.at(index) = red;
            }
        }
    }
    return colours;
}

// Every move swaps the blank with a tile and moves the blank one step, so the parity of
// the permutation always equals the parity of the blank's distance from its home corner.
inline bool solvable(const Texts &board)
{
    std::vector<int> order;
    for (const std::string &text : board) {
        order.push_back(text.empty() ? 16 : std::stoi(text));
    }
    int inversions = 0;
    for (std::size_t i = 0; i < order.size(); ++i) {
        for (std::size_t j = i + 1; j < order.size(); ++j) {
            inversions += order[i] > order[j] ? 1 : 0;
        }
    }
    const int blank = blankOf(board);
    const int distance = (3 - blank / 4) + (3 - blank % 4);
    return inversions % 2 == distance % 2;
}

// --- The game ---

// Everything the player can see, to show that a command left it alone.
struct Snapshot {
    Texts board;
    Colours colours;
    std::string status;
    std::vector<std::string> checked;
    std::vector<std::string> enabledTimers;
    std::size_t boxes;
    friend bool operator==(const Snapshot &, const Snapshot &) = default;
};

inline void PrintTo(const Snapshot &snapshot, std::ostream *out)
{
    *out << "board";
    for (const std::string &text : snapshot.board) {
        *out << " [" << text << "]";
    }
    *out << ", red";
    for (int index = 0; index < 16; ++index) {
        *out << (snapshot.colours.at(index) == red ? " " + cells.at(index) : "");
    }
    *out << ", status \"" << snapshot.status << "\", checked";
    for (const std::string &name : snapshot.checked) {
        *out << " " << name;
    }
    *out << ", enabled";
    for (const std::string &name : snapshot.enabledTimers) {
        *out << " " << name;
    }
    *out << ", " << snapshot.boxes << " boxes";
}

class Game {
public:
    Game()
    {
        form.show();
        toolkit.setResponder([this](const MessageBoxRecord &box) {
            if (whileBoxOpen) {
                whileBoxOpen(box);
            }
        });
    }

    HeadlessToolkit toolkit;
    ui::Form1 form{toolkit};
    // Runs while each message box is open, before the player dismisses it.
    std::function<void(const MessageBoxRecord &)> whileBoxOpen;

    void click(const std::string &name) { toolkit.click(name); }

    void advanceTo(std::int64_t ms) { toolkit.advance(ms - toolkit.now()); }

    [[nodiscard]] Texts board() const
    {
        Texts board;
        for (int index = 0; index < 16; ++index) {
            board.at(index) = toolkit.caption(cells.at(index));
        }
        return board;
    }

    [[nodiscard]] Colours colours() const
    {
        Colours colours{};
        for (int index = 0; index < 16; ++index) {
            colours.at(index) = toolkit.background(cells.at(index));
        }
        return colours;
    }

    [[nodiscard]] std::vector<std::string> enabledTimers() const
    {
        std::vector<std::string> enabled;
        for (const std::string &name : timerNames()) {
            if (toolkit.timerEnabled(name)) {
                enabled.push_back(name);
            }
        }
        return enabled;
    }

    [[nodiscard]] std::vector<std::string> checkedItems() const
    {
        std::vector<std::string> checked;
        for (const char *name : {"lig", "des", "facil", "medio", "dificil"}) {
            if (toolkit.checked(name)) {
                checked.emplace_back(name);
            }
        }
        return checked;
    }

    [[nodiscard]] std::size_t boxes() const { return toolkit.messageBoxes().size(); }

    [[nodiscard]] Snapshot snapshot() const
    {
        return {board(), colours(), toolkit.statusText(), checkedItems(), enabledTimers(), boxes()};
    }

    // Clicks the tile that the blank is to swap with, for each step of the way.
    void play(std::string_view blankMoves)
    {
        for (const char move : blankMoves) {
            const int blank = blankOf(board());
            const int step = move == 'U' ? -4 : move == 'D' ? 4 : move == 'L' ? -1 : 1;
            const int target = blank + step;
            ASSERT_TRUE(target >= 0 && target < 16 && sharesAnEdge(blank, target))
                << "no move " << move << " from " << cells.at(blank);
            click(cells.at(target));
        }
    }

    // Slides some tile, so that a later deal has something to undo.
    void nudge() { play(blankOf(board()) >= 4 ? "U" : "D"); }

private:
    static const std::vector<std::string> &timerNames()
    {
        static const std::vector<std::string> names = [] {
            std::vector<std::string> all;
            for (int stage = 1; stage <= 32; ++stage) {
                all.push_back(timerName(stage));
            }
            return all;
        }();
        return names;
    }
};

} // namespace zanfira::rules
