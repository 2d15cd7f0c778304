#pragma once

#include "differential/model.h"
#include "differential/observation.h"
#include "headless/headless_toolkit.h"
#include "ui/main_window.h"

#include <cstdint>
#include <vector>

namespace zanfira::differential {

// The real window and rules on the headless toolkit, played through the same calls as
// the model and seen through the same observation.
class RealGame {
public:
    RealGame();

    void setBoxHold(std::int64_t ms) { boxHoldMs_ = ms; }

    void clickCell(int cell);
    void selectLevel(Level level);
    void switchTimeOn();
    void switchTimeOff();
    void embaralhar();
    void about();
    void advance(std::int64_t ms);

    [[nodiscard]] Observation observe() const;
    std::vector<BoxRecord> takeBoxes();

private:
    void recordAndHold(const headless::MessageBoxRecord &box);

    headless::HeadlessToolkit toolkit_;
    ui::Form1 form_;
    std::int64_t boxHoldMs_ = 0;
    std::vector<BoxRecord> boxes_;
};

} // namespace zanfira::differential
