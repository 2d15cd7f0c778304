#pragma once

#include "puzzle/board.h"
#include "puzzle/levels.h"
#include "timelimit/countdown.h"
#include "ui/commands.h"
#include "ui/toolkit.h"

namespace zanfira::ui {

// The widgets the rules read and write.
struct Form1Widgets {
    puzzle::CellButtons cells;
    StatusBar *statusBar1;
    MenuItem *lig;
    MenuItem *des;
    MenuItem *facil;
    MenuItem *medio;
    MenuItem *dificil;
    timelimit::StageTimers timers;
};

// The one window: every control, its place, its texts and start state, and the
// handler each of its events runs.
class Form1 {
public:
    explicit Form1(Toolkit &toolkit);

    void show();

private:
    Form1Widgets declare();
    void declareMenus(Form1Widgets &widgets);
    void declareTimers(Form1Widgets &widgets);

    Toolkit &toolkit_;
    Form1Widgets widgets_;
    puzzle::Board board_;
    puzzle::Levels levels_;
    timelimit::Countdown countdown_;
    Commands commands_;
};

} // namespace zanfira::ui
