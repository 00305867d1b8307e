// The random player of the soak test: keys from every menu, days, and answers for the boxes.
#pragma once

#include <cstdint>
#include <random>
#include <string>

namespace zelvo {
struct Zelvo;
}

namespace zelvo::soak {

class Monkey {
public:
    explicit Monkey(std::uint64_t seed) : rng_(seed) {}

    // The next command for the runner, as a script line: a key, a raw key, a day or a tick.
    // Never a command that would end the program.
    std::string next(const Zelvo& z);
    // What the next text-entry box returns: sometimes sensible, mostly hostile.
    std::string answer();

private:
    double draw() { return static_cast<double>(rng_() >> 11) * 0x1.0p-53; }
    int below(int n) { return static_cast<int>(draw() * n); }
    std::string randomkey();
    // A key towards what the player means to do in a menu out of the game (most often back
    // to a running game), or empty in the game's own menus.
    std::string towardsgame(const Zelvo& z);
    // What the player means to choose in the menu just entered: a position, 0 for going back.
    int choosegoal(const Zelvo& z);

    int goalmenu_ = 0;  // the menu the goal was chosen in
    int goal_ = 0;

    std::mt19937_64 rng_;
};

// True when `command` would end the program in the game's current menu.
bool wouldquit(const Zelvo& z, const std::string& command);

}  // namespace zelvo::soak
