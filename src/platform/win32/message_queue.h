// Taking the thread's next window message, waiting for it as long as the caller allows.
#pragma once

#include <windows.h>

namespace zelvo {

// Waits up to timeoutMs (-1: without end, 0: not at all) for a posted message or input, and
// takes it from the queue; false when none came. Messages sent by other threads are handled
// while it waits, inside PeekMessage.
bool nextMessage(MSG& msg, int timeoutMs);

}  // namespace zelvo
