#include "differential/model.h"

#include <algorithm>
#include <utility>

namespace zanfira::differential {
namespace {

// clang-format off
const Captions startArrangement{
    "06", "07", "04", "",
    "08", "10", "09", "03",
    "01", "02", "05", "12",
    "11", "14", "15", "13",
};
const Captions solvedArrangement{
    "01", "02", "03", "04",
    "05", "06", "07", "08",
    "09", "10", "11", "12",
    "13", "14", "15", "",
};
const Captions facilLayout{
    "14", "09", "07", "12",
    "05", "03", "04", "11",
    "15", "",   "06", "02",
    "08", "13", "01", "10",
};
const Captions medioLayout{
    "02", "04", "01", "12",
    "08", "11", "09", "07",
    "14", "06", "03", "15",
    "10", "13", "",   "05",
};
const Captions dificilLayout{
    "05", "08", "10", "07",
    "04", "03", "06", "15",
    "13", "02", "01", "09",
    "11", "14", "",   "12",
};
// clang-format on

const std::string timeOffText = "Tempo Desligado";
const std::string fullMinuteText = "60 segundos";
constexpr int lastStage = stageCount;
constexpr int dezesseis = cellCount - 1;

std::int64_t stageIntervalMs(int stage)
{
    if (stage == 1) {
        return 30'000;
    }
    return stage == 2 ? 500 : 1'000;
}

// Stages 2 and 3 both read 30; stage 32 reads 01.
std::string countText(int stage)
{
    const int seconds = std::min(30, lastStage + 1 - stage);
    return (seconds < 10 ? "0" : "") + std::to_string(seconds) + " segundos";
}

} // namespace

Model::Model() : captions_(startArrangement), status_(timeOffText)
{
    colours_.fill(buttonFace);
}

void Model::setBoxHold(std::int64_t ms)
{
    boxHoldMs_ = ms;
}

void Model::clickCell(int cell)
{
    const int blank = blankCell();
    if (adjacent(cell, blank)) {
        captions_.at(blank) = captions_.at(cell);
        captions_.at(cell) = "";
    }
    evaluateBoard();
}

void Model::selectLevel(Level level)
{
    level_ = level;
}

void Model::switchTimeOn()
{
    timeOn_ = true;
    status_ = fullMinuteText;
    enableStage(1);
    deal();
}

void Model::switchTimeOff()
{
    timeOn_ = false;
    status_ = timeOffText;
    stage_ = 0;
}

void Model::embaralhar()
{
    deal();
    restartAfterDeal();
}

void Model::about()
{
    showBox("Zanfira by ", "About Zanfira", 64, true);
}

void Model::advance(std::int64_t ms)
{
    const std::int64_t untilMs = nowMs_ + ms;
    while (stage_ != 0 && stageDueMs_ <= untilMs) {
        nowMs_ = stageDueMs_;
        fireStage();
    }
    // A box held open may have carried the clock past the end of the advance.
    nowMs_ = std::max(nowMs_, untilMs);
}

Observation Model::observe() const
{
    Observation observation;
    observation.nowMs = nowMs_;
    observation.captions = captions_;
    observation.backgrounds = colours_;
    observation.facil = level_ == Level::facil;
    observation.medio = level_ == Level::medio;
    observation.dificil = level_ == Level::dificil;
    observation.lig = timeOn_;
    observation.des = !timeOn_;
    observation.status = status_;
    if (stage_ != 0) {
        observation.enabledStages = 1U << (stage_ - 1);
        observation.stageRemainingMs = stageDueMs_ - nowMs_;
    }
    observation.boxesShown = boxesShown_;
    return observation;
}

std::vector<BoxRecord> Model::takeBoxes()
{
    return std::exchange(boxes_, {});
}

int Model::blankCell() const
{
    return static_cast<int>(std::find(captions_.begin(), captions_.end(), "") - captions_.begin());
}

std::optional<std::int64_t> Model::msUntilNextStage() const
{
    if (stage_ == 0) {
        return std::nullopt;
    }
    return stageDueMs_ - nowMs_;
}

const Captions &Model::layout(Level level)
{
    switch (level) {
    case Level::medio:
        return medioLayout;
    case Level::dificil:
        return dificilLayout;
    case Level::facil:
        break;
    }
    return facilLayout;
}

bool Model::rowComplete(int row) const
{
    for (int cell = row * sideLength; cell < (row + 1) * sideLength; ++cell) {
        if (captions_.at(cell) != solvedArrangement.at(cell)) {
            return false;
        }
    }
    return true;
}

void Model::evaluateBoard()
{
    bool solved = true;
    for (int row = 0; row < sideLength; ++row) {
        const bool complete = rowComplete(row);
        solved = solved && complete;
        for (int cell = row * sideLength; cell < (row + 1) * sideLength; ++cell) {
            if (cell != dezesseis) {
                colours_.at(cell) = complete ? highlightRed : buttonFace;
            }
        }
    }
    if (solved) {
        showBox("Parabens, Você Venceu !!", "Parabens !!!", 0);
        stage_ = 0;
    }
}

void Model::deal()
{
    captions_ = layout(level_);
    colours_.fill(buttonFace);
}

void Model::restartAfterDeal()
{
    stage_ = 0;
    if (timeOn_) {
        status_ = fullMinuteText;
        enableStage(1);
    } else {
        status_ = timeOffText;
    }
}

void Model::enableStage(int stage)
{
    stage_ = stage;
    stageDueMs_ = nowMs_ + stageIntervalMs(stage);
}

void Model::fireStage()
{
    const int firing = stage_;
    if (firing != 1) {
        status_ = countText(firing);
    }
    if (firing == lastStage) {
        expire();
        return;
    }
    enableStage(firing + 1);
}

void Model::expire()
{
    stage_ = 0;
    showBox("Tempo Esgotado ! Você perdeu !", "Você Perdeu !!", 0);
    deal();
    restartAfterDeal();
}

// Timers are held while the box is open: the due stage keeps the time it had left.
void Model::showBox(const std::string &text, const std::string &title, int style,
                    bool textPrefixOnly)
{
    ++boxesShown_;
    Observation whenOpened = observe();
    whenOpened.boxOpen = true;
    boxes_.push_back({text, title, style, textPrefixOnly, whenOpened});
    nowMs_ += boxHoldMs_;
    stageDueMs_ += boxHoldMs_;
}

} // namespace zanfira::differential
