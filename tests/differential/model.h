#pragma once

#include "differential/observation.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zanfira::differential {

enum class Level { facil, medio, dificil };

// The game as a player observes it, written from its rules alone in plain values: it
// shares no code with the program it is compared against. Time is a virtual clock in
// milliseconds; the countdown is at most one stage, due at one moment.
class Model {
public:
    Model();

    // How long each message box stays open, the clock running, before it is dismissed.
    void setBoxHold(std::int64_t ms);

    void clickCell(int cell);
    void selectLevel(Level level);
    void switchTimeOn();
    void switchTimeOff();
    void embaralhar();
    void about();
    void advance(std::int64_t ms);

    [[nodiscard]] Observation observe() const;
    // The boxes shown since the last call, oldest first.
    std::vector<BoxRecord> takeBoxes();

    [[nodiscard]] const Captions &captions() const { return captions_; }
    [[nodiscard]] int blankCell() const;
    [[nodiscard]] std::optional<std::int64_t> msUntilNextStage() const;

    static const Captions &layout(Level level);

private:
    [[nodiscard]] bool rowComplete(int row) const;
    void evaluateBoard();
    void deal();
    void restartAfterDeal();
    void enableStage(int stage);
    void fireStage();
    void expire();
    void showBox(const std::string &text, const std::string &title, int style,
                 bool textPrefixOnly = false);

    Captions captions_;
    std::array<Colour, cellCount> colours_{};
    Level level_ = Level::facil;
    bool timeOn_ = false;
    std::string status_;
    int stage_ = 0; // 1 … 32; 0 while no stage runs
    std::int64_t stageDueMs_ = 0;
    std::int64_t nowMs_ = 0;
    std::int64_t boxHoldMs_ = 0;
    std::uint64_t boxesShown_ = 0;
    std::vector<BoxRecord> boxes_;
};

} // namespace zanfira::differential
