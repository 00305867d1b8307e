// Checks how soon the player hears the game when speech-dispatcher is slow to answer, and
// that speech-dispatcher takes over once it does.
#include "platform/sdl/voice_output.h"

#include <SDL2/SDL.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "desktop/fakes/late_daemon.h"
#include "platform/sdl/mixer.h"

namespace zelvo {
namespace {

using namespace std::chrono_literals;
using testing::LateDaemon;
using Clock = std::chrono::steady_clock;
using Engine = VoiceRoute::Engine;

// Runs the voice's events until `done` holds or `limit` has passed; the time it took.
Clock::duration pumpUntil(VoiceOutput& voice, const std::function<bool()>& done,
                          Clock::duration limit) {
    const auto start = Clock::now();
    while (!done() && Clock::now() - start < limit) {
        SDL_Event e;
        if (SDL_WaitEventTimeout(&e, 20)) voice.handle(e);
    }
    return Clock::now() - start;
}

// espeak-ng cannot be started a second time in one process (its second shutdown never
// returns), so each scenario runs in a process of its own and reports by its exit status,
// naming on standard error what went wrong.
struct SlowDaemon {
    explicit SlowDaemon(int(&wrongs)) : wrong(wrongs) {
        check(daemon.ok(), "the daemon's socket opens");
        setenv("SPEECHD_ADDRESS", ("unix_socket:" + socket).c_str(), 1);
        check(SDL_Init(SDL_INIT_TIMER | SDL_INIT_EVENTS) == 0, "SDL starts");
    }
    void check(bool ok, const char* what) {
        if (!ok) std::fprintf(stderr, "wrong: %s\n", what), ++wrong;
    }
    [[noreturn]] void end() {
        std::fflush(stderr);
        std::_Exit(wrong == 0 ? 0 : 1);
    }
    int& wrong;
    const std::string socket = (std::filesystem::temp_directory_path() /
                                ("zelvo-late-" + std::to_string(::getpid()) + ".sock"))
                                   .string();
    // The daemon keeps silent well past the first words' wait, then answers.
    LateDaemon daemon{socket, 2000ms};
};

[[noreturn]] void slowDaemonScenario() {
    int wrong = 0;
    SlowDaemon slow(wrong);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    Mixer mixer;
    bool opened = true;
    try {
        mixer.open(2);
    } catch (const std::exception&) {
        opened = false;
    }
    slow.check(opened, "the sound device opens");
    std::vector<std::string> titles;
    VoiceOutput voice(mixer, [&titles](const std::string& t) { titles.push_back(t); });
    slow.check(voice.open(), "the voice opens");
    voice.speak("Welcome to Zelvo.");
    const auto waited = pumpUntil(
        voice, [&] { return voice.engine() != Engine::Speechd; }, 3s);
    slow.check(waited < 1500ms, "the first words come within 1.5 s");
    slow.check(voice.engine() == Engine::EspeakForNow, "espeak-ng speaks for now");

    pumpUntil(
        voice, [&] { return voice.engine() == Engine::Speechd; }, 4s);
    slow.check(voice.engine() == Engine::Speechd, "speech-dispatcher takes over once it answers");
    voice.speak("Main menu.");
    pumpUntil(
        voice,
        [&] {
            const auto t = slow.daemon.texts();
            return !t.empty() && t.back() == "Main menu.";
        },
        2s);
    // The welcome was espeak-ng's to say; speech-dispatcher says what follows.
    slow.check(slow.daemon.texts() == std::vector<std::string>{"Main menu."},
               "speech-dispatcher says only what came after it answered");
    slow.check(voice.takeReport().empty(), "a slow daemon is no failure");
    slow.check(titles.empty(), "nothing goes to the title");
    mixer.close();
    slow.end();
}

// Without a sound device espeak-ng would speak into nothing: the words wait for
// speech-dispatcher, which reaches the sound card its own way.
[[noreturn]] void slowDaemonNoSoundScenario() {
    int wrong = 0;
    SlowDaemon slow(wrong);
    Mixer mixer;  // never opened
    VoiceOutput voice(mixer, [](const std::string&) {});
    slow.check(voice.open(), "the voice opens");
    voice.speak("Unable to start the sound.");
    pumpUntil(
        voice, [&] { return !slow.daemon.texts().empty(); }, 4s);
    slow.check(voice.engine() == Engine::Speechd, "speech-dispatcher keeps the voice");
    slow.check(slow.daemon.texts() == std::vector<std::string>{"Unable to start the sound."},
               "speech-dispatcher says the words it was given before it answered");
    slow.end();
}

TEST(VoiceOutputDeathTest, FirstWordsComeAtOnceAndSpeechdTakesOverWhenItAnswers) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(slowDaemonScenario(), ::testing::ExitedWithCode(0), "");
}

TEST(VoiceOutputDeathTest, WithoutASoundDeviceTheFirstWordsWaitForSpeechd) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(slowDaemonNoSoundScenario(), ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace zelvo
