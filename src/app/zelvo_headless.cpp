// zelvo-headless: the real game on a machine of text, driven by a script of keys and ticks.
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "app/replayfiles.h"
#include "app/runner.h"
#include "core/paths.h"
#include "core/system.h"
#include "core/zelvo.h"
#include "game/startup.h"
#include "platform/headless/headless_platform.h"

namespace {

int usage(const std::string& problem) {
    std::cerr << "zelvo-headless: " << problem << "\n"
              << "usage: zelvo-headless [--dir DIR] [--seed N] [--year YEAR] [--debug] [SCRIPT]\n";
    return 2;
}

bool wholenumber(const char* text, long long low, long long high, long long& value) {
    char* end = nullptr;
    value = std::strtoll(text, &end, 10);
    return *text != '\0' && *end == '\0' && value >= low && value <= high;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> argument = zelvo::programarguments(argc, argv);
    const int count = static_cast<int>(argument.size());
    std::string dir = ".";
    std::string scriptpath;
    bool debug = false;
    bool seedgiven = false, yeargiven = false;
    const std::tm local = zelvo::localnow();
    zelvo::HeadlessOptions options;
    options.seconds = local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec;
    options.year = local.tm_year + 1900;

    for (int i = 1; i < count; ++i) {
        const std::string arg = argument[i];
        long long value = 0;
        auto next = [&]() -> const char* {
            return i + 1 < count ? argument[++i].c_str() : nullptr;
        };
        if (arg == "--dir") {
            const char* text = next();
            if (!text) return usage("--dir needs a folder");
            dir = text;
        } else if (arg == "--seed") {
            const char* text = next();
            if (!text || !wholenumber(text, 0, 2147483647, value))
                return usage("--seed needs a whole number from 0 to 2147483647");
            options.seconds = static_cast<int>(value);
            seedgiven = true;
        } else if (arg == "--year") {
            const char* text = next();
            if (!text || !wholenumber(text, 1, 9999, value))
                return usage("--year needs a year from 1 to 9999");
            options.year = static_cast<int>(value);
            yeargiven = true;
        } else if (arg == "--debug") {
            debug = true;
        } else if (arg.rfind("--", 0) == 0 || !scriptpath.empty()) {
            return usage("unknown argument " + arg);
        } else {
            scriptpath = arg;
        }
    }

    std::error_code ec;
    if (!std::filesystem::is_directory(zelvo::pathof(dir), ec))
        return usage("no such folder: " + dir);

    std::ifstream file;
    if (!scriptpath.empty()) {
        file.open(zelvo::pathof(scriptpath), std::ios::binary);
        if (!file) return usage("cannot read the script " + scriptpath);
    }
    std::istream& script = scriptpath.empty() ? std::cin : file;
    // A recording names the seed and year its session started with on its first line, so
    // that it replays the same draws and dates; the command line can still override them.
    // The files the game read as it started follow, and are laid out before it starts.
    // Standard input is never read ahead: a program driving the runner line by line waits
    // for the welcome before it sends anything.
    zelvo::ReplayFiles files(dir);
    int firstline = 1;
    if (!scriptpath.empty()) {
        const zelvo::ReplayOpening opening = zelvo::readopening(file, files, std::cerr);
        if (opening.fault) return 2;
        if (opening.start) {
            if (!seedgiven) options.seconds = opening.start->seed;
            if (!yeargiven) options.year = opening.start->year;
        }
        firstline = opening.lines + 1;
    }

    // The runner's lines are the same bytes on every system.
    zelvo::plainstreams();
    std::ios::sync_with_stdio(false);
    zelvo::HeadlessPlatform platform(std::cout, zelvo::windowtitle(zelvo::kGameVersion), options);
    zelvo::Zelvo z(platform, dir);
    int status = 0;
    try {
        zelvo::Form_Load(z);
        if (debug) z.s.game.debugmode = 1;
        status = zelvo::runscript(z, platform, script, std::cerr, firstline, &files);
    } catch (const zelvo::ProgramEnded&) {
    }
    std::cout.flush();
    return status;
}
