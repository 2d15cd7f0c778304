#include "differential/solver.h"

#include <iostream>
#include <string>

// Prints the cells to click, by row-major index from 0, that solve the board given as
// sixteen captions in row-major order (the blank as an empty argument). The end-to-end
// tests ask it rather than carry a solver of their own.
int main(int argc, char *argv[])
{
    using namespace zanfira::differential;
    if (argc != cellCount + 1) {
        std::cerr << "usage: solution_clicks CAPTION… (sixteen, the blank as \"\")\n";
        return 2;
    }
    Captions board;
    for (int cell = 0; cell < cellCount; ++cell) {
        board.at(cell) = argv[cell + 1];
    }
    for (const int cell : solve(board)) {
        std::cout << cell << '\n';
    }
    return 0;
}
