#include "differential/invariants.h"

#include <algorithm>
#include <bit>
#include <bitset>
#include <cctype>
#include <initializer_list>
#include <set>

namespace zanfira::differential {
namespace {

// "01" … "15" as 1 … 15; 0 for the blank and for anything that is not a tile.
int tileNumber(const std::string &caption)
{
    const bool digits =
        caption.size() == 2 && std::isdigit(caption[0]) != 0 && std::isdigit(caption[1]) != 0;
    const int number = digits ? (caption[0] - '0') * 10 + (caption[1] - '0') : 0;
    return number < cellCount ? number : 0;
}

// Sixteen captions cover the numbers 0 … 15 only if each tile and one blank are there.
bool holdsEachTileOnce(const Captions &captions)
{
    std::bitset<cellCount> numbersSeen;
    int blanks = 0;
    for (const std::string &caption : captions) {
        blanks += caption.empty() ? 1 : 0;
        numbersSeen.set(tileNumber(caption));
    }
    return blanks == 1 && numbersSeen.all();
}

bool exactlyOne(std::initializer_list<bool> checks)
{
    return std::count(checks.begin(), checks.end(), true) == 1;
}

bool paintedInBoardColours(const Observation &observation)
{
    return std::all_of(
        observation.backgrounds.begin(), observation.backgrounds.end(),
        [](Colour colour) { return colour == highlightRed || colour == buttonFace; });
}

const std::set<std::string> &statusTexts()
{
    static const std::set<std::string> texts = [] {
        std::set<std::string> all{"Tempo Desligado", "60 segundos", "Tempo Esgotado"};
        for (int seconds = 1; seconds <= 30; ++seconds) {
            all.insert((seconds < 10 ? "0" : "") + std::to_string(seconds) + " segundos");
        }
        return all;
    }();
    return texts;
}

} // namespace

std::string brokenInvariants(const Observation &observation)
{
    std::string broken;
    const auto require = [&broken](bool holds, const std::string &rule) {
        if (!holds) {
            broken += "  broken: " + rule + '\n';
        }
    };
    require(holdsEachTileOnce(observation.captions),
            "the board holds one blank and the tiles 01 to 15 once each");
    require(exactlyOne({observation.facil, observation.medio, observation.dificil}),
            "exactly one Nivel item is checked");
    require(exactlyOne({observation.lig, observation.des}), "exactly one Tempo item is checked");
    require(std::popcount(observation.enabledStages) <= 1, "at most one stage is enabled");
    require(paintedInBoardColours(observation), "every cell is red or the button face");
    require(observation.backgrounds.at(cellCount - 1) == buttonFace, "dezesseis is never painted");
    require(statusTexts().contains(observation.status),
            "the status is one of the game's texts, not \"" + observation.status + '"');
    require(!observation.boxOpen, "no message box is open once dismissed");
    return broken;
}

} // namespace zanfira::differential
