// Checks that a voice whose speech-dispatcher cannot be reached says so and still holds
// the text it owes the player, for the fallback voice to say.
#include "platform/speechd/speechd_voice.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>

namespace zelvo {
namespace {

TEST(SpeechdVoice, UnreachableDaemonKeepsTheNewestTextForAnotherVoice) {
    // An address nothing listens on: libspeechd reads it before anything else.
    ASSERT_EQ(setenv("SPEECHD_ADDRESS", "unix_socket:/nonexistent/zelvo-test.sock", 1), 0);
    SpeechdVoice voice;
    ASSERT_TRUE(voice.open());
    voice.speak("Welcome.");
    voice.speak("Welcome to Zelvo.  Main menu.");

    std::string error;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (error.empty() && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        error = voice.takeError();
    }
    unsetenv("SPEECHD_ADDRESS");
    EXPECT_NE(error.find("speech-dispatcher could not be reached"), std::string::npos) << error;
    EXPECT_FALSE(voice.settled());
    EXPECT_EQ(voice.takeError(), "") << "each failure is told once";

    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(voice.abandon(std::chrono::milliseconds(50)), "Welcome to Zelvo.  Main menu.");
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(500));
    EXPECT_FALSE(voice.open()) << "given up for good";
}

}  // namespace
}  // namespace zelvo
