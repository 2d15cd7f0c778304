#include "headless/headless_toolkit.h"
#include "puzzle/board.h"
#include "ui/main_window.h"

#include <array>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <string>
#include <utility>

namespace {

using zanfira::headless::HeadlessToolkit;
using zanfira::puzzle::Arrangement;
using zanfira::puzzle::Board;
using zanfira::puzzle::Cell;
using zanfira::puzzle::cellCount;
using zanfira::puzzle::cellNames;
using zanfira::puzzle::indexOf;
using zanfira::ui::Arrow;
using enum Cell;

using Texts = std::array<std::string, cellCount>;

Texts textsOf(const Arrangement &arrangement)
{
    Texts texts;
    for (int index = 0; index < cellCount; ++index) {
        texts.at(index) = arrangement.at(index);
    }
    return texts;
}

// A colour no evaluation ever paints: while every paintable cell still shows it, the rows
// have not been evaluated.
constexpr zanfira::ui::Colour unevaluated = zanfira::ui::rgb(1, 2, 3);

// The sixteen cells as bare buttons on the headless toolkit, with the board's rules over them.
class KeyedBoard {
public:
    KeyedBoard() : board_(declareCells(), toolkit_, [this] { ++afterWins_; }) {}

    void lay(const Arrangement &arrangement)
    {
        board_.write(arrangement);
        board_.paintAllPaintable(unevaluated);
    }

    void press(Arrow arrow) { board_.pressArrow(arrow); }

    [[nodiscard]] Texts captions() const
    {
        Texts captions;
        for (int index = 0; index < cellCount; ++index) {
            captions.at(index) = toolkit_.caption(std::string(cellNames.at(index)));
        }
        return captions;
    }

    [[nodiscard]] bool evaluated() const
    {
        for (int index = 0; index + 1 < cellCount; ++index) {
            if (toolkit_.background(std::string(cellNames.at(index))) != unevaluated) {
                return true;
            }
        }
        return false;
    }

    [[nodiscard]] const HeadlessToolkit &toolkit() const { return toolkit_; }
    [[nodiscard]] int afterWins() const { return afterWins_; }

private:
    zanfira::puzzle::CellButtons declareCells()
    {
        zanfira::puzzle::CellButtons cells{};
        for (int index = 0; index < cellCount; ++index) {
            cells.at(index) =
                &toolkit_.addPushButton({cellNames.at(index), "", {}, "", {}, 0, unevaluated}, {});
        }
        return cells;
    }

