// The game program on Windows: a Win32 window, SAPI, JAWS, UI Automation and DirectSound.
#include <windows.h>

// Needs <windows.h> before it.
#include <shellapi.h>

#include <memory>
#include <string>
#include <vector>

#include "app/gamemain.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_platform.h"

namespace {

// The folder the executable is in, where a portable game keeps its sounds; long paths too.
std::string programFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) return ".";
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2);
    }
    const std::size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? "." : zelvo::narrow(path.substr(0, slash + 1));
}

// The arguments as Windows holds them, in UTF-16, so that a folder named in any language
// arrives whole; without the program's own name.
std::vector<std::string> arguments() {
    std::vector<std::string> out;
    int count = 0;
    LPWSTR* args = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!args) return out;
    for (int i = 1; i < count; ++i) out.push_back(zelvo::narrow(args[i]));
    LocalFree(args);
    return out;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return zelvo::runGameProgram(arguments(), programFolder(),
                                 [] { return std::make_unique<zelvo::Win32Platform>("Zelvo"); });
}
