#include "platform/win32/com_failure.h"

#include <cstdio>

#include "platform/win32/wide.h"

namespace zelvo {

std::string hresultText(HRESULT result) {
    char code[16];
    std::snprintf(code, sizeof code, "0x%08lX", static_cast<unsigned long>(result));
    wchar_t* words = nullptr;
    const DWORD n = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, static_cast<DWORD>(result), 0, reinterpret_cast<wchar_t*>(&words), 0, nullptr);
    std::wstring text = n > 0 && words ? std::wstring(words, n) : std::wstring();
    if (words) LocalFree(words);
    // The system's message ends with a full stop and a line break.
    while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' ' ||
                             text.back() == L'.'))
        text.pop_back();
    return text.empty() ? std::string(code) : std::string(code) + " (" + narrow(text) + ")";
}

}  // namespace zelvo
