// Checks the words the voices are given for money: the amounts of every size and sign,
// what is not an amount, what espeak-ng makes of them, and that both voices use them.
#include "platform/speechd/spoken_money.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "desktop/fakes/late_daemon.h"
#include "platform/espeak/espeak_voice.h"
#include "platform/speechd/speechd_voice.h"

namespace zelvo {
namespace {

using namespace std::chrono_literals;

TEST(SpokenMoney, AmountsReadAsDollarsAndCents) {
    const struct {
        const char* text;
        const char* said;
    } cases[] = {
        // Amounts as the game writes them.
        {"$49,874.60", "49,874 dollars and 60 cents"},
        {"minus $9,016.75", "minus 9,016 dollars and 75 cents"},
        {"$1.00", "1 dollar"},
        {"$0.05", "5 cents"},
        {"$0.01", "1 cent"},
        {"$0.00", "0 dollars"},
        {"minus $0.00", "minus 0 dollars"},
        {"$2.01", "2 dollars and 1 cent"},
        {"$1.10", "1 dollar and 10 cents"},
        {"$25,000.00", "25,000 dollars"},
        {"$1,234,567.89", "1,234,567 dollars and 89 cents"},
        {"$123,456,789,012,345.67", "123,456,789,012,345 dollars and 67 cents"},
        {"$7", "7 dollars"},
        // Inside sentences, and more than one.
        {"You cannot afford this.  Your store has $1,234.50.",
         "You cannot afford this.  Your store has 1,234 dollars and 50 cents."},
        {"Price: $3.99, stock: 12.", "Price: 3 dollars and 99 cents, stock: 12."},
        {"Cash $10.00; owed minus $5.25.", "Cash 10 dollars; owed minus 5 dollars and 25 cents."},
        {"($1.00)", "(1 dollar)"},
        // A "$" that begins no amount the game writes is read as it stands.
        {"$", "$"},
        {"Dollar store $ ", "Dollar store $ "},
        {"$$5.00", "$5 dollars"},
        {"$.50", "$.50"},
        {"$1,23", "$1,23"},
        {"$1234,567.00", "$1234,567.00"},
        {"$1.5", "$1.5"},
        {"$1.505", "$1.505"},
        {"$5abc", "$5abc"},
        {"US$", "US$"},
        {"", ""},
        {"No money here.  Day 12.", "No money here.  Day 12."},
        // Text that is not ASCII passes untouched.
        {"Caf\xC3\xA9 $2.50", "Caf\xC3\xA9 2 dollars and 50 cents"},
    };
    for (const auto& c : cases) EXPECT_EQ(spokenMoney(c.text), c.said) << c.text;
}

// espeak-ng's phonemes for `text` (its -x output, on one line); fails the test when it
// cannot be run.
std::string phonemes(const std::string& text) {
    const auto file = std::filesystem::temp_directory_path() /
                      ("zelvo-phonemes-" + std::to_string(::getpid()) + ".txt");
    std::ofstream(file) << text;
    const std::string command = "espeak-ng -q -x -f '" + file.string() + "' 2>&1";
    std::string out;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[512];
        for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            out.append(buffer, got);
        const int status = ::pclose(pipe);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            ADD_FAILURE() << "espeak-ng -q -x could not be run (scripts/install-deps installs "
                             "espeak-ng): "
                          << out;
            out.clear();
        }
    } else {
        ADD_FAILURE() << "no shell to run espeak-ng in";
    }
    std::filesystem::remove(file);
    for (char& c : out)
        if (c == '\n') c = ' ';
    const auto first = out.find_first_not_of(' ');
    return first == std::string::npos ? ""
                                      : out.substr(first, out.find_last_not_of(' ') - first + 1);
}

// The first figure of `text`: its first run of digits and grouping commas.
std::string firstFigure(const std::string& text) {
    const auto start = text.find_first_of("0123456789");
    if (start == std::string::npos) return "";
    auto end = text.find_first_not_of("0123456789,", start);
    if (end == std::string::npos) end = text.size();
    while (end > start && text[end - 1] == ',') --end;
    return text.substr(start, end - start);
}

// Whether espeak-ng says the word "dollar" before the first figure of `text`.
bool dollarBeforeFigure(const std::string& text, const std::string& dollar) {
    const std::string said = phonemes(text);
    const std::string figure = phonemes(firstFigure(text));
    const auto figureAt = said.find(figure);
    EXPECT_FALSE(figure.empty()) << text;
    EXPECT_NE(figureAt, std::string::npos)
        << "espeak-ng said the figure " << firstFigure(text) << " (" << figure
        << ") differently in: " << text << " (" << said << ")";
    const auto dollarAt = said.find(dollar);
    return dollarAt != std::string::npos && dollarAt < figureAt;
}

