// A million real mouse clicks on the real window, each followed by its repaint; prints the
// resident memory (VmRSS) after start-up, after the first thousand clicks and at the end.
#include "puzzle/board.h"
#include "ui/main_window.h"
#include "ui/qt/qt_toolkit.h"

#include <QApplication>
#include <QMainWindow>
#include <QPushButton>
#include <QTest>

#include <array>
#include <cstdio>
#include <fstream>
#include <string>

namespace {

constexpr long clickCount = 1'000'000;
constexpr long warmUpClicks = 1'000;
constexpr long kibPerMib = 1024;

// The start layout has its blank in the top-right corner: clicking these in turn walks it
// round the 2 × 2 square there and back, so every click moves a tile and none solves the board.
constexpr std::array<int, 4> blankRound{2, 6, 7, 3};

long residentKib()
{
    std::ifstream status("/proc/self/status");
    for (std::string field; status >> field;) {
        if (field == "VmRSS:") {
            long kib = 0;
            status >> kib;
            return kib;
        }
    }
    return -1;
}

void clickCells(const QMainWindow &window, long first, long last)
{
    for (long click = first; click < last; ++click) {
        const int cell = blankRound.at(click % blankRound.size());
        auto *button =
            window.findChild<QPushButton *>(QString::fromUtf8(zanfira::puzzle::cellNames.at(cell)));
        QTest::mouseClick(button, Qt::LeftButton);
        QApplication::processEvents();
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    zanfira::ui::qt::QtToolkit toolkit;
    zanfira::ui::Form1 form1(toolkit);
    form1.show();
    QApplication::processEvents();
    const QMainWindow &window = *toolkit.window();

    const long shown = residentKib();
    clickCells(window, 0, warmUpClicks);
    const long warm = residentKib();
    clickCells(window, warmUpClicks, clickCount);
    const long end = residentKib();

    std::printf("VmRSS shown %ld KiB, after %ld clicks %ld KiB, after %ld clicks %ld KiB\n", shown,
                warmUpClicks, warm, clickCount, end);
    std::printf("growth over %ld clicks: %ld KiB (%ld KiB after the first %ld); budget %ld KiB\n",
                clickCount, end - shown, end - warm, warmUpClicks, kibPerMib);
    return 0;
}
