#include "game.h"

#include <random>

namespace zanfira::rules {
namespace {

struct MoveCase {
    std::string level; // dealt before the click; empty: the board the program opens with
    std::string clicked;
    std::string tileGoesTo; // empty: nothing moves
};

void PrintTo(const MoveCase &c, std::ostream *out)
{
    *out << (c.level.empty() ? "start" : c.level) << ", click " << c.clicked;
}

class MoveRule : public ::testing::TestWithParam<MoveCase> {};

TEST_P(MoveRule, OnlyATileBesideTheBlankSlidesIntoIt)
{
    const MoveCase &c = GetParam();
    Game game;
    if (!c.level.empty()) {
        game.click(c.level);
        game.click("Command1");
    }
    Texts expected = game.board();
    if (!c.tileGoesTo.empty()) {
        expected.at(cellIndex(c.tileGoesTo)) = expected.at(cellIndex(c.clicked));
        expected.at(cellIndex(c.clicked)) = "";
    }

    game.click(c.clicked);

    EXPECT_EQ(game.board(), expected);
    EXPECT_EQ(game.colours(), coloursFor(expected));
    EXPECT_EQ(game.boxes(), 0U);
}

INSTANTIATE_TEST_SUITE_P(Board, MoveRule,
                         ::testing::Values(
                             // Blank in the top-right corner.
                             MoveCase{"", "tres", "quatro"}, MoveCase{"", "oito", "quatro"},
                             MoveCase{"", "quatro", ""}, // the blank itself
                             MoveCase{"", "sete", ""},   // diagonal
                             MoveCase{"", "dois", ""},   // over a tile
                             MoveCase{"", "cinco", ""},  // first of the next row, not beside it
                             MoveCase{"", "um", ""}, MoveCase{"", "dezesseis", ""},
                             // Blank in the middle: four ways in.
                             MoveCase{"facil", "nove", "dez"}, MoveCase{"facil", "seis", "dez"},
                             MoveCase{"facil", "onze", "dez"}, MoveCase{"facil", "quatorze", "dez"},
                             MoveCase{"facil", "cinco", ""}, // diagonal
                             MoveCase{"facil", "doze", ""},  // over a tile
                             MoveCase{"facil", "dois", ""},  // over a tile
                             // Blank on the bottom edge.
                             MoveCase{"medio", "quatorze", "quinze"},
                             MoveCase{"medio", "dezesseis", "quinze"},
                             MoveCase{"medio", "onze", "quinze"},
                             MoveCase{"medio", "doze", ""},   // diagonal
                             MoveCase{"medio", "treze", ""},  // over a tile
                             MoveCase{"medio", "quinze", ""}) // the blank itself
);

// Long runs of clicks anywhere, checked against the model after every one: a single blank,
// the sliding rule wherever the blank is, and the rows painted to match.
TEST(Board, RandomClicksFollowTheModelAndKeepOneBlank)
{
    struct Run {
        std::string level;
        unsigned seed;
    };
    for (const Run &run : {Run{"", 1U}, Run{"facil", 2U}, Run{"dificil", 3U}}) {
        SCOPED_TRACE("start " + (run.level.empty() ? "board" : run.level) + " layout");
        Game game;
        if (!run.level.empty()) {
            game.click(run.level);
            game.click("Command1");
        }
        std::mt19937 random(run.seed);
        Texts model = game.board();
        const bool canWin = solvable(model);
        for (int step = 0; step < 5'000; ++step) {
            const int clicked = static_cast<int>(random() % 16);
            game.click(cells.at(clicked));
            model = afterClick(model, clicked);
            const Texts board = game.board();
            ASSERT_EQ(board, model) << "after click " << step << " on " << cells.at(clicked);
            ASSERT_EQ(std::count(board.begin(), board.end(), ""), 1);
            ASSERT_EQ(game.colours(), coloursFor(board)) << "after click " << step;
            ASSERT_EQ(solvable(board), canWin);
            ASSERT_EQ(game.boxes(), 0U);
        }
    }
}

// Plays a solution one click at a time: the rows light up exactly as they fall into place
// and the congratulation comes with the last click, not before.
TEST(Board, RowsTurnRedAsTheyCompleteAndTheWinIsCongratulatedOnce)
{
    Game game;
    for (std::size_t step = 0; step < solveStart.size(); ++step) {
        game.play(solveStart.substr(step, 1));
        ASSERT_EQ(game.colours(), coloursFor(game.board())) << "after step " << step;
        if (step + 1 < solveStart.size()) {
            ASSERT_EQ(game.boxes(), 0U) << "after step " << step;
        }
    }
    EXPECT_EQ(game.board(), solvedBoard);
    ASSERT_EQ(game.boxes(), 1U);
    const MessageBoxRecord &box = game.toolkit.messageBoxes().front();
    EXPECT_EQ(box.text, winText);
    EXPECT_EQ(box.title, winTitle);
    EXPECT_EQ(box.style, ui::MessageStyle::plain);
    Colours allRed{};
    allRed.fill(red);
    allRed.at(15) = buttonFace;
    EXPECT_EQ(game.colours(), allRed);
}

// On a solved board each click is tried in turn. Most leave it solved and bring the
// congratulation again; the two tiles beside the corner slide out and their rows go back
// to the button colour; sliding them back wins again.
TEST(Board, EveryClickOnASolvedBoardEitherCongratulatesOrUnpaintsTheRowsItBreaks)
{
    Game game;
    game.play(solveStart);
    ASSERT_EQ(game.board(), solvedBoard);

    for (const std::string &cell : cells) {
        SCOPED_TRACE("click " + cell);
        const std::size_t boxesBefore = game.boxes();
        game.click(cell);
        Texts expected = solvedBoard;
        // Rows 1 to 4 as painted; row 4 is red only while its corner is blank.
        std::string redRows = "1111";
        if (cell == "quinze" || cell == "doze") {
            std::swap(expected.at(cellIndex(cell)), expected.at(15));
            redRows = cell == "quinze" ? "1110" : "1100";
        }
        EXPECT_EQ(game.board(), expected);
        Colours colours{};
        for (int index = 0; index < 16; ++index) {
            colours.at(index) = redRows.at(index / 4) == '1' && index != 15 ? red : buttonFace;
        }
        EXPECT_EQ(game.colours(), colours);

        if (redRows == "1111") {
            ASSERT_EQ(game.boxes(), boxesBefore + 1);
            EXPECT_EQ(game.toolkit.messageBoxes().back().text, winText);
            EXPECT_EQ(game.toolkit.messageBoxes().back().title, winTitle);
            EXPECT_EQ(game.toolkit.messageBoxes().back().style, ui::MessageStyle::plain);
        } else {
            EXPECT_EQ(game.boxes(), boxesBefore);
            game.click("dezesseis");
            EXPECT_EQ(game.board(), solvedBoard);
            EXPECT_EQ(game.colours(), coloursFor(solvedBoard));
            EXPECT_EQ(game.boxes(), boxesBefore + 1);
        }
    }
}

} // namespace
} // namespace zanfira::rules
