#include "game.h"

#include <stdexcept>

namespace zanfira::rules {
namespace {

bool isPushButton(const HeadlessToolkit &toolkit, const std::string &name)
{
    try {
        static_cast<void>(toolkit.caption(name));
        return true;
    } catch (const std::logic_error &) {
        return false;
    }
}

TEST(Window, OpensOnTheStartBoardWithTheTimeOffAndNothingRunning)
{
    const Game game;
    EXPECT_TRUE(game.toolkit.windowShown());
    EXPECT_EQ(game.board(), startBoard);
    EXPECT_EQ(game.colours(), noRowPainted());
    EXPECT_EQ(game.toolkit.statusText(), "Tempo Desligado");
    EXPECT_EQ(game.checkedItems(), (std::vector<std::string>{"des", "facil"}));
    EXPECT_TRUE(game.enabledTimers().empty());
    EXPECT_EQ(game.boxes(), 0U);
    EXPECT_EQ(game.toolkit.caption("Command1"), "Embaralhar");
    EXPECT_FALSE(game.toolkit.ended());
}

TEST(Window, DeclaresEveryControlInItsContainerAtItsTwipRectangle)
{
    struct Control {
        std::string name;
        std::string container;
        ui::TwipRect rect;
    };
    std::vector<Control> controls{
        {"Label1", "", {120, 120, 2895, 495}},
        {"Frame1", "", {360, 360, 2175, 2055}},
        {"Command1", "", {360, 2520, 2175, 375}},
        {"StatusBar1", "", {0, 3480, 2985, 285}},
    };
    // Cells are 495 × 375 on a 480 × 360 pitch: neighbours overlap by one pixel.
    const std::array<int, 4> lefts{120, 600, 1080, 1560};
    const std::array<int, 4> tops{240, 600, 960, 1320};
    for (int index = 0; index < 16; ++index) {
        controls.push_back(
            {cells.at(index), "Frame1", {lefts.at(index % 4), tops.at(index / 4), 495, 375}});
    }

    const Game game;
    EXPECT_EQ(game.toolkit.windowTitle(), "Zanfira");
    EXPECT_EQ(game.toolkit.clientWidth(), 2985);
    EXPECT_EQ(game.toolkit.clientHeight(), 3765);
    for (const Control &control : controls) {
        SCOPED_TRACE(control.name);
        EXPECT_EQ(game.toolkit.container(control.name), control.container);
        const ui::TwipRect rect = game.toolkit.rect(control.name);
        EXPECT_EQ((std::array{rect.left, rect.top, rect.width, rect.height}),
                  (std::array{control.rect.left, control.rect.top, control.rect.width,
                              control.rect.height}));
    }
}

TEST(Window, DeclaresTheMenusInOrderWithTheirCaptionsAndStartChecks)
{
    struct Item {
        std::string name;
        std::string parent;
        std::string caption;
        bool checked;
    };
    const std::vector<Item> menus{
        {"nivel", "", "Arquivo", false},     {"about", "nivel", "About", false},
        {"separador2", "nivel", "-", false}, {"fecha", "nivel", "Sair", false},
        {"opc", "", "Opções", false},        {"tmp", "opc", "Tempo", false},
        {"lig", "tmp", "Ligado", false},     {"des", "tmp", "Desligado", true},
        {"niv", "opc", "Nivel", false},      {"facil", "niv", "Facil", true},
        {"medio", "niv", "Medio", false},    {"dificil", "niv", "Dificil", false},
    };

    const Game game;
    std::vector<std::string> declared;
    for (const std::string &name : game.toolkit.declarationOrder()) {
        if (std::any_of(menus.begin(), menus.end(),
                        [&name](const Item &item) { return item.name == name; })) {
            declared.push_back(name);
        }
    }
    std::vector<std::string> names;
    for (const Item &item : menus) {
        SCOPED_TRACE(item.name);
        names.push_back(item.name);
        EXPECT_EQ(game.toolkit.menuParent(item.name), item.parent);
        EXPECT_EQ(game.toolkit.menuCaption(item.name), item.caption);
        EXPECT_EQ(game.toolkit.checked(item.name), item.checked);
    }
    EXPECT_EQ(declared, names);
}

TEST(Window, DeclaresTheThirtyTwoTimersDisabledWithTheirIntervals)
{
    const Game game;
    EXPECT_TRUE(game.enabledTimers().empty());
    EXPECT_EQ(game.toolkit.timerInterval("Timer1"), 30'000);
    EXPECT_EQ(game.toolkit.timerInterval("Timer2"), 500);
    for (int stage = 3; stage <= 32; ++stage) {
        EXPECT_EQ(game.toolkit.timerInterval(timerName(stage)), 1'000) << timerName(stage);
    }
}

// The keyboard visits the buttons in the order they are declared: the cells row by row,
// then Embaralhar.
TEST(Window, FocusRunsThroughTheCellsThenEmbaralhar)
{
    const Game game;
    std::vector<std::string> buttons;
    for (const std::string &name : game.toolkit.declarationOrder()) {
        if (isPushButton(game.toolkit, name)) {
            buttons.push_back(name);
        }
    }
    std::vector<std::string> expected(cells.begin(), cells.end());
    expected.emplace_back("Command1");
    EXPECT_EQ(buttons, expected);
}

TEST(Commands, AboutShowsItsBoxAndChangesNothing)
{
    Game game;
    game.click("lig");
    game.advanceTo(40'000);
    game.nudge();
    const Snapshot before = game.snapshot();

    game.click("about");

    ASSERT_EQ(game.boxes(), before.boxes + 1);
    const MessageBoxRecord &box = game.toolkit.messageBoxes().back();
    EXPECT_EQ(box.title, "About Zanfira");
    EXPECT_EQ(box.style, ui::MessageStyle::information);
    EXPECT_TRUE(box.text.starts_with("Zanfira by ")) << box.text;
    EXPECT_GT(box.text.size(), std::string("Zanfira by ").size()) << "a credit follows";
    Snapshot after = game.snapshot();
    after.boxes = before.boxes;
    EXPECT_EQ(after, before);
}

TEST(Commands, SairEndsTheProgramAndDoesNothingElse)
{
    for (const std::int64_t at : {0, 45'000}) {
        SCOPED_TRACE(at);
        Game game;
        if (at > 0) {
            game.click("lig");
            game.advanceTo(at);
        }
        const Snapshot before = game.snapshot();

        game.click("fecha");

        EXPECT_TRUE(game.toolkit.ended());
        EXPECT_EQ(game.snapshot(), before);
    }
}

} // namespace
} // namespace zanfira::rules
