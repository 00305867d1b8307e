// The script runner: keys, raw key codes, clock firings, whole days, queued answers and
// steps through a box's choices.
#include "app/runner.h"

#include <cstdlib>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "app/replayfiles.h"
#include "core/zelvo.h"
#include "game/menutable.h"
#include "platform/headless/headless_platform.h"

namespace zelvo {

namespace {

std::string trim(const std::string& text) {
    auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// A whole number that fits an int, and nothing else.
std::optional<long long> wholenumber(const std::string& text, long long low, long long high) {
    if (text.empty()) return std::nullopt;
    char* end = nullptr;
    long long value = std::strtoll(text.c_str(), &end, 10);
    if (*end != '\0' || value < low || value > high) return std::nullopt;
    return value;
}

class Runner {
public:
    Runner(Zelvo& z, HeadlessPlatform& platform) : z_(z), platform_(platform) {}

    // False when the command is unknown.
    bool run(const std::string& command) {
        std::istringstream words(command);
        std::string verb;
        words >> verb;
        std::vector<std::string> args;
        for (std::string word; words >> word;) args.push_back(word);

        if (verb == "key") {
            if (args.size() != 2) return false;
            auto code = wholenumber(args[0], -1000000, 1000000);
            auto state = wholenumber(args[1], -1000000, 1000000);
            if (!code || !state) return false;
            press(static_cast<int>(*code), static_cast<int>(*state));
            return true;
        }
        if (verb == "tick") {
            auto count =
                args.empty() ? std::optional<long long>(1) : wholenumber(args[0], 0, 100000000);
            if (!count || args.size() > 1) return false;
            for (long long i = 0; i < *count && !platform_.ended(); ++i) tick();
            return true;
        }
        if (verb == "resume") {
            if (!args.empty()) return false;
            resume();
            return true;
        }
        if (verb == "browse") {
            std::vector<bool> downs;
            for (const std::string& arg : args) {
                if (arg != "Up" && arg != "Down") return false;
                downs.push_back(arg == "Down");
            }
            if (downs.empty()) return false;
            platform_.queueSteps(std::move(downs));
            return true;
        }
        if (verb == "days") {
            auto count = args.size() == 1 ? wholenumber(args[0], 0, 100000000) : std::nullopt;
            if (!count) return false;
            days(*count);
            return true;
        }
        if (args.empty()) {
            if (auto key = parsekey(verb)) {
                press(key->code, key->state);
                return true;
            }
        }
        return false;
    }

private:
    void press(int code, int state) {
        if (auto* events = platform_.events()) events->onKey(code, state);
    }

    // A firing happens only while the day clock runs, as with the real timer.
    void tick() {
        if (!platform_.dayTimerRunning()) return;
        if (auto* events = platform_.events()) events->onDayTimer();
    }

    bool resume() {
        if (platform_.dayTimerRunning() || !isingamemenu(z_.s.ui.menu)) return false;
        press(32, 0);
        return true;
    }

    void days(long long count) {
        const long long target = z_.daysprocessed + count;
        while (z_.daysprocessed < target && !platform_.ended()) {
            const int menu = z_.s.ui.menu;
            if (!isingamemenu(menu)) return;  // a statement, an end screen or another menu
            if (!platform_.dayTimerRunning()) {
                resume();
                if (!platform_.dayTimerRunning()) return;  // nothing would ever move on
            }
            const long long before = z_.daysprocessed;
            tick();
            // A firing that runs no day (the game paused itself) is followed by a resume;
            // a second such firing in a row means the clock cannot run days here.
            if (z_.daysprocessed == before && platform_.dayTimerRunning()) return;
        }
    }

    Zelvo& z_;
    HeadlessPlatform& platform_;
};

}  // namespace

int runscript(Zelvo& z, HeadlessPlatform& platform, std::istream& script, std::ostream& errors,
              int firstline, ReplayFiles* files) {
    Runner runner(z, platform);
    ReplayFiles own(z.folder);
    ReplayFiles& recorded = files ? *files : own;
    std::string raw;
    int number = firstline;
    for (; !platform.ended() && std::getline(script, raw); ++number) {
        if (!raw.empty() && raw.back() == '\r') raw.pop_back();
        const auto line = recorded.take(raw, number, errors);
        if (line == ReplayFiles::Line::Fault) return 2;
        if (line == ReplayFiles::Line::File) continue;
        // An answer keeps its text exactly, leading blanks included.
        if (raw == "answer" || raw.rfind("answer ", 0) == 0) {
            platform.queueAnswer(raw.size() > 7 ? raw.substr(7) : "");
            continue;
        }
        const std::string command = trim(raw);
        if (command.empty() || command[0] == '#') continue;
        bool known = true;
        try {
            known = runner.run(command);
        } catch (const ProgramEnded&) {
            break;
        }
        if (!known) {
            errors << "zelvo-headless: line " << number << ": unknown command: " << command << '\n';
            return 2;
        }
    }
    if (!platform.ended() && !recorded.finish(number - 1, errors)) return 2;
    return 0;
}

}  // namespace zelvo
