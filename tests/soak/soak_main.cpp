// zelvo-soak: plays many seeded games with random keys and checks the game after every step.
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include <unistd.h>

#include "soak/soak.h"

namespace {

namespace fs = std::filesystem;

int usage(const std::string& problem) {
    std::cerr << "zelvo-soak: " << problem << "\n"
              << "usage: zelvo-soak [--first SEED] [--seeds COUNT] [--days DAYS] [--year YEAR]\n"
              << "                  [--failures FOLDER] [--script FILE]\n"
              << "  Plays COUNT games from seed SEED on, each for DAYS days (new games begun as\n"
              << "  games end). A seed that breaks a rule of the game is reported with the\n"
              << "  zelvo-headless script that replays it, written to FOLDER (default: the\n"
              << "  current folder). --script writes the commands of the first seed to FILE.\n"
              << "  Every third seed plays in debug mode, where the player cannot lose.\n";
    return 2;
}

bool wholenumber(const char* text, long long low, long long high, long long& value) {
    if (!text) return false;
    char* end = nullptr;
    value = std::strtoll(text, &end, 10);
    return *text != '\0' && *end == '\0' && value >= low && value <= high;
}

// A fresh folder for one game's files, gone when the game is.
class Folder {
public:
    explicit Folder(long long seed) {
        static std::atomic<int> counter{0};
        path_ =
            fs::temp_directory_path() / ("zelvo-soak-" + std::to_string(::getpid()) + "-" +
                                         std::to_string(seed) + "-" + std::to_string(counter++));
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~Folder() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    std::string path() const { return path_.string(); }

private:
    fs::path path_;
};

}  // namespace

int main(int argc, char** argv) {
    long long first = 1, seeds = 1, days = 1800, year = 2030;
    std::string failures = ".", scriptfile;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        bool ok = true;
        if (arg == "--first")
            ok = wholenumber(value, 0, 2147483647, first);
        else if (arg == "--seeds")
            ok = wholenumber(value, 1, 1000000, seeds);
        else if (arg == "--days")
            ok = wholenumber(value, 0, 100000, days);
        else if (arg == "--year")
            ok = wholenumber(value, 1, 9999, year);
        else if (arg == "--failures" && value)
            failures = value;
        else if (arg == "--script" && value)
            scriptfile = value;
        else
            return usage("unknown argument " + arg);
        if (!ok) return usage("a bad value for " + arg);
        ++i;
    }
    if (first + seeds - 1 > 2147483647) return usage("the seeds run past 2147483647");

    const auto start = std::chrono::steady_clock::now();
    long long faults = 0, steps = 0, played = 0;
    int games = 0, lost = 0, outlasted = 0, fiveyears = 0;
    for (long long seed = first; seed < first + seeds; ++seed) {
        Folder folder(seed);
        zelvo::soak::Options options;
        options.seed = seed;
        options.year = static_cast<int>(year);
        options.days = days;
        options.folder = folder.path();
        // Every third game the player cannot lose, so that games reach their fifth year.
        options.debug = seed % 3 == 0;
        const zelvo::soak::Result result = zelvo::soak::play(options);
        steps += result.steps;
        played += result.days;
        games += result.games;
        lost += result.lost;
        outlasted += result.outlasted;
        fiveyears += result.fiveyears;
        if (seed == first && !scriptfile.empty())
            std::ofstream(scriptfile, std::ios::binary)
                << zelvo::soak::replayscript(options, result);
        if (result.fault.empty()) continue;

        ++faults;
        const std::string name =
            (fs::path(failures) / ("soak-seed-" + std::to_string(seed) + ".keys")).string();
        std::ofstream(name, std::ios::binary) << zelvo::soak::replayscript(options, result);
        std::cout << "FAULT at seed " << seed << " after " << result.steps << " commands ("
                  << result.days << " days): " << result.fault << "\n"
                  << "  the last lines the game printed:\n";
        for (const auto& line : result.output) std::cout << "    " << line.substr(0, 300) << "\n";
        std::cout << "  replay: mkdir empty && zelvo-headless --dir empty --seed " << seed
                  << " --year " << year << (options.debug ? " --debug " : " ") << name << "\n";
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::cout << "zelvo-soak: " << seeds << " seeds from " << first << ", " << faults
              << " with faults; " << steps << " commands, " << played << " days, " << games
              << " games begun; " << lost << " lost, " << outlasted
              << " won by outlasting the rivals, " << fiveyears
              << " played to the end of the fifth year; " << seconds << " s\n";
    return faults == 0 ? 0 : 1;
}
