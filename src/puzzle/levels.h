#pragma once

#include "puzzle/board.h"
#include "ui/toolkit.h"

namespace zanfira::puzzle {

enum class Level { facil, medio, dificil };

// Each level deals one fixed layout; nothing is random.
// clang-format off
inline constexpr Arrangement facilLayout{
    "14", "09", "07", "12",
    "05", "03", "04", "11",
    "15", "",   "06", "02",
    "08", "13", "01", "10",
};
// clang-format on
// clang-format off
inline constexpr Arrangement medioLayout{
    "02", "04", "01", "12",
    "08", "11", "09", "07",
    "14", "06", "03", "15",
    "10", "13", "",   "05",
};
// clang-format on
// An odd permutation with the blank on the bottom row: no sequence of moves solves it.
// clang-format off
inline constexpr Arrangement dificilLayout{
    "05", "08", "10", "07",
    "04", "03", "06", "15",
    "13", "02", "01", "09",
    "11", "14", "",   "12",
};
// clang-format on

struct LevelItems {
    ui::MenuItem &facil;
    ui::MenuItem &medio;
    ui::MenuItem &dificil;
};

// The level is nothing but the check marks of the Nivel menu.
class Levels {
public:
    Levels(const LevelItems &items, Board &board);

    void selectLevel(Level level);
    void dealLayout();

private:
    LevelItems items_;
    Board &board_;
};

} // namespace zanfira::puzzle
