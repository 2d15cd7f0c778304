#include "puzzle/board.h"

#include "puzzle/keyboard.h"

#include <utility>
#include <vector>

namespace zanfira::puzzle {
namespace {

using enum Cell;

// The edge neighbours of each cell, in the order a click looks for the blank.
const std::array<std::vector<Cell>, cellCount> neighbours{{
    {dois, cinco},
    {um, seis, tres},
    {dois, sete, quatro},
    {tres, oito},
    {um, nove, seis},
    {cinco, dois, sete, dez},
    {seis, tres, oito, onze},
    {quatro, sete, doze},
    {cinco, dez, treze},
    {nove, seis, onze, quatorze},
    {sete, quinze, dez, doze},
    {oito, dezesseis, onze},
    {nove, quatorze},
    {treze, dez, quinze},
    {quatorze, onze, dezesseis},
    {quinze, doze},
}};

// The last row paints only three cells: its blank corner is never coloured.
constexpr int paintedCellsInRow(int row)
{
    return row == rowCount ? columnCount - 1 : columnCount;
}

constexpr int firstCellOfRow(int row)
{
    return (row - 1) * columnCount;
}

} // namespace

Board::Board(const CellButtons &cells, ui::Toolkit &toolkit, std::function<void()> afterWin)
    : cells_(cells), toolkit_(toolkit), afterWin_(std::move(afterWin))
{
}

void Board::clickCell(Cell clicked)
{
    for (const Cell neighbour : neighbours.at(indexOf(clicked))) {
        if (text(neighbour) == blank) {
            cells_.at(indexOf(neighbour))->setCaption(text(clicked));
            cells_.at(indexOf(clicked))->setCaption(std::string(blank));
        }
    }
    evaluateBoard();
}

void Board::evaluateBoard()
{
    for (int row = 1; row <= rowCount; ++row) {
        paintRow(row, rowComplete(row) ? HighlightRed : ButtonFace);
    }
    if (solved()) {
        toolkit_.messageBox("Parabens, Você Venceu !!", "Parabens !!!", ui::MessageStyle::plain);
        afterWin_();
    }
}

void Board::pressArrow(ui::Arrow arrow)
{
    const std::optional<Cell> blankNow = blankCell();
    if (!blankNow) {
        return;
    }
    if (const std::optional<Cell> tile = tileSlidingInto(*blankNow, arrow)) {
        clickCell(*tile);
    }
}

void Board::write(const Arrangement &arrangement)
{
    for (int index = 0; index < cellCount; ++index) {
        cells_.at(index)->setCaption(std::string(arrangement.at(index)));
    }
}

void Board::paintAllPaintable(ui::Colour colour)
{
    for (int row = 1; row <= rowCount; ++row) {
        paintRow(row, colour);
    }
}

std::string Board::text(Cell cell) const
{
    return cells_.at(indexOf(cell))->caption();
}

std::optional<Cell> Board::blankCell() const
{
    for (int index = 0; index < cellCount; ++index) {
        if (text(cellAt(index)) == blank) {
            return cellAt(index);
        }
    }
    return std::nullopt;
}

bool Board::rowComplete(int row) const
{
    const int first = firstCellOfRow(row);
    for (int index = first; index < first + columnCount; ++index) {
        if (text(cellAt(index)) != solvedArrangement.at(index)) {
            return false;
        }
    }
    return true;
}

bool Board::solved() const
{
    for (int row = 1; row <= rowCount; ++row) {
        if (!rowComplete(row)) {
            return false;
        }
    }
    return true;
}

void Board::paintRow(int row, ui::Colour colour)
{
    const int first = firstCellOfRow(row);
    for (int index = first; index < first + paintedCellsInRow(row); ++index) {
        cells_.at(index)->setBackground(colour);
    }
}

} // namespace zanfira::puzzle
