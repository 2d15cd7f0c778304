#pragma once

#include "puzzle/levels.h"
#include "timelimit/countdown.h"
#include "ui/toolkit.h"

namespace zanfira::ui {

// The commands that belong to neither the board nor the time limit.
class Commands {
public:
    Commands(Toolkit &toolkit, puzzle::Levels &levels, timelimit::Countdown &countdown);

    void embaralhar();
    void about();
    void sair();

private:
    Toolkit &toolkit_;
    puzzle::Levels &levels_;
    timelimit::Countdown &countdown_;
};

} // namespace zanfira::ui
