// One soak run: a seeded random player drives whole games through the script runner while
// the game's invariants are checked after every key and every day.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zelvo::soak {

struct Options {
    std::int64_t seed = 1;  // the game's seed, and the random player's
    int year = 2030;
    long long days = 1800;  // play on, across new games, until this many days have passed
    long long steps = 0;    // give up after this many commands; 0: ten per day
    bool debug = false;     // the developer's switch, as zelvo-headless --debug sets it
    std::string folder;     // the program's folder; it must exist and should be empty
};

struct Result {
    std::string fault;                // empty when every check held
    std::vector<std::string> script;  // the commands given, as zelvo-headless reads them
    std::vector<std::string> output;  // the last lines the game printed
    std::string state;                // the game's fingerprint at the end
    long long steps = 0;
    long long days = 0;
    int games = 0;      // games begun after start-up
    int lost = 0;       // games the player lost
    int outlasted = 0;  // games every rival left
    int fiveyears = 0;  // games played to the last statement
};

Result play(const Options& options);

// The script that replays a run with zelvo-headless, with the command line in its head.
std::string replayscript(const Options& options, const Result& result);

}  // namespace zelvo::soak
