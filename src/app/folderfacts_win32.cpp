// What Windows says about the program's place.
#include "app/folderfacts.h"

#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "core/paths.h"
#include "core/system.h"

namespace zelvo {

namespace {

// Windows's access rights do not show in a file's attributes: the folder is asked by making
// a file in it, which the system removes as it closes, even if the program ends first.
bool writable(const std::string& folder) {
    const std::filesystem::path probe =
        pathof(folder) / pathof(".zelvo-" + std::to_string(processid()) + "-probe.tmp");
    HANDLE file = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
}

}  // namespace

bool isfolder(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_directory(pathof(path), ec);
}

FolderFacts gatherfolderfacts(const std::string& dir, const std::string& program) {
    FolderFacts facts;
    facts.dir = dir;
    facts.program = program;
    facts.programwritable = writable(program);
    facts.soundsbeside = isfolder(program + "/sounds");
    if (const wchar_t* appdata = _wgetenv(L"APPDATA")) facts.appdata = utf8fromwide(appdata);
    return facts;
}

}  // namespace zelvo
