// Where the game's files are found: its sounds, and the folder of the player's own files.
#include "app/folders.h"

#include <filesystem>
#include <system_error>

#include "core/paths.h"

namespace zelvo {

namespace {

std::string joined(const std::string& folder, const std::string& name) {
    if (folder.empty() || folder.back() == '/') return folder + name;
    return folder + "/" + name;
}

}  // namespace

FolderChoice choosePlayerFolder(const FolderFacts& facts) {
    if (!facts.dir.empty()) return {facts.dir, {}};
    if (facts.programwritable && facts.soundsbeside) return {facts.program, {}};
    if (facts.appdata && !facts.appdata->empty()) {
        const char last = facts.appdata->back();
        return {*facts.appdata + (last == '\\' || last == '/' ? "" : "\\") + "Zelvo", {}};
    }
    // Relative paths in XDG variables are invalid and are to be ignored.
    if (facts.xdgdatahome && !facts.xdgdatahome->empty() && facts.xdgdatahome->front() == '/')
        return {joined(*facts.xdgdatahome, "zelvo"), {}};
    if (facts.home && !facts.home->empty()) return {joined(*facts.home, ".local/share/zelvo"), {}};
    return {{},
            "there is no home folder to keep your games and settings in; start the game with "
            "--dir and a folder for them"};
}

std::string chooseSoundFolder(const std::string& program, const std::string& installed,
                              const std::function<bool(const std::string&)>& isfolder) {
    if (isfolder(joined(program, "sounds"))) return program;
    const std::string data = joined(program, installed);
    if (isfolder(joined(data, "sounds"))) return data;
    return program;
}

bool makePlayerFolder(const std::string& folder, std::string& problem) {
    std::error_code ec;
    std::filesystem::create_directories(pathof(folder), ec);
    if (std::filesystem::is_directory(pathof(folder), ec)) return true;
    problem = "the folder for your games, " + folder + ", cannot be made" +
              (ec ? ": " + ec.message() : ": a file of that name is in the way");
    return false;
}

}  // namespace zelvo
