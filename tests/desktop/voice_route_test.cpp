// Checks where the voice goes when speech-dispatcher or espeak-ng fails, and what moves.
#include "platform/sdl/voice_route.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace zelvo {
namespace {

using Engine = VoiceRoute::Engine;

TEST(VoiceRoute, SpeechdFailureHandsTheUnspokenTextToEspeakOnce) {
    const struct {
        const char* name;
        std::optional<std::string> unspoken;
    } cases[] = {
        {"the welcome was waiting for the connection", "Welcome.  Main menu."},
        {"everything had been spoken", std::nullopt},
        {"the last text only silenced the voice", ""},
    };
    for (const auto& c : cases) {
        VoiceRoute route;
        route.spoke("Welcome.  Main menu.");
        EXPECT_EQ(route.engine(), Engine::Speechd) << c.name;
        EXPECT_EQ(route.speechdFailed("speech-dispatcher could not be reached", c.unspoken),
                  c.unspoken)
            << c.name;
        EXPECT_EQ(route.engine(), Engine::Espeak) << c.name;
        EXPECT_EQ(route.takeReport(),
                  "speech-dispatcher could not be reached; espeak-ng speaks instead")
            << c.name;
        EXPECT_EQ(route.takeReport(), "") << c.name;

        // A late failure report from the abandoned daemon must not speak anything again.
        EXPECT_EQ(route.speechdFailed("speech-dispatcher stopped answering", "Old"), std::nullopt)
            << c.name;
        EXPECT_EQ(route.engine(), Engine::Espeak) << c.name;
        EXPECT_EQ(route.takeReport(), "") << c.name;
    }
}

TEST(VoiceRoute, EspeakFailurePutsTheNewestMessageInTheTitle) {
    VoiceRoute route;
    route.spoke("Welcome.");
    // espeak-ng only ever starts after speech-dispatcher failed; before that its failure
    // must not take the voice away from a working speech-dispatcher.
    EXPECT_EQ(route.espeakFailed("espeak-ng could not start"), std::nullopt);
    EXPECT_EQ(route.engine(), Engine::Speechd);

    route.speechdFailed("speech-dispatcher did not answer within 5 seconds", "Welcome.");
    route.spoke("Main menu.");
    EXPECT_EQ(route.espeakFailed("espeak-ng could not start: no data"), "Main menu.");
    EXPECT_EQ(route.engine(), Engine::Title);
    // Both failures were still unreported: the game hears of both, in one line.
    EXPECT_EQ(route.takeReport(),
              "speech-dispatcher did not answer within 5 seconds; espeak-ng speaks instead. "
              "espeak-ng could not start: no data; messages are shown in the window title");
    EXPECT_EQ(route.espeakFailed("espeak-ng could not start"), std::nullopt);
    EXPECT_EQ(route.takeReport(), "");
}

TEST(VoiceRoute, EspeakFailureBeforeAnyMessageLeavesTheTitleAlone) {
    VoiceRoute route;
    route.speechdFailed("speech-dispatcher could not be reached", std::nullopt);
    EXPECT_EQ(route.espeakFailed("espeak-ng could not start"), std::nullopt);
    EXPECT_EQ(route.engine(), Engine::Title);
}

TEST(VoiceRoute, ASlowSpeechdIsSpokenForUntilItAnswersOrFails) {
    {  // it answers: from the next text on it speaks, and nothing was a failure
        VoiceRoute route;
        route.spoke("Welcome.");
        EXPECT_EQ(route.speechdSlow("Welcome."), "Welcome.");
        EXPECT_EQ(route.engine(), Engine::EspeakForNow);
        route.speechdAnswered();
        EXPECT_EQ(route.engine(), Engine::Speechd);
        EXPECT_EQ(route.takeReport(), "");
        // Only the first words are spoken for; a later stall waits for the hang limit.
        EXPECT_EQ(route.speechdSlow("Main menu."), std::nullopt);
        EXPECT_EQ(route.engine(), Engine::Speechd);
    }
    {  // it never answers: espeak-ng, which already said everything, stays for good
        VoiceRoute route;
        route.speechdSlow("Welcome.");
        EXPECT_EQ(
            route.speechdFailed("speech-dispatcher did not answer within 5 seconds", std::nullopt),
            std::nullopt);
        EXPECT_EQ(route.engine(), Engine::Espeak);
        route.speechdAnswered();  // a late answer from the abandoned daemon changes nothing
        EXPECT_EQ(route.engine(), Engine::Espeak);
        EXPECT_EQ(route.takeReport(),
                  "speech-dispatcher did not answer within 5 seconds; espeak-ng speaks instead");
    }
    {  // espeak-ng cannot start either: the title shows it, speech-dispatcher is waited for,
       // and if it fails too the title stays
        VoiceRoute route;
        route.speechdSlow("Welcome.");
        route.spoke("Main menu.");
        EXPECT_EQ(route.espeakFailed("espeak-ng could not start"), "Main menu.");
        EXPECT_EQ(route.engine(), Engine::Speechd);
        EXPECT_EQ(route.speechdFailed("speech-dispatcher could not be reached", std::nullopt),
                  "Main menu.");
        EXPECT_EQ(route.engine(), Engine::Title);
        EXPECT_EQ(route.takeReport(),
                  "espeak-ng could not start; messages are shown in the window title until "
                  "speech-dispatcher answers. speech-dispatcher could not be reached; messages "
                  "are shown in the window title");
    }
}

}  // namespace
}  // namespace zelvo
