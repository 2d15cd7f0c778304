#include "differential/events.h"

namespace zanfira::differential {
namespace {

std::string actionText(const Event &event)
{
    switch (event.action) {
    case Action::click:
        return "click " + std::string(cellNames.at(event.cell));
    case Action::chooseLevel:
        return "Nivel " + levelName(event.level);
    case Action::ligado:
        return "Ligado";
    case Action::desligado:
        return "Desligado";
    case Action::embaralhar:
        return "Embaralhar";
    case Action::about:
        return "About";
    case Action::advance:
        break;
    }
    return "advance " + std::to_string(event.ms) + " ms";
}

} // namespace

std::string levelName(Level level)
{
    switch (level) {
    case Level::medio:
        return "medio";
    case Level::dificil:
        return "dificil";
    case Level::facil:
        break;
    }
    return "facil";
}

std::string describe(const Event &event)
{
    std::string text = actionText(event);
    if (event.boxHoldMs == 0) {
        return text;
    }
    return text + " (boxes held open " + std::to_string(event.boxHoldMs) + " ms)";
}

} // namespace zanfira::differential
