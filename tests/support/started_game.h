// A started game on the headless machine, in a folder of its own, for unit tests.
#pragma once

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "core/zelvo.h"
#include "platform/headless/headless_platform.h"

namespace zelvo::testing {

// A fresh, empty folder that disappears with the test.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    const std::filesystem::path& path() const { return path_; }
    // In UTF-8, as the game names every file.
    std::string file(const std::string& name) const;
    std::string read(const std::string& name) const;
    void write(const std::string& name, const std::string& text) const;

private:
    std::filesystem::path path_;
};

class StartedGame {
public:
    // Runs the real start-up unless `start` is false. The seed and year are those of
    // tests/transcripts/default-args, as every transcript runs with.
    explicit StartedGame(bool start = true,
                         HeadlessOptions options = {ZELVO_DEFAULT_SEED, ZELVO_DEFAULT_YEAR});

    // The lines the machine printed since the last call.
    std::vector<std::string> take();
    // The last text spoken in `lines`, or "(nothing)".
    static std::string lastsaid(const std::vector<std::string>& lines);
    void press(int code, int state = 0);

    TempFolder folder;
    std::ostringstream out;
    HeadlessPlatform platform;
    Zelvo z;
};

}  // namespace zelvo::testing
