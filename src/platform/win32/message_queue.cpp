// Taking the thread's next window message, waiting for it as long as the caller allows.
#include "platform/win32/message_queue.h"

namespace zelvo {

bool nextMessage(MSG& msg, int timeoutMs) {
    if (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) return true;
    if (timeoutMs == 0) return false;
    const DWORD wait = timeoutMs < 0 ? INFINITE : static_cast<DWORD>(timeoutMs);
    // MWMO_INPUTAVAILABLE: input already seen but not taken still ends the wait.
    MsgWaitForMultipleObjectsEx(0, nullptr, wait, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    return PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE) != 0;
}

}  // namespace zelvo
