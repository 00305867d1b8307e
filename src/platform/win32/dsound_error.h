// DirectSound's failures in words a player or helper can act on.
#pragma once

#include <windows.h>

#include <string>

namespace zelvo {

// What the result means, with its DirectSound name in brackets, e.g. "no sound driver is
// available (DSERR_NODRIVER)"; a result DirectSound does not name gets the system's own
// words and its number.
std::string dsoundreason(HRESULT result);

}  // namespace zelvo
