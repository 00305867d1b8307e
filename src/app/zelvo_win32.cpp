// The game program on Windows: a Win32 window, SAPI, JAWS, UI Automation and DirectSound.
#include <windows.h>

#include <memory>
#include <string>

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

}  // namespace

// A window program (no console) with a main of its own, as mingw-w64 allows: the arguments
// are taken again from the command line in UTF-16 (programarguments).
int main(int argc, char** argv) {
    return zelvo::runGameProgram(argc, argv, programFolder(),
                                 [] { return std::make_unique<zelvo::Win32Platform>("Zelvo"); });
}
