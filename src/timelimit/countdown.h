#pragma once

#include "puzzle/levels.h"
#include "ui/toolkit.h"

#include <array>
#include <string_view>

namespace zanfira::timelimit {

struct Stage {
    int intervalMs;
    std::string_view status; // empty: the stage writes nothing
};

inline constexpr int stageCount = 32;

// A minute as a chain of one-shot stages: thirty silent seconds, then the last thirty
// counted down. The half-second second stage means both it and the next read "30".
inline constexpr std::array<Stage, stageCount> stages{{
    {30'000, ""},           {500, "30 segundos"},   {1'000, "30 segundos"}, {1'000, "29 segundos"},
    {1'000, "28 segundos"}, {1'000, "27 segundos"}, {1'000, "26 segundos"}, {1'000, "25 segundos"},
    {1'000, "24 segundos"}, {1'000, "23 segundos"}, {1'000, "22 segundos"}, {1'000, "21 segundos"},
    {1'000, "20 segundos"}, {1'000, "19 segundos"}, {1'000, "18 segundos"}, {1'000, "17 segundos"},
    {1'000, "16 segundos"}, {1'000, "15 segundos"}, {1'000, "14 segundos"}, {1'000, "13 segundos"},
    {1'000, "12 segundos"}, {1'000, "11 segundos"}, {1'000, "10 segundos"}, {1'000, "09 segundos"},
    {1'000, "08 segundos"}, {1'000, "07 segundos"}, {1'000, "06 segundos"}, {1'000, "05 segundos"},
    {1'000, "04 segundos"}, {1'000, "03 segundos"}, {1'000, "02 segundos"}, {1'000, "01 segundos"},
}};

inline constexpr std::string_view timeOffText = "Tempo Desligado";
inline constexpr std::string_view fullMinuteText = "60 segundos";
inline constexpr std::string_view timeUpText = "Tempo Esgotado";

using StageTimers = std::array<ui::Timer *, stageCount>;

struct CountdownWidgets {
    StageTimers stages;
    ui::MenuItem &lig;
    ui::MenuItem &des;
    ui::StatusBar &status;
};

// The time limit. Its state is the enabled flags of the stage timers and the Tempo
// check marks; at most one stage is ever enabled.
class Countdown {
public:
    Countdown(const CountdownWidgets &widgets, ui::Toolkit &toolkit, puzzle::Levels &levels);

    void switchTimeOn();
    void switchTimeOff();
    void restartAfterDeal();
    // The handler of stage `index` (0-based); the last stage runs expire().
    void runStage(int index);
    void expire();
    // Switching off, winning and every fresh deal end whatever count is under way.
    void stop();

private:
    void setStatus(std::string_view text);
    void enableStage(int index);
    void disableStage(int index);

    CountdownWidgets widgets_;
    ui::Toolkit &toolkit_;
    puzzle::Levels &levels_;
};

} // namespace zanfira::timelimit
