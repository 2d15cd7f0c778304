#include "differential/real_game.h"

#include "differential/events.h"

#include <array>
#include <string>
#include <utility>

namespace zanfira::differential {
namespace {

const std::array<std::string, stageCount> timerNames = [] {
    std::array<std::string, stageCount> names;
    for (int stage = 1; stage <= stageCount; ++stage) {
        names.at(stage - 1) = "Timer" + std::to_string(stage);
    }
    return names;
}();

} // namespace

RealGame::RealGame() : form_(toolkit_)
{
    form_.show();
    toolkit_.setResponder([this](const headless::MessageBoxRecord &box) { recordAndHold(box); });
}

void RealGame::clickCell(int cell)
{
    toolkit_.click(std::string(cellNames.at(cell)));
}

void RealGame::selectLevel(Level level)
{
    toolkit_.click(levelName(level));
}

void RealGame::switchTimeOn()
{
    toolkit_.click("lig");
}

void RealGame::switchTimeOff()
{
    toolkit_.click("des");
}

void RealGame::embaralhar()
{
    toolkit_.click("Command1");
}

void RealGame::about()
{
    toolkit_.click("about");
}

void RealGame::advance(std::int64_t ms)
{
    toolkit_.advance(ms);
}

Observation RealGame::observe() const
{
    Observation observation;
    observation.nowMs = toolkit_.now();
    for (int cell = 0; cell < cellCount; ++cell) {
        const std::string name(cellNames.at(cell));
        observation.captions.at(cell) = toolkit_.caption(name);
        observation.backgrounds.at(cell) = toolkit_.background(name);
    }
    observation.facil = toolkit_.checked("facil");
    observation.medio = toolkit_.checked("medio");
    observation.dificil = toolkit_.checked("dificil");
    observation.lig = toolkit_.checked("lig");
    observation.des = toolkit_.checked("des");
    observation.status = toolkit_.statusText();
    for (int stage = stageCount; stage >= 1; --stage) {
        const std::string &name = timerNames.at(stage - 1);
        if (toolkit_.timerEnabled(name)) {
            observation.enabledStages |= 1U << (stage - 1);
            observation.stageRemainingMs = toolkit_.timerRemaining(name);
        }
    }
    observation.boxesShown = toolkit_.messageBoxes().size();
    observation.boxOpen = toolkit_.messageBoxOpen();
    return observation;
}

std::vector<BoxRecord> RealGame::takeBoxes()
{
    return std::exchange(boxes_, {});
}

void RealGame::recordAndHold(const headless::MessageBoxRecord &box)
{
    boxes_.push_back({box.text, box.title, static_cast<int>(box.style), false, observe()});
    toolkit_.advance(boxHoldMs_);
}

} // namespace zanfira::differential
