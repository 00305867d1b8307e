// What must hold of a running game after every key and every day, checked by the soak test.
#pragma once

#include <array>
#include <string>

#include "state/state.h"

namespace zelvo {
struct Zelvo;
}

namespace zelvo::soak {

// What a step may have done to the game as a whole.
enum class Step {
    Play,  // a key or a day inside a game: every rule of a running game holds across it
    // A key that may have begun a new game or loaded one. A save holds which items are
    // carried but not the warehouse's stock, so after a load the carried units may differ
    // from 2,520; from there on they are again moved and never made.
    Replace,
};

// The game as it stood after the last step, for the rules that compare two moments.
class Watch {
public:
    // The first fault found after a step, or empty.
    std::string check(const Zelvo& z, Step step);

private:
    std::string compare(const Zelvo& z) const;
    void remember(const Zelvo& z);

    bool known_ = false;
    long long units_ = 0;  // the units the carried items hold, moved but never made
    std::array<int, kStoreSlots> active_{};
    std::array<std::array<int, kMaxAisles + 1>, kStoreSlots> stock_{};
    std::array<int, kMaxItems + 1> bought_{};  // the player's purchases this month, per item
    int month_ = 0, year_ = 0;
};

// What the carried items hold at a new game: 28 items of 90 units.
constexpr long long kNewGameUnits = 28LL * 90;

// The rules that hold of any one moment of a game (no comparison with an earlier one).
std::string checkmoment(const Zelvo& z);
// A line the game printed, as the player hears it: every amount a proper money text, no
// sound at a number that is none. Empty, or what is wrong with it.
std::string checkspoken(const std::string& line);
// The date, the menu, the loans and every store's cash, to tell two runs apart.
std::string fingerprint(const Zelvo& z);
// The units the carried items hold in the warehouse.
long long carriedunits(const Zelvo& z);

}  // namespace zelvo::soak
