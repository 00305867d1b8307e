// One soak run: start-up, then the random player's commands through the script runner, the
// invariants after each, and new games begun as games end, until the days are played.
#include "soak/soak.h"

#include <deque>
#include <exception>
#include <sstream>

#include "app/runner.h"
#include "core/zelvo.h"
#include "game/startup.h"
#include "platform/headless/headless_platform.h"
#include "soak/invariants.h"
#include "soak/monkey.h"
#include "state/menunumbers.h"

namespace zelvo::soak {

namespace {

constexpr std::size_t kTailLines = 40;

bool iskey(const std::string& command) {
    return command != "tick" && command != "resume" && command.rfind("days ", 0) != 0;
}

class Run {
public:
    Run(const Options& options, Result& result)
        : options_(options),
          result_(result),
          platform_(out_, windowtitle(kGameVersion),
                    {static_cast<int>(options.seed), options.year}),
          z_(platform_, options.folder),
          monkey_(static_cast<std::uint64_t>(options.seed) * 0x9E3779B97F4A7C15ULL + 1) {}

    void go() {
        try {
            Form_Load(z_);
            if (options_.debug) z_.s.game.debugmode = 1;
        } catch (const ProgramEnded&) {
        }
        result_.fault = collect();
        if (result_.fault.empty()) result_.fault = watch_.check(z_, Step::Replace);
        const long long most = options_.steps > 0 ? options_.steps : 10 * options_.days + 1000;
        while (result_.fault.empty() && z_.daysprocessed < options_.days && result_.steps < most) {
            result_.fault = step();
            ++result_.steps;
        }
        result_.days = z_.daysprocessed;
        result_.state = fingerprint(z_);
        result_.output.assign(tail_.begin(), tail_.end());
    }

private:
    // Runs one script line through the runner, as zelvo-headless would.
    std::string run(const std::string& line) {
        result_.script.push_back(line);
        std::istringstream script(line + "\n");
        std::ostringstream errors;
        int status = 0;
        try {
            status = runscript(z_, platform_, script, errors);
        } catch (const std::exception& e) {
            return std::string("an exception left the game: ") + e.what();
        }
        if (status != 0) return "the runner refused the line: " + errors.str();
        if (platform_.ended()) return "the program ended";
        return "";
    }

    std::string step() {
        const int before = z_.s.ui.menu;
        const std::string command = monkey_.next(z_);
        const bool key = iskey(command);
        // Every box that opens finds an answer waiting, and no answer is left over for long.
        if (key && platform_.queuedAnswers() == 0) {
            const std::string answer = monkey_.answer();
            if (auto fault = run(answer.empty() ? "answer" : "answer " + answer); !fault.empty())
                return fault;
        }
        if (auto fault = run(command); !fault.empty()) return fault;
        if (auto fault = collect(); !fault.empty()) return fault;

        const int after = z_.s.ui.menu;
        const bool replaced = key && (before == menu::Main || before == menu::Setup);
        if (before == menu::Setup && after == menu::Store) {
            ++result_.games;
            if (carriedunits(z_) != kNewGameUnits)
                return "a new game's carried items hold " + std::to_string(carriedunits(z_)) +
                       " units";
            for (int p = 1; p <= z_.s.game.playercount; ++p)
                if (z_.s.store[p].active != 1)
                    return "store " + std::to_string(p) + " begins a new game out of it";
        }
        if (after != before) {
            if (after == menu::Lost) ++result_.lost;
            if (after == menu::Knockout) ++result_.outlasted;
            if (after == menu::Final) ++result_.fiveyears;
        }
        return watch_.check(z_, replaced ? Step::Replace : Step::Play);
    }

    // The lines the step printed: checked, and the last of them kept for the report.
    std::string collect() {
        std::string fault;
        std::istringstream lines(out_.str());
        for (std::string line; std::getline(lines, line);) {
            if (fault.empty()) fault = checkspoken(line);
            tail_.push_back(std::move(line));
            if (tail_.size() > kTailLines) tail_.pop_front();
        }
        out_.str("");
        out_.clear();
        return fault;
    }

    const Options& options_;
    Result& result_;
    std::ostringstream out_;
    HeadlessPlatform platform_;
    Zelvo z_;
    Monkey monkey_;
    Watch watch_;
    std::deque<std::string> tail_;
};

}  // namespace

Result play(const Options& options) {
    Result result;
    Run(options, result).go();
    return result;
}

std::string replayscript(const Options& options, const Result& result) {
    std::ostringstream text;
    text << "# Random play by zelvo-soak, seed " << options.seed << ", " << result.days
         << " days: " << (result.fault.empty() ? "every check held" : result.fault) << "\n"
         << "# zelvo-headless --dir EMPTY-FOLDER --seed " << options.seed << " --year "
         << options.year << (options.debug ? " --debug" : "") << " THIS-FILE\n";
    for (const auto& line : result.script) text << line << '\n';
    return text.str();
}

}  // namespace zelvo::soak
