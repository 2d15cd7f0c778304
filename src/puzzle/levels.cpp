#include "puzzle/levels.h"

namespace zanfira::puzzle {

Levels::Levels(const LevelItems &items, Board &board) : items_(items), board_(board) {}

void Levels::selectLevel(Level level)
{
    items_.medio.setChecked(level == Level::medio);
    items_.facil.setChecked(level == Level::facil);
    items_.dificil.setChecked(level == Level::dificil);
}

void Levels::dealLayout()
{
    if (items_.medio.checked()) {
        board_.write(medioLayout);
    }
    if (items_.dificil.checked()) {
        board_.write(dificilLayout);
    }
    if (items_.facil.checked()) {
        board_.write(facilLayout);
    }
    board_.paintAllPaintable(ButtonFace);
}

} // namespace zanfira::puzzle
