#include "timelimit/countdown.h"

#include <string>

namespace zanfira::timelimit {
namespace {
constexpr int firstStage = 0;
constexpr int lastStage = stageCount - 1;
} // namespace

Countdown::Countdown(const CountdownWidgets &widgets, ui::Toolkit &toolkit, puzzle::Levels &levels)
    : widgets_(widgets), toolkit_(toolkit), levels_(levels)
{
}

void Countdown::switchTimeOn()
{
    stop();
    enableStage(firstStage);
    widgets_.lig.setChecked(true);
    widgets_.des.setChecked(false);
    setStatus(fullMinuteText);
    levels_.dealLayout();
}

void Countdown::switchTimeOff()
{
    stop();
    widgets_.lig.setChecked(false);
    widgets_.des.setChecked(true);
    setStatus(timeOffText);
}

void Countdown::restartAfterDeal()
{
    stop();
    if (widgets_.lig.checked()) {
        setStatus(fullMinuteText);
        enableStage(firstStage);
    } else {
        setStatus(timeOffText);
    }
}

void Countdown::runStage(int index)
{
    if (index == lastStage) {
        expire();
        return;
    }
    if (index == firstStage) {
        enableStage(index + 1);
        disableStage(index);
        return;
    }
    setStatus(stages.at(index).status);
    disableStage(index);
    enableStage(index + 1);
}

void Countdown::expire()
{
    setStatus(stages.at(lastStage).status);
    disableStage(lastStage);
    toolkit_.messageBox("Tempo Esgotado ! Você perdeu !", "Você Perdeu !!",
                        ui::MessageStyle::plain);
    setStatus(timeUpText);
    levels_.dealLayout();
    restartAfterDeal();
}

void Countdown::stop()
{
    for (int index = firstStage; index <= lastStage; ++index) {
        disableStage(index);
    }
}

void Countdown::setStatus(std::string_view text)
{
    widgets_.status.setText(std::string(text));
}

void Countdown::enableStage(int index)
{
    widgets_.stages.at(index)->setEnabled(true);
}

void Countdown::disableStage(int index)
{
    widgets_.stages.at(index)->setEnabled(false);
}

} // namespace zanfira::timelimit
