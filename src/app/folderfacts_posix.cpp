// What a POSIX system says about the program's place.
#include "app/folderfacts.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <system_error>

namespace zelvo {

namespace {

std::optional<std::string> environment(const char* name) {
    const char* value = std::getenv(name);
    if (!value) return std::nullopt;
    return std::string(value);
}

// $HOME, or the home folder the system keeps for the player when HOME is not set.
std::optional<std::string> homefolder() {
    if (auto home = environment("HOME")) return home;
    const passwd* entry = getpwuid(getuid());
    if (entry && entry->pw_dir && entry->pw_dir[0] != '\0') return std::string(entry->pw_dir);
    return std::nullopt;
}

}  // namespace

bool isfolder(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_directory(path, ec);
}

FolderFacts gatherfolderfacts(const std::string& dir, const std::string& program) {
    FolderFacts facts;
    facts.dir = dir;
    facts.program = program;
    facts.programwritable = access(program.c_str(), W_OK) == 0;
    facts.soundsbeside = isfolder(program + "/sounds");
    facts.xdgdatahome = environment("XDG_DATA_HOME");
    facts.home = homefolder();
    return facts;
}

}  // namespace zelvo
