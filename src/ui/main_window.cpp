#include "ui/main_window.h"

#include <string>

namespace zanfira::ui {
namespace {

using puzzle::Cell;
using puzzle::Level;

constexpr WindowDeclaration form1{"Form1", "Zanfira", 2985, 3765, desktopColour};

constexpr Colour lightGrey = rgb(0xE0, 0xE0, 0xE0);
constexpr Font titleFont{"BankGothic Md BT", 12.75, true};
constexpr Font cellFont{"MS Sans Serif", 8.25, true};
constexpr Font statusFont{"Arial", 8.25, false};
constexpr Font defaultFont{"", 0, false};

constexpr ControlDeclaration label1{"Label1",  "",        {120, 120, 2895, 495}, "ZANFIRA",
                                    titleFont, lightGrey, desktopColour};
constexpr ControlDeclaration frame1{"Frame1",    "", {360, 360, 2175, 2055}, "",
                                    defaultFont, 0,  desktopColour};
constexpr ControlDeclaration command1{"Command1",  "", {360, 2520, 2175, 375}, "Embaralhar",
                                      defaultFont, 0,  buttonFaceColour};
constexpr ControlDeclaration statusBar1{"StatusBar1",           "",         {0, 3480, 2985, 285},
                                        timelimit::timeOffText, statusFont, 0,
                                        buttonFaceColour};

// The cells overlap their neighbours by one pixel each way: 495 × 375 on a 480 × 360 pitch.
constexpr int cellLeft = 120;
constexpr int cellTop = 240;
constexpr int cellPitchX = 480;
constexpr int cellPitchY = 360;
constexpr int cellWidth = 495;
constexpr int cellHeight = 375;

// What a screen reader calls the blank cell.
constexpr std::string_view blankCellName = "vazio";

// A cell's place as a screen reader describes it, rows and columns counted from 1.
std::string cellPlace(int index)
{
    const int row = index / puzzle::columnCount + 1;
    const int column = index % puzzle::columnCount + 1;
    return "linha " + std::to_string(row) + ", coluna " + std::to_string(column);
}

constexpr ControlDeclaration cellDeclaration(int index, std::string_view place)
{
    const int row = index / puzzle::columnCount;
    const int column = index % puzzle::columnCount;
    return {puzzle::cellNames.at(index),
            "Frame1",
            {cellLeft + cellPitchX * column, cellTop + cellPitchY * row, cellWidth, cellHeight},
            puzzle::startArrangement.at(index),
            cellFont,
            0,
            puzzle::ButtonFace,
            place,
            blankCellName};
}

} // namespace

Form1::Form1(Toolkit &toolkit)
    : toolkit_(toolkit), widgets_(declare()),
      board_(widgets_.cells, toolkit_, [this] { countdown_.stop(); }),
      levels_({*widgets_.facil, *widgets_.medio, *widgets_.dificil}, board_),
      countdown_({widgets_.timers, *widgets_.lig, *widgets_.des, *widgets_.statusBar1}, toolkit_,
                 levels_),
      commands_(toolkit_, levels_, countdown_)
{
}

void Form1::show()
{
    toolkit_.showWindow();
}

Form1Widgets Form1::declare()
{
    Form1Widgets widgets{};
    toolkit_.createWindow(form1);
    toolkit_.addLabel(label1);
    toolkit_.addFrame(frame1);
    for (int index = 0; index < puzzle::cellCount; ++index) {
        const Cell cell = puzzle::cellAt(index);
        widgets.cells.at(index) = &toolkit_.addPushButton(cellDeclaration(index, cellPlace(index)),
                                                          [this, cell] { board_.clickCell(cell); });
    }
    toolkit_.addPushButton(command1, [this] { commands_.embaralhar(); });
    toolkit_.onArrowKey([this](Arrow arrow) { board_.pressArrow(arrow); });
    widgets.statusBar1 = &toolkit_.addStatusBar(statusBar1);
    declareMenus(widgets);
    declareTimers(widgets);
    return widgets;
}

void Form1::declareMenus(Form1Widgets &widgets)
{
    toolkit_.addMenuItem({"nivel", "", "Arquivo", false}, {});
    toolkit_.addMenuItem({"about", "nivel", "About", false}, [this] { commands_.about(); });
    toolkit_.addMenuItem({"separador2", "nivel", "-", false}, {});
    toolkit_.addMenuItem({"fecha", "nivel", "Sair", false}, [this] { commands_.sair(); });
    toolkit_.addMenuItem({"opc", "", "Opções", false}, {});
    toolkit_.addMenuItem({"tmp", "opc", "Tempo", false}, {});
    widgets.lig = &toolkit_.addMenuItem({"lig", "tmp", "Ligado", false},
                                        [this] { countdown_.switchTimeOn(); });
    widgets.des = &toolkit_.addMenuItem({"des", "tmp", "Desligado", true},
                                        [this] { countdown_.switchTimeOff(); });
    toolkit_.addMenuItem({"niv", "opc", "Nivel", false}, {});
    widgets.facil = &toolkit_.addMenuItem({"facil", "niv", "Facil", true},
                                          [this] { levels_.selectLevel(Level::facil); });
    widgets.medio = &toolkit_.addMenuItem({"medio", "niv", "Medio", false},
                                          [this] { levels_.selectLevel(Level::medio); });
    widgets.dificil = &toolkit_.addMenuItem({"dificil", "niv", "Dificil", false},
                                            [this] { levels_.selectLevel(Level::dificil); });
}

void Form1::declareTimers(Form1Widgets &widgets)
{
    for (int index = 0; index < timelimit::stageCount; ++index) {
        const std::string name = "Timer" + std::to_string(index + 1);
        widgets.timers.at(index) =
            &toolkit_.addTimer({name, timelimit::stages.at(index).intervalMs},
                               [this, index] { countdown_.runStage(index); });
    }
}

} // namespace zanfira::ui
