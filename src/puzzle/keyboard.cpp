#include "puzzle/keyboard.h"

namespace zanfira::puzzle {
namespace {

struct Offset {
    int rows;
    int columns;
};

// Where the sliding tile sits, seen from the blank.
constexpr Offset sourceOf(ui::Arrow arrow)
{
    switch (arrow) {
    case ui::Arrow::left:
        return {0, 1};
    case ui::Arrow::right:
        return {0, -1};
    case ui::Arrow::up:
        return {1, 0};
    case ui::Arrow::down:
        return {-1, 0};
    }
    return {0, 0};
}

} // namespace

std::optional<Cell> tileSlidingInto(Cell blankCell, ui::Arrow arrow)
{
    const Offset offset = sourceOf(arrow);
    const int row = indexOf(blankCell) / columnCount + offset.rows;
    const int column = indexOf(blankCell) % columnCount + offset.columns;
    if (row < 0 || row >= rowCount || column < 0 || column >= columnCount) {
        return std::nullopt;
    }
    return cellAt(row * columnCount + column);
}

} // namespace zanfira::puzzle
