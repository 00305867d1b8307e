// How Up and Down step through what a text-entry box offers; every adapter's box steps alike.
#pragma once

#include <string>

#include "platform/platform.h"

namespace zelvo {

// The list is ordered as the player hears it, first to last. The first press of either key
// lands on the first choice (the one most likely wanted); then Down moves on and Up moves
// back. At either end the key stops and says the same choice again, which tells the player
// the end is reached without jumping to the far side of a long list.
class ChoiceCursor {
public:
    explicit ChoiceCursor(const InputChoices& choices) : choices_(choices) {}

    // True when the box offers a list at all; Up and Down do nothing otherwise.
    bool offered() const { return !choices_.list.empty() || !choices_.none.empty(); }

    // Steps once. Puts the choice now under the cursor into `field` and returns what is said
    // for it; with nothing to step through, leaves `field` alone and returns `none`.
    const std::string& step(bool down, std::string& field) {
        const int count = static_cast<int>(choices_.list.size());
        if (count == 0) return choices_.none;
        if (at_ < 0)
            at_ = 0;
        else if (down && at_ < count - 1)
            ++at_;
        else if (!down && at_ > 0)
            --at_;
        const InputChoice& choice = choices_.list[static_cast<std::size_t>(at_)];
        field = choice.text;
        return choice.spoken;
    }

private:
    const InputChoices& choices_;
    int at_ = -1;
};

}  // namespace zelvo