    HeadlessToolkit toolkit_;
    int afterWins_ = 0;
    Board board_;
};

// The start board with its blank moved to `blank` by swapping it with that cell's tile.
Arrangement withBlankAt(Cell blank)
{
    Arrangement arrangement = zanfira::puzzle::startArrangement;
    std::swap(arrangement.at(indexOf(blank)), arrangement.at(indexOf(quatro)));
    return arrangement;
}

struct ArrowCase {
    Cell blank;
    Arrow arrow;
    std::optional<Cell> slides; // the cell whose tile moves into the blank
};

const char *arrowName(Arrow arrow)
{
    switch (arrow) {
    case Arrow::left:
        return "Left";
    case Arrow::right:
        return "Right";
    case Arrow::up:
        return "Up";
    case Arrow::down:
        return "Down";
    }
    return "?";
}

void PrintTo(const ArrowCase &c, std::ostream *out)
{
    *out << "blank at " << cellNames.at(indexOf(c.blank)) << ", " << arrowName(c.arrow);
}

class ArrowRule : public ::testing::TestWithParam<ArrowCase> {};

// The arrow names the way the tile moves; a key with nothing to slide is no click at all,
// so it does not even evaluate the rows.
TEST_P(ArrowRule, SlidesTheTileOnTheFarSideOfTheBlankOrDoesNothing)
{
    const ArrowCase &c = GetParam();
    KeyedBoard board;
    const Arrangement before = withBlankAt(c.blank);
    board.lay(before);
    Texts expected = textsOf(before);
    if (c.slides) {
        expected.at(indexOf(c.blank)) = before.at(indexOf(*c.slides));
        expected.at(indexOf(*c.slides)) = "";
    }

    board.press(c.arrow);

    EXPECT_EQ(board.captions(), expected);
    EXPECT_EQ(board.evaluated(), c.slides.has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Keyboard, ArrowRule,
    ::testing::Values(
        // Top-left corner.
        ArrowCase{um, Arrow::left, dois}, ArrowCase{um, Arrow::right, {}},
        ArrowCase{um, Arrow::up, cinco}, ArrowCase{um, Arrow::down, {}},
        // Top-right corner, where the window opens with the blank.
        ArrowCase{quatro, Arrow::left, {}}, ArrowCase{quatro, Arrow::right, tres},
        ArrowCase{quatro, Arrow::up, oito}, ArrowCase{quatro, Arrow::down, {}},
        // Middle: a tile on every side.
        ArrowCase{sete, Arrow::left, oito}, ArrowCase{sete, Arrow::right, seis},
        ArrowCase{sete, Arrow::up, onze}, ArrowCase{sete, Arrow::down, tres},
        // Left edge: Right must not wrap round to the end of the row above.
        ArrowCase{cinco, Arrow::left, seis}, ArrowCase{cinco, Arrow::right, {}},
        ArrowCase{cinco, Arrow::up, nove}, ArrowCase{cinco, Arrow::down, um},
        // Right edge: Left must not wrap round to the start of the row below.
        ArrowCase{oito, Arrow::left, {}}, ArrowCase{oito, Arrow::right, sete},
        ArrowCase{oito, Arrow::up, doze}, ArrowCase{oito, Arrow::down, quatro},
        // Bottom-right corner.
        ArrowCase{dezesseis, Arrow::left, {}}, ArrowCase{dezesseis, Arrow::right, quinze},
        ArrowCase{dezesseis, Arrow::up, {}}, ArrowCase{dezesseis, Arrow::down, doze}));

// A key that solves the board congratulates exactly as the click would; a key on a solved
// board that has nothing to slide stays silent, where a click on the blank would not.
TEST(Keyboard, CongratulatesOnlyWhenAKeySolvesTheBoard)
{
    KeyedBoard board;
    board.lay(zanfira::puzzle::solvedArrangement);

    board.press(Arrow::left);
    board.press(Arrow::up);
    EXPECT_TRUE(board.toolkit().messageBoxes().empty());

    board.press(Arrow::right);
    EXPECT_EQ(board.captions().at(indexOf(dezesseis)), "15");
    EXPECT_TRUE(board.toolkit().messageBoxes().empty());

    board.press(Arrow::left);
    EXPECT_EQ(board.captions(), textsOf(zanfira::puzzle::solvedArrangement));
    ASSERT_EQ(board.toolkit().messageBoxes().size(), 1U);
    const zanfira::headless::MessageBoxRecord &box = board.toolkit().messageBoxes().front();
    EXPECT_EQ(box.text, "Parabens, Você Venceu !!");
    EXPECT_EQ(box.title, "Parabens !!!");
    EXPECT_EQ(box.style, zanfira::ui::MessageStyle::plain);
    EXPECT_EQ(board.afterWins(), 1);
}

// The window hands its arrow keys to the board it opens with.
TEST(Keyboard, TheWindowsArrowKeysPlayItsBoard)
{
    HeadlessToolkit toolkit;
    zanfira::ui::Form1 form(toolkit);
    form.show();

    toolkit.pressArrow(Arrow::down);
    EXPECT_EQ(toolkit.caption("quatro"), "");

    toolkit.pressArrow(Arrow::up);
    EXPECT_EQ(toolkit.caption("quatro"), "03");
    EXPECT_EQ(toolkit.caption("oito"), "");

    toolkit.pressArrow(Arrow::right);
    EXPECT_EQ(toolkit.caption("oito"), "09");
    EXPECT_EQ(toolkit.caption("sete"), "");
}

} // namespace
