#pragma once

#include "differential/model.h"

#include <cstdint>
#include <string>

namespace zanfira::differential {

enum class Action : std::uint8_t {
    click,
    chooseLevel,
    ligado,
    desligado,
    embaralhar,
    about,
    advance
};

struct Event {
    Action action = Action::advance;
    std::int8_t cell = 0; // click
    Level level = Level::facil;
    std::int64_t ms = 0; // advance
    // Every box the event opens stays open this long, the clock running, before dismissal.
    std::int64_t boxHoldMs = 0;
};

// The level's name, which is also the name of its Nivel menu item.
std::string levelName(Level level);
std::string describe(const Event &event);

// Plays one event on either side: the model or the real game.
template <typename Game> void apply(Game &game, const Event &event)
{
    game.setBoxHold(event.boxHoldMs);
    switch (event.action) {
    case Action::click:
        game.clickCell(event.cell);
        break;
    case Action::chooseLevel:
        game.selectLevel(event.level);
        break;
    case Action::ligado:
        game.switchTimeOn();
        break;
    case Action::desligado:
        game.switchTimeOff();
        break;
    case Action::embaralhar:
        game.embaralhar();
        break;
    case Action::about:
        game.about();
        break;
    case Action::advance:
        game.advance(event.ms);
        break;
    }
}

} // namespace zanfira::differential
