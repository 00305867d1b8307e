// With no BRLTTY to answer, the braille display is quietly absent and never holds the game up.
#include "platform/braille/brlapi_display.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>

namespace zelvo {
namespace {

TEST(BrailleDisplay, WithoutBrlttyEveryWriteReturnsAtOnceAndNothingListens) {
    // A local BrlAPI socket no daemon serves.
    ASSERT_EQ(setenv("BRLAPI_HOST", ":97", 1), 0);
    BrailleDisplay display(-1);
    const auto started = std::chrono::steady_clock::now();
    for (int i = 0; i < 20; ++i) {
        display.write("Welcome to Zelvo, version 1.1, by Tarvik.  Main menu.");
        display.pump();
    }
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(500));
    EXPECT_FALSE(display.connected());
    EXPECT_FALSE(display.listening()) << "no display, so the game's waits stay whole";
    unsetenv("BRLAPI_HOST");
}

}  // namespace
}  // namespace zelvo
