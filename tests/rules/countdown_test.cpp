#include "game.h"

#include <utility>

namespace zanfira::rules {
namespace {

// What the countdown shows at one moment: the stage that is waiting ("" for none) and the
// status text.
struct Tick {
    std::int64_t ms;
    std::string stage;
    std::string status;
    friend bool operator==(const Tick &, const Tick &) = default;
};

void PrintTo(const Tick &tick, std::ostream *out)
{
    *out << tick.ms << " ms: " << (tick.stage.empty() ? "no stage" : tick.stage) << ", \""
         << tick.status << "\"";
}

// One minute from the moment it starts. The last line is the loss: once its box is
// dismissed the layout is dealt again and the next minute begins at once.
const std::vector<Tick> oneMinute{
    {0, "Timer1", "60 segundos"},       {30'000, "Timer2", "60 segundos"},
    {30'500, "Timer3", "30 segundos"},  {31'500, "Timer4", "30 segundos"},
    {32'500, "Timer5", "29 segundos"},  {33'500, "Timer6", "28 segundos"},
    {34'500, "Timer7", "27 segundos"},  {35'500, "Timer8", "26 segundos"},
    {36'500, "Timer9", "25 segundos"},  {37'500, "Timer10", "24 segundos"},
    {38'500, "Timer11", "23 segundos"}, {39'500, "Timer12", "22 segundos"},
    {40'500, "Timer13", "21 segundos"}, {41'500, "Timer14", "20 segundos"},
    {42'500, "Timer15", "19 segundos"}, {43'500, "Timer16", "18 segundos"},
    {44'500, "Timer17", "17 segundos"}, {45'500, "Timer18", "16 segundos"},
    {46'500, "Timer19", "15 segundos"}, {47'500, "Timer20", "14 segundos"},
    {48'500, "Timer21", "13 segundos"}, {49'500, "Timer22", "12 segundos"},
    {50'500, "Timer23", "11 segundos"}, {51'500, "Timer24", "10 segundos"},
    {52'500, "Timer25", "09 segundos"}, {53'500, "Timer26", "08 segundos"},
    {54'500, "Timer27", "07 segundos"}, {55'500, "Timer28", "06 segundos"},
    {56'500, "Timer29", "05 segundos"}, {57'500, "Timer30", "04 segundos"},
    {58'500, "Timer31", "03 segundos"}, {59'500, "Timer32", "02 segundos"},
    {60'500, "Timer1", "60 segundos"},
};
constexpr std::int64_t minuteMs = 60'500;

// The minutes that follow each other from `start`, each starting as the last one is lost.
std::vector<Tick> minutesFrom(std::int64_t start, int minutes)
{
    std::vector<Tick> ticks{{start, "Timer1", "60 segundos"}};
    for (int minute = 0; minute < minutes; ++minute) {
        for (std::size_t line = 1; line < oneMinute.size(); ++line) {
            Tick tick = oneMinute.at(line);
            tick.ms += start + minute * minuteMs;
            ticks.push_back(tick);
        }
    }
    return ticks;
}

// Moves the clock and notes every change of the waiting stage or the status text, with
// the millisecond it happened at; two stages enabled at once fail the test on the spot.
// Between the player's clicks only a stage coming due can change anything, so it looks
// one millisecond before each stage is due and again at that millisecond.
class Watch {
public:
    explicit Watch(Game &game) : game_(game) { look(); }

    void until(std::int64_t ms)
    {
        HeadlessToolkit &toolkit = game_.toolkit;
        while (toolkit.now() < ms) {
            std::int64_t next = ms;
            for (const std::string &stage : game_.enabledTimers()) {
                next = std::min(next, toolkit.now() + toolkit.timerRemaining(stage));
            }
            if (next - 1 > toolkit.now()) {
                game_.advanceTo(next - 1);
                look();
            }
            game_.advanceTo(next);
            look();
        }
    }

    // After the player acts: notes the moment whether or not anything changed, and
    // returns where it stands among the ticks.
    std::size_t mark()
    {
        look(true);
        return ticks_.size() - 1;
    }

    [[nodiscard]] const std::vector<Tick> &ticks() const { return ticks_; }

    [[nodiscard]] std::vector<Tick> since(std::size_t mark) const
    {
        return {ticks_.begin() + static_cast<std::ptrdiff_t>(mark), ticks_.end()};
    }

private:
    void look(bool always = false)
    {
        const std::vector<std::string> enabled = game_.enabledTimers();
        if (enabled.size() > 1 && !reportedOverlap_) {
            reportedOverlap_ = true;
            ADD_FAILURE() << enabled.size() << " stages enabled at " << game_.toolkit.now()
                          << " ms";
        }
        Tick tick{game_.toolkit.now(), enabled.empty() ? "" : enabled.front(),
                  game_.toolkit.statusText()};
        if (always || ticks_.empty() || ticks_.back().stage != tick.stage ||
            ticks_.back().status != tick.status) {
            ticks_.push_back(std::move(tick));
        }
    }

    Game &game_;
    std::vector<Tick> ticks_;
    bool reportedOverlap_ = false;
};

// What the loss box found when it opened.
struct Loss {
    std::int64_t ms;
    std::string status;
    std::vector<std::string> enabled;
    Texts board;
};

class Countdown : public ::testing::Test {
protected:
    Game game;
    std::vector<Loss> losses;

    void SetUp() override
    {
        game.whileBoxOpen = [this](const MessageBoxRecord &box) {
            if (box.title == lossTitle) {
                EXPECT_EQ(box.text, lossText);
                EXPECT_EQ(box.style, ui::MessageStyle::plain);
                losses.push_back({box.openedAtMs, game.toolkit.statusText(), game.enabledTimers(),
                                  game.board()});
            }
        };
    }
};

TEST_F(Countdown, LigadoRunsTheMinuteToTheMillisecondThenStartsTheNextAtOnce)
{
    game.nudge();
    game.click("lig");
    EXPECT_EQ(game.board(), facilBoard);
    EXPECT_EQ(game.checkedItems(), (std::vector<std::string>{"lig", "facil"}));

    Watch watch(game);
    watch.until(10'000);
    game.click("nove"); // a move of the player's, for the loss to deal over
    const Texts played = game.board();
    watch.until(2 * minuteMs + 1);

    EXPECT_EQ(watch.ticks(), minutesFrom(0, 2));
    ASSERT_EQ(losses.size(), 2U);
    for (std::size_t minute = 0; minute < losses.size(); ++minute) {
        EXPECT_EQ(losses.at(minute).ms, minuteMs * static_cast<std::int64_t>(minute + 1));
        EXPECT_EQ(losses.at(minute).status, "01 segundos");
        EXPECT_TRUE(losses.at(minute).enabled.empty());
    }
    EXPECT_EQ(losses.front().board, played);
    EXPECT_EQ(losses.back().board, facilBoard);
    EXPECT_EQ(game.board(), facilBoard);
    EXPECT_EQ(game.colours(), noRowPainted());
    EXPECT_EQ(game.checkedItems(), (std::vector<std::string>{"lig", "facil"}));
}

// Switching the time off and winning both end the limit for good, at any point of it.
struct StopCase {
    std::string what;
    std::int64_t at;
    std::string statusAfter;
};

void PrintTo(const StopCase &c, std::ostream *out)
{
    *out << c.what << " at " << c.at << " ms";
}

class CountdownStop : public Countdown, public ::testing::WithParamInterface<StopCase> {};

TEST_P(CountdownStop, NothingCountsAgainAndNoLossComes)
{
    const StopCase &c = GetParam();
    game.click("lig");
    Watch watch(game);
    watch.until(c.at);
    if (c.what == "Desligado") {
        game.click("des");
    } else {
        game.play(solveFacil);
        ASSERT_EQ(game.board(), solvedBoard);
        ASSERT_EQ(game.boxes(), 1U);
        EXPECT_EQ(game.toolkit.messageBoxes().front().text, winText);
    }
    const std::size_t stopped = watch.mark();
    watch.until(c.at + 3 * minuteMs);

    EXPECT_EQ(watch.since(stopped), (std::vector<Tick>{{c.at, "", c.statusAfter}}));
    EXPECT_TRUE(losses.empty());
    const std::vector<std::string> checked{c.what == "Desligado" ? "des" : "lig", "facil"};
    EXPECT_EQ(game.checkedItems(), checked);
}

INSTANTIATE_TEST_SUITE_P(Countdown, CountdownStop,
                         ::testing::Values(StopCase{"Desligado", 0, "Tempo Desligado"},
                                           StopCase{"Desligado", 10'000, "Tempo Desligado"},
                                           StopCase{"Desligado", 45'000, "Tempo Desligado"},
                                           StopCase{"Desligado", 60'000, "Tempo Desligado"},
                                           // A win leaves the status as it stood.
                                           StopCase{"a win", 10'000, "60 segundos"},
                                           StopCase{"a win", 45'000, "17 segundos"},
                                           StopCase{"a win", 60'000, "02 segundos"}),
                         [](const ::testing::TestParamInfo<StopCase> &info) {
                             return (info.param.what == "Desligado" ? "Desligado" : "Win") +
                                    std::string("At") + std::to_string(info.param.at);
                         });

// A fresh deal with the time on replaces whatever count is under way by one new minute,
// counted from that deal.
struct RestartCase {
    std::string what;
    std::vector<std::pair<std::int64_t, std::string>> clicks;
};

void PrintTo(const RestartCase &c, std::ostream *out)
{
    *out << c.what;
}

class CountdownRestart : public Countdown, public ::testing::WithParamInterface<RestartCase> {};

TEST_P(CountdownRestart, OneFreshMinuteFromTheLastDeal)
{
    const RestartCase &c = GetParam();
    game.click("lig");
    Watch watch(game);
    std::size_t dealt = 0;
    for (const auto &[at, name] : c.clicks) {
        watch.until(at);
        game.nudge();
        game.click(name);
        dealt = watch.mark();
    }
    EXPECT_EQ(game.board(), facilBoard);
    const std::int64_t last = c.clicks.back().first;
    const std::size_t lossesBefore = losses.size();
    watch.until(last + minuteMs + 1);

    EXPECT_EQ(watch.since(dealt), minutesFrom(last, 1));
    ASSERT_EQ(losses.size(), lossesBefore + 1);
    EXPECT_EQ(losses.back().ms, last + minuteMs);
}

INSTANTIATE_TEST_SUITE_P(
    Countdown, CountdownRestart,
    ::testing::Values(RestartCase{"EmbaralharWhileWaiting", {{20'000, "Command1"}}},
                      RestartCase{"EmbaralharWhileCounting", {{45'000, "Command1"}}},
                      RestartCase{"EmbaralharInTheLastSecond", {{60'000, "Command1"}}},
                      RestartCase{"EmbaralharAfterALoss", {{70'000, "Command1"}}},
                      RestartCase{"LigadoWhileWaiting", {{20'000, "lig"}}},
                      RestartCase{"LigadoWhileCounting", {{45'000, "lig"}}},
                      RestartCase{"LigadoAfterDesligado", {{45'000, "des"}, {50'000, "lig"}}},
                      RestartCase{"TwoEmbaralharsInTheCount",
                                  {{35'000, "Command1"}, {70'000, "Command1"}}}),
    [](const ::testing::TestParamInfo<RestartCase> &info) { return info.param.what; });

TEST_F(Countdown, ALevelChosenDuringTheCountWaitsForTheLoss)
{
    game.click("lig");
    Watch watch(game);
    watch.until(45'000);
    const Texts board = game.board();
    game.click("medio");
    EXPECT_EQ(game.board(), board);
    watch.until(minuteMs + 1);

    EXPECT_EQ(watch.ticks(), minutesFrom(0, 1));
    ASSERT_EQ(losses.size(), 1U);
    EXPECT_EQ(game.board(), medioBoard);
}

// A box that the player leaves open holds the countdown: no stage fires under it, and the
// count goes on afterwards with the time it had left.
TEST_F(Countdown, AnOpenAboutBoxHoldsTheCount)
{
    constexpr std::int64_t held = 40'000;
    game.click("lig");
    Watch watch(game);
    watch.until(50'000);
    auto onLoss = game.whileBoxOpen;
    std::vector<std::string> seenUnderTheBox;
    game.whileBoxOpen = [&](const MessageBoxRecord &box) {
        if (box.title != "About Zanfira") {
            onLoss(box);
            return;
        }
        seenUnderTheBox.push_back(game.toolkit.statusText());
        seenUnderTheBox.push_back(std::to_string(game.toolkit.timerRemaining("Timer22")));
        game.toolkit.advance(held);
        seenUnderTheBox.push_back(game.toolkit.statusText());
        seenUnderTheBox.push_back(std::to_string(game.toolkit.timerRemaining("Timer22")));
    };
    game.click("about");
    watch.until(minuteMs + held + 1);

    EXPECT_EQ(seenUnderTheBox,
              (std::vector<std::string>{"12 segundos", "500", "12 segundos", "500"}));
    std::vector<Tick> expected;
    for (Tick tick : minutesFrom(0, 1)) {
        tick.ms += tick.ms > 50'000 ? held : 0;
        expected.push_back(tick);
    }
    EXPECT_EQ(watch.ticks(), expected);
    ASSERT_EQ(game.boxes(), 2U);
    EXPECT_EQ(game.toolkit.messageBoxes().front().openedAtMs, 50'000);
    ASSERT_EQ(losses.size(), 1U);
    EXPECT_EQ(losses.front().ms, minuteMs + held);
}

// The next minute starts when the loss box is dismissed, not when it opened.
TEST_F(Countdown, TheNextMinuteStartsWhenTheLossBoxCloses)
{
    constexpr std::int64_t held = 40'000;
    auto onLoss = game.whileBoxOpen;
    game.whileBoxOpen = [&](const MessageBoxRecord &box) {
        onLoss(box);
        if (losses.size() == 1) {
            game.toolkit.advance(held);
        }
    };
    game.click("lig");
    Watch watch(game);
    watch.until(2 * minuteMs + held + 1);

    std::vector<Tick> expected = minutesFrom(0, 1);
    expected.pop_back();
    for (const Tick &tick : minutesFrom(minuteMs + held, 1)) {
        expected.push_back(tick);
    }
    EXPECT_EQ(watch.ticks(), expected);
    ASSERT_EQ(losses.size(), 2U);
    EXPECT_EQ(losses.back().ms, 2 * minuteMs + held);
}

TEST_F(Countdown, EmbaralharWithTheTimeOffLeavesItOff)
{
    game.click("lig");
    game.advanceTo(45'000);
    game.click("des");
    game.click("Command1");
    EXPECT_EQ(game.toolkit.statusText(), "Tempo Desligado");
    EXPECT_TRUE(game.enabledTimers().empty());
    game.advanceTo(5 * minuteMs);
    EXPECT_EQ(game.toolkit.statusText(), "Tempo Desligado");
    EXPECT_EQ(game.boxes(), 0U);
}

} // namespace
} // namespace zanfira::rules
