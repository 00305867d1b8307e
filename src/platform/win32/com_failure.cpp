#include "platform/win32/com_failure.h"

#include <cstdio>

#include "platform/win32/wide.h"

namespace zelvo {

std::string hresultCode(HRESULT result) {
    char code[16];
    std::snprintf(code, sizeof code, "0x%08lX", static_cast<unsigned long>(result));
    return code;
}

std::string systemWords(HRESULT result) {
    wchar_t* words = nullptr;
    const DWORD n = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, static_cast<DWORD>(result), 0, reinterpret_cast<wchar_t*>(&words), 0, nullptr);
    std::string text = n > 0 && words ? narrow(std::wstring(words, n)) : std::string();
    if (words) LocalFree(words);
    // The system's message ends with a full stop and a line break.
    text.erase(text.find_last_not_of(" .\r\n") + 1);
    return text;
}

std::string hresultText(HRESULT result) {
    const std::string words = systemWords(result);
    return words.empty() ? hresultCode(result) : hresultCode(result) + " (" + words + ")";
}

}  // namespace zelvo
