#pragma once

#include <array>
#include <cstdlib>
#include <string_view>

// The grid as the test tooling sees it: cells by row-major index, named as on the window.
namespace zanfira::differential {

inline constexpr int cellCount = 16;
inline constexpr int sideLength = 4;

inline constexpr std::array<std::string_view, cellCount> cellNames{
    "um",   "dois", "tres", "quatro", "cinco", "seis",     "sete",   "oito",
    "nove", "dez",  "onze", "doze",   "treze", "quatorze", "quinze", "dezesseis",
};

constexpr bool adjacent(int first, int second)
{
    const int rowDistance = std::abs(first / sideLength - second / sideLength);
    const int columnDistance = std::abs(first % sideLength - second % sideLength);
    return rowDistance + columnDistance == 1;
}

} // namespace zanfira::differential
