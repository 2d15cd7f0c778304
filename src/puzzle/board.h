#pragma once

#include "ui/toolkit.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace zanfira::puzzle {

// The cells in row-major order, named as on the window.
enum class Cell {
    um,
    dois,
    tres,
    quatro,
    cinco,
    seis,
    sete,
    oito,
    nove,
    dez,
    onze,
    doze,
    treze,
    quatorze,
    quinze,
    dezesseis,
};

inline constexpr int cellCount = 16;
inline constexpr int columnCount = 4;
inline constexpr int rowCount = cellCount / columnCount;

inline constexpr std::array<std::string_view, cellCount> cellNames{
    "um",   "dois", "tres", "quatro", "cinco", "seis",     "sete",   "oito",
    "nove", "dez",  "onze", "doze",   "treze", "quatorze", "quinze", "dezesseis",
};

inline constexpr ui::Colour HighlightRed = ui::rgb(255, 0, 0);
inline constexpr ui::Colour ButtonFace = ui::buttonFaceColour;

inline constexpr std::string_view blank;

// Sixteen texts, row-major; "" is the blank.
using Arrangement = std::array<std::string_view, cellCount>;

// clang-format off
inline constexpr Arrangement startArrangement{
    "06", "07", "04", "",
    "08", "10", "09", "03",
    "01", "02", "05", "12",
    "11", "14", "15", "13",
};
// clang-format on

// clang-format off
inline constexpr Arrangement solvedArrangement{
    "01", "02", "03", "04",
    "05", "06", "07", "08",
    "09", "10", "11", "12",
    "13", "14", "15", "",
};
// clang-format on

constexpr int indexOf(Cell cell)
{
    return static_cast<int>(cell);
}
constexpr Cell cellAt(int index)
{
    return static_cast<Cell>(index);
}

using CellButtons = std::array<ui::PushButton *, cellCount>;

// The game's state is the captions of the sixteen buttons; this class holds the rules
// that read and write them.
class Board {
public:
    // afterWin runs once the congratulation box has been dismissed.
    Board(const CellButtons &cells, ui::Toolkit &toolkit, std::function<void()> afterWin);

    void clickCell(Cell clicked);
    void evaluateBoard();
    // A click on the tile the arrow slides into the blank; nothing when there is none.
    void pressArrow(ui::Arrow arrow);

    void write(const Arrangement &arrangement);
    // Every cell but dezesseis, which nothing ever paints.
    void paintAllPaintable(ui::Colour colour);

private:
    [[nodiscard]] std::string text(Cell cell) const;
    [[nodiscard]] std::optional<Cell> blankCell() const;
    [[nodiscard]] bool rowComplete(int row) const;
    [[nodiscard]] bool solved() const;
    void paintRow(int row, ui::Colour colour);

    CellButtons cells_;
    ui::Toolkit &toolkit_;
    std::function<void()> afterWin_;
};

} // namespace zanfira::puzzle
