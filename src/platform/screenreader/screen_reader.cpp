// Speech output 3: the screen reader's remote-control service.
#include "platform/screenreader/screen_reader.h"

#include "platform/platform.h"

namespace zelvo {

bool ScreenReader::open() {
    return false;
}

void ScreenReader::say(const std::string&) {
    throw PlatformError("the screen reader is not running");
}

}  // namespace zelvo
