#include "ui/commands.h"

namespace zanfira::ui {

Commands::Commands(Toolkit &toolkit, puzzle::Levels &levels, timelimit::Countdown &countdown)
    : toolkit_(toolkit), levels_(levels), countdown_(countdown)
{
}

void Commands::embaralhar()
{
    levels_.dealLayout();
    countdown_.restartAfterDeal();
}

void Commands::about()
{
    toolkit_.messageBox("Zanfira by the Zanfira developers.\n"
                        "A sliding-tile puzzle: put the tiles 01 to 15 in order.",
                        "About Zanfira", MessageStyle::information);
}

void Commands::sair()
{
    toolkit_.end();
}

} // namespace zanfira::ui
