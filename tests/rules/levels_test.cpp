#include "game.h"

namespace zanfira::rules {
namespace {

const std::array<std::string, 3> levels{"facil", "medio", "dificil"};

const Texts &layoutOf(const std::string &level)
{
    return level == "facil" ? facilBoard : level == "medio" ? medioBoard : dificilBoard;
}

TEST(Levels, SelectingALevelMovesTheCheckMarkAndNothingElse)
{
    for (const std::string &from : levels) {
        for (const std::string &to : levels) {
            SCOPED_TRACE(from + " then " + to);
            Game game;
            game.click(from);
            game.nudge();
            Snapshot expected = game.snapshot();
            expected.checked = {"des", to};

            game.click(to);

            EXPECT_EQ(game.snapshot(), expected);
        }
    }
}

// One game goes through the levels in turn. A deal writes the level checked at that
// moment, puts back the button colour where rows were red, and judges nothing: the
// congratulation that painted the rows is the only box.
TEST(Levels, EmbaralharDealsTheCheckedLevelsLayoutEveryTime)
{
    Game game;
    game.play(solveStart);
    ASSERT_EQ(game.boxes(), 1U);

    for (const std::string level : {"facil", "medio", "dificil", "facil"}) {
        SCOPED_TRACE(level);
        game.click(level);
        const Texts before = game.board();
        game.click("Command1");
        EXPECT_NE(game.board(), before);
        EXPECT_EQ(game.board(), layoutOf(level));
        EXPECT_EQ(game.colours(), noRowPainted());
        EXPECT_EQ(game.toolkit.statusText(), "Tempo Desligado");
        EXPECT_TRUE(game.enabledTimers().empty());

        game.click("Command1");
        EXPECT_EQ(game.board(), layoutOf(level)) << "a second deal in a row";
        game.nudge();
        game.click("Command1");
        EXPECT_EQ(game.board(), layoutOf(level)) << "a deal after a move";
    }
    EXPECT_EQ(game.boxes(), 1U);
}

TEST(Levels, FacilAndMedioCanBeSolvedAndDificilCannot)
{
    struct Case {
        std::string level;
        std::string_view solution; // empty: no sequence of moves can solve it
    };
    for (const Case &c :
         {Case{"facil", solveFacil}, Case{"medio", solveMedio}, Case{"dificil", {}}}) {
        SCOPED_TRACE(c.level);
        Game game;
        game.click(c.level);
        game.click("Command1");
        EXPECT_EQ(solvable(game.board()), !c.solution.empty());
        if (!c.solution.empty()) {
            game.play(c.solution);
            EXPECT_EQ(game.board(), solvedBoard);
            ASSERT_EQ(game.boxes(), 1U);
            EXPECT_EQ(game.toolkit.messageBoxes().front().text, winText);
        }
    }
    // The parity rule itself: the solved board passes, one swapped pair does not.
    EXPECT_TRUE(solvable(solvedBoard));
    Texts swapped = solvedBoard;
    std::swap(swapped.at(13), swapped.at(14));
    EXPECT_FALSE(solvable(swapped));
    EXPECT_TRUE(solvable(startBoard));
}

} // namespace
} // namespace zanfira::rules
