// Failures of COM calls in words a player or a developer can act on, each reported once.
#pragma once

#include <windows.h>

#include <set>
#include <string>

namespace zelvo {

// "0x80004001 (Not implemented)": the code, and the system's own words for it when it has
// any, so the debug log says what went wrong without a lookup.
std::string hresultText(HRESULT result);
// The parts of it: the code as Windows writes it, "0x80004001", and the system's words
// without their final full stop, empty when it has none.
std::string hresultCode(HRESULT result);
std::string systemWords(HRESULT result);

// An engine that fails once usually fails the same way for every message after; the game
// logs each report, so a failure is reported the first time it happens and not again.
class FailureOnce {
public:
    // True the first time `result` is seen.
    bool first(HRESULT result) { return seen_.insert(result).second; }

private:
    std::set<HRESULT> seen_;
};

}  // namespace zelvo
