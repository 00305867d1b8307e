// Speech output 3: the screen reader's remote-control service.
#pragma once

#include <string>

namespace zelvo {

// Not connected to any screen reader yet, so it always reports itself absent and the game
// falls back as it does for a missing screen reader. The session-bus client goes here:
// open() asks the service whether it answers, say() presents one message through it.
class ScreenReader {
public:
    bool open();
    void say(const std::string& text);
};

}  // namespace zelvo
