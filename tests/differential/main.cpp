// Plays random input on the real game and on the model side by side and stops at the first
// event after which they differ or the real game breaks an invariant.
//
//   differential [--events N] [--seed S]      (ZANFIRA_SEED=S works as --seed S)
//
// A failure prints its seed and the failing input shrunk to a few events.

#include "differential/generator.h"
#include "differential/lockstep.h"
#include "differential/shrink.h"
#include "differential/solver.h"

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <random>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace zanfira::differential;

// Below this many events a run may fairly end without a win or a loss.
constexpr std::uint64_t reachCheckedFrom = 100'000;

struct Options {
    std::uint64_t events = 1'000'000;
    std::uint64_t seed = 0;
};

// Nothing when the arguments are not understood.
std::optional<Options> parseOptions(int argc, char **argv)
{
    Options options;
    options.seed = std::random_device{}();
    if (const char *seed = std::getenv("ZANFIRA_SEED")) {
        options.seed = std::stoull(seed);
    }
    const auto given = std::span(argv, static_cast<std::size_t>(argc)).subspan(1);
    const std::vector<std::string_view> arguments(given.begin(), given.end());
    if (arguments.size() % 2 != 0) {
        return std::nullopt;
    }
    for (std::size_t index = 0; index < arguments.size(); index += 2) {
        const std::string value(arguments.at(index + 1));
        if (arguments.at(index) == "--events") {
            options.events = std::stoull(value);
        } else if (arguments.at(index) == "--seed") {
            options.seed = std::stoull(value);
        } else {
            return std::nullopt;
        }
    }
    return options;
}

Solutions solveLayouts()
{
    return {solve(Model::layout(Level::facil)), solve(Model::layout(Level::medio))};
}

void printSequence(const std::vector<Event> &events)
{
    for (std::size_t index = 0; index < events.size(); ++index) {
        std::cout << "  " << index + 1 << ". " << describe(events.at(index)) << '\n';
    }
}

int reportFailure(const Options &options, const std::vector<Event> &history,
                  const std::string &report)
{
    std::cout << "The game and the model part after event " << history.size() << " (seed "
              << options.seed << "):\n"
              << report << "Shrinking..." << std::endl;
    const std::vector<Event> shrunk = shrink(history);
    std::cout << "Shrunk to " << shrunk.size() << (shrunk.size() == 1 ? " event" : " events")
              << " from a fresh start:\n";
    printSequence(shrunk);
    if (const auto failure = replay(shrunk)) {
        std::cout << "after which:\n" << failure->report;
    }
    std::cout << "Rerun with ZANFIRA_SEED=" << options.seed << '\n';
    return EXIT_FAILURE;
}

int reportReach(const Options &options, const Tally &tally, double seconds)
{
    std::cout << options.events << " events agreed in " << seconds
              << " s: " << static_cast<std::uint64_t>(static_cast<double>(options.events) / seconds)
              << " events per second\n"
              << "reached " << tally.wins << " wins, " << tally.losses << " losses, "
              << tally.abouts << " About boxes\n";
    if (options.events >= reachCheckedFrom && (tally.wins == 0 || tally.losses == 0)) {
        std::cout << "The input never reached a win or a loss: it no longer tests them.\n";
        return EXIT_FAILURE;
    }
    return EXIT_SUCCESS;
}

int run(const Options &options)
{
    std::cout << "Seed " << options.seed << ", " << options.events << " events" << std::endl;
    EventGenerator generator(options.seed, solveLayouts());
    Lockstep lockstep;
    std::vector<Event> history;
    history.reserve(options.events);
    const auto start = std::chrono::steady_clock::now();
    for (std::uint64_t count = 0; count < options.events; ++count) {
        history.push_back(generator.next(lockstep.model()));
        if (const auto report = lockstep.step(history.back())) {
            return reportFailure(options, history, *report);
        }
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    return reportReach(options, lockstep.tally(), elapsed.count());
}

} // namespace

int main(int argc, char **argv)
{
    const auto options = parseOptions(argc, argv);
    if (!options) {
        std::cerr << "usage: differential [--events N] [--seed S]\n";
        return EXIT_FAILURE;
    }
    return run(*options);
}
