#include "differential/observation.h"

#include <iomanip>
#include <sstream>

namespace zanfira::differential {
namespace {

std::string hex(Colour colour)
{
    std::ostringstream text;
    text << "0x" << std::hex << std::uppercase << std::setw(8) << std::setfill('0') << colour;
    return text.str();
}

std::string quoted(const std::string &text)
{
    return '"' + text + '"';
}

std::string stagesText(std::uint32_t enabledStages)
{
    std::string text;
    for (int stage = 1; stage <= stageCount; ++stage) {
        if (((enabledStages >> (stage - 1)) & 1U) != 0) {
            text += (text.empty() ? "Timer" : ", Timer") + std::to_string(stage);
        }
    }
    return text.empty() ? "none" : text;
}

class DifferenceList {
public:
    template <typename Value>
    void compare(const std::string &field, const Value &expected, const Value &actual)
    {
        if (expected != actual) {
            lines_ << "  " << field << ": expected " << expected << ", real " << actual << '\n';
        }
    }
    [[nodiscard]] std::string str() const { return lines_.str(); }

private:
    std::ostringstream lines_;
};

} // namespace

std::string describeDifferences(const Observation &expected, const Observation &actual)
{
    if (expected == actual) {
        return {};
    }
    DifferenceList differences;
    differences.compare("clock (ms)", expected.nowMs, actual.nowMs);
    for (int cell = 0; cell < cellCount; ++cell) {
        const std::string name(cellNames.at(cell));
        differences.compare(name + " caption", quoted(expected.captions.at(cell)),
                            quoted(actual.captions.at(cell)));
        differences.compare(name + " background", hex(expected.backgrounds.at(cell)),
                            hex(actual.backgrounds.at(cell)));
    }
    differences.compare("facil checked", expected.facil, actual.facil);
    differences.compare("medio checked", expected.medio, actual.medio);
    differences.compare("dificil checked", expected.dificil, actual.dificil);
    differences.compare("lig checked", expected.lig, actual.lig);
    differences.compare("des checked", expected.des, actual.des);
    differences.compare("status", quoted(expected.status), quoted(actual.status));
    differences.compare("enabled stages", stagesText(expected.enabledStages),
                        stagesText(actual.enabledStages));
    differences.compare("ms until the stage fires", expected.stageRemainingMs,
                        actual.stageRemainingMs);
    differences.compare("message boxes shown", expected.boxesShown, actual.boxesShown);
    differences.compare("a message box open", expected.boxOpen, actual.boxOpen);
    return differences.str();
}

std::string describeDifferences(const BoxRecord &expected, const BoxRecord &actual)
{
    const bool textMatches = expected.textPrefixOnly ? actual.text.starts_with(expected.text)
                                                     : actual.text == expected.text;
    if (textMatches && expected.title == actual.title && expected.style == actual.style &&
        expected.whenOpened == actual.whenOpened) {
        return {};
    }
    DifferenceList differences;
    if (!textMatches) {
        differences.compare("box text", quoted(expected.text), quoted(actual.text));
    }
    differences.compare("box title", quoted(expected.title), quoted(actual.title));
    differences.compare("box style", expected.style, actual.style);
    const std::string whenOpened = describeDifferences(expected.whenOpened, actual.whenOpened);
    if (!whenOpened.empty()) {
        return differences.str() + "  while the box \"" + expected.title + "\" was open:\n" +
               whenOpened;
    }
    return differences.str();
}

} // namespace zanfira::differential
