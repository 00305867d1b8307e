// A started game on the headless machine, for unit tests.
#include "support/started_game.h"

#include <atomic>
#include <fstream>
#include <iterator>

#include "core/paths.h"
#include "core/system.h"
#include "game/keys.h"
#include "game/shell.h"
#include "game/startup.h"

namespace zelvo::testing {

TempFolder::TempFolder() {
    static std::atomic<int> counter{0};
    path_ = std::filesystem::temp_directory_path() /
            ("zelvo-test-" + std::to_string(processid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::string TempFolder::file(const std::string& name) const {
    return utf8of(path_ / pathof(name));
}

std::string TempFolder::read(const std::string& name) const {
    std::ifstream in(path_ / pathof(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void TempFolder::write(const std::string& name, const std::string& text) const {
    std::ofstream(path_ / pathof(name), std::ios::binary) << text;
}

StartedGame::StartedGame(bool start, HeadlessOptions options)
    : platform(out, windowtitle(kGameVersion), options), z(platform, utf8of(folder.path())) {
    if (start) {
        Form_Load(z);
        take();
    } else {
        bindshell(z);  // keys and ticks reach the game as they would after start-up
    }
}

std::vector<std::string> StartedGame::take() {
    std::vector<std::string> lines;
    std::istringstream in(out.str());
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    out.str("");
    out.clear();
    return lines;
}

std::string StartedGame::lastsaid(const std::vector<std::string>& lines) {
    std::string last = "(nothing)";
    for (const auto& line : lines)
        if (line.rfind("say: ", 0) == 0) last = line.substr(5);
    return last;
}

void StartedGame::press(int code, int state) {
    Form_KeyDown(z, code, state);
}

}  // namespace zelvo::testing