TEST(SpokenMoney, EspeakNgSaysTheFigureBeforeTheDollars) {
    // The words as this espeak-ng says them, whatever its voice.
    const std::string dollar = phonemes("dollar");
    const std::string point = phonemes("point");
    ASSERT_FALSE(dollar.empty());
    ASSERT_FALSE(point.empty());
    const char* const amounts[] = {
        "$49,874.60",
        "minus $9,016.75",
        "$1.00",
        "$0.05",
        "$0.00",
        "$1,234,567.89",
        "You cannot afford this.  Your store has $12,500.25.",
        // As a statement says it (and the transcript of the first month keeps it).
        "Kai Mart owner Dorrin is currently worth minus $98,409.36, once loan debt is "
        "factored in.",
    };
    for (const char* text : amounts) {
        // The game's own text shows the fault this exists for: "dollar forty-nine thousand".
        EXPECT_TRUE(dollarBeforeFigure(text, dollar)) << "as the game writes it: " << text;
        const std::string said = spokenMoney(text);
        EXPECT_FALSE(dollarBeforeFigure(said, dollar)) << said << ": " << phonemes(said);
        EXPECT_EQ(phonemes(said).find(point), std::string::npos)
            << "no cents read as decimals: " << said << ": " << phonemes(said);
    }
}

TEST(SpokenMoney, SpeechDispatcherIsGivenTheWords) {
    const std::string socket = (std::filesystem::temp_directory_path() /
                                ("zelvo-money-" + std::to_string(::getpid()) + ".sock"))
                                   .string();
    testing::LateDaemon daemon(socket, 0ms);
    ASSERT_TRUE(daemon.ok());
    ASSERT_EQ(setenv("SPEECHD_ADDRESS", ("unix_socket:" + socket).c_str(), 1), 0);
    SpeechdVoice voice;
    ASSERT_TRUE(voice.open());
    voice.speak("Your store has $49,874.60.");
    const auto deadline = std::chrono::steady_clock::now() + 5s;
    while (daemon.texts().empty() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(10ms);
    voice.close();
    unsetenv("SPEECHD_ADDRESS");
    EXPECT_EQ(daemon.texts(),
              std::vector<std::string>{"Your store has 49,874 dollars and 60 cents."});
}

// The whole of what espeak-ng makes of `text`.
std::vector<std::int16_t> synthesise(EspeakVoice& voice, std::mutex& m,
                                     std::condition_variable& ready, const std::string& text) {
    const unsigned generation = voice.speak(text);
    std::vector<std::int16_t> samples;
    auto quietSince = std::chrono::steady_clock::now();
    const auto deadline = quietSince + 10s;
    // Pieces come sentence by sentence; a text is done once none has come for a while.
    while (std::chrono::steady_clock::now() < deadline &&
           (samples.empty() || std::chrono::steady_clock::now() - quietSince < 500ms)) {
        {
            std::unique_lock lock(m);
            ready.wait_for(lock, 50ms);
        }
        while (auto piece = voice.takePiece()) {
            if (piece->generation != generation) continue;
            samples.insert(samples.end(), piece->samples.begin(), piece->samples.end());
            quietSince = std::chrono::steady_clock::now();
        }
    }
    return samples;
}

// espeak-ng cannot be started twice in one process, nor beside another test's start: this
// runs in a process of its own and reports by its exit status. Its samples differ a little
// from one text to the next whatever they say, so what it was given shows in how long it
// speaks: "7,000,000 dollars" is half as long as "dollar 7,000,000 point 0 0".
[[noreturn]] void espeakScenario() {
    std::mutex m;
    std::condition_variable ready;
    EspeakVoice voice([&] {
        std::lock_guard lock(m);
        ready.notify_all();
    });
    voice.start();
    const auto length = [&](const char* text) {
        return static_cast<double>(synthesise(voice, m, ready, text).size());
    };
    const double words = length("Cash 7,000,000 dollars.");
    const double game = length("Cash $7,000,000.00.");
    const double written = length("Cash dollar 7,000,000 point 0 0.");
    const bool heard = words > 0 && voice.takeFailure().empty();
    const bool asWords = game > 0.98 * words && game < 1.02 * words;
    const bool notAsWritten = written > 1.3 * words;
    if (!heard || !asWords || !notAsWritten)
        std::fprintf(stderr,
                     "wrong: espeak-ng spoke %.0f samples for the amount, %.0f for it in words "
                     "and %.0f for it as written\n",
                     game, words, written);
    voice.close();
    std::fflush(stderr);
    std::_Exit(heard && asWords && notAsWritten ? 0 : 1);
}

TEST(SpokenMoneyDeathTest, EspeakNgIsGivenTheWords) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(espeakScenario(), ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace zelvo
