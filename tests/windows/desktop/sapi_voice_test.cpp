#include "platform/win32/sapi_voice.h"

#include <windows.h>

#include <gtest/gtest.h>
#include <sapi.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/win32/sapi_engine.h"

namespace zelvo {
namespace {

struct Spoken {
    std::optional<std::wstring> text;  // none: a null text
    DWORD flags;
};

// What the game asked of the voice, and what the voice answers.
struct Heard {
    std::vector<Spoken> spoken;
    std::vector<long> rates;
    long ownRate = 0;  // the voice's rate: the player's choice until the game sets one
    HRESULT answer = S_OK;
};

class FakeEngine : public SapiEngine {
public:
    explicit FakeEngine(Heard& heard) : heard_(heard) {}
    HRESULT rate(long* rate) override {
        *rate = heard_.ownRate;
        return heard_.answer;
    }
    HRESULT setRate(long rate) override {
        heard_.rates.push_back(rate);
        if (SUCCEEDED(heard_.answer)) heard_.ownRate = rate;
        return heard_.answer;
    }
    HRESULT speak(const wchar_t* text, DWORD flags) override {
        heard_.spoken.push_back({text ? std::optional<std::wstring>(text) : std::nullopt, flags});
        return heard_.answer;
    }

private:
    Heard& heard_;
};

class SapiVoiceTest : public ::testing::Test {
protected:
    Heard heard;
    SapiVoice voice{std::make_unique<FakeEngine>(heard)};
};

constexpr DWORD kMessage = SPF_ASYNC | SPF_PURGEBEFORESPEAK | SPF_IS_NOT_XML;

TEST_F(SapiVoiceTest, SpeaksEachTextAtOnceCuttingOffTheLastWithAmountsInWords) {
    ASSERT_TRUE(voice.open());
    const struct {
        std::string text;
        std::optional<std::wstring> spoken;
        DWORD flags;
    } cases[] = {
        {"Zelvo has $49,874.60.", L"Zelvo has 49,874 dollars and 60 cents.", kMessage},
        {"Rent is $1.", L"Rent is 1 dollar.", kMessage},
        // Never markup: a name with "<" in it is said, not taken for a tag.
        {"<Kai Mart> & Ren\xC3\xA9", L"<Kai Mart> & Ren\u00E9", kMessage},
        {"Ren\xE9", L"Ren\u00E9", kMessage},  // Latin-1 from an old save
        // An empty text is a silence: only the purge, no text to speak.
        {"", std::nullopt, SPF_ASYNC | SPF_PURGEBEFORESPEAK},
    };
    for (const auto& c : cases) {
        heard.spoken.clear();
        voice.speak(c.text);
        ASSERT_EQ(heard.spoken.size(), 1u) << c.text;
        EXPECT_EQ(heard.spoken[0].text, c.spoken) << c.text;
        EXPECT_EQ(heard.spoken[0].flags, c.flags) << c.text;
    }
}

TEST(SapiVoiceRate, GameRatesAreStepsOfSapiRatesWithTwoAtThePlayersOwnSpeed) {
    const struct {
        long own;  // the voice's rate when made; the game's rate 2 keeps it
        HRESULT answer;
        int game;
        long sapi;
    } cases[] = {
        {0, S_OK, 2, 0},
        {0, S_OK, 1, -1},
        {0, S_OK, 3, 1},
        {0, S_OK, 6, 4},
        {0, S_OK, 10, 8},
        {0, S_OK, 0, -1},
        {0, S_OK, 11, 8},
        {0, S_OK, -5, -1},
        {4, S_OK, 2, 4},
        {4, S_OK, 1, 3},
        {4, S_OK, 10, 10},
        {-10, S_OK, 1, -10},
        {-3, S_OK, 10, 5},
        {15, S_OK, 2, 10},
        // A voice that cannot tell its rate is taken to be at SAPI's normal speed; the
        // failure to set the rate is then reported, once.
        {7, E_NOTIMPL, 3, 1},
    };
    for (const auto& c : cases) {
        Heard heard;
        heard.ownRate = c.own;
        heard.answer = c.answer;
        SapiVoice voice(std::make_unique<FakeEngine>(heard));
        for (int twice = 0; twice < 2; ++twice) {
            // Opening again does not take the rate the game set for the player's own.
            ASSERT_TRUE(voice.open());
            try {
                voice.setRate(c.game);
            } catch (const PlatformError&) {
                EXPECT_TRUE(FAILED(c.answer));
            }
        }
        ASSERT_EQ(heard.rates.size(), 2u) << c.game;
        EXPECT_EQ(heard.rates[0], c.sapi) << "own rate " << c.own << ", game rate " << c.game;
        EXPECT_EQ(heard.rates[1], c.sapi) << "own rate " << c.own << ", game rate " << c.game;
    }
}

TEST_F(SapiVoiceTest, EachKindOfFailureIsReportedOnceWithItsReason) {
    ASSERT_TRUE(voice.open());
    heard.answer = E_NOTIMPL;
    try {
        voice.speak("Main menu.");
        FAIL() << "a refused text was taken for spoken";
    } catch (const PlatformError& e) {
        EXPECT_NE(std::string(e.what()).find("0x80004001"), std::string::npos) << e.what();
    }
    EXPECT_NO_THROW(voice.speak("New game"));       // the same failure: the log has it already
    EXPECT_THROW(voice.setRate(3), PlatformError);  // the rate's failure is its own
    EXPECT_NO_THROW(voice.setRate(4));
    heard.answer = E_ACCESSDENIED;  // a new kind of failure is reported again
    EXPECT_THROW(voice.speak("Help"), PlatformError);
    heard.answer = E_NOTIMPL;
    EXPECT_NO_THROW(voice.speak("Exit the game"));
    EXPECT_EQ(heard.spoken.size(), 4u);  // every text was still handed to the voice
}

TEST_F(SapiVoiceTest, AClosedVoiceSpeaksNothingAndSaysSoOnce) {
    ASSERT_TRUE(voice.open());
    voice.close();
    EXPECT_FALSE(voice.open());
    EXPECT_NO_THROW(voice.setRate(5));
    EXPECT_THROW(voice.speak("Loans"), PlatformError);
    EXPECT_NO_THROW(voice.speak("Loans"));
    EXPECT_TRUE(heard.spoken.empty());
    EXPECT_TRUE(heard.rates.empty());
}

// The system's own voice. Wine 8's ISpVoice::Speak answers "not implemented": the game must
// hear of that once and carry on; a voice that speaks reports nothing.
TEST(SapiVoiceSystem, NeverReportsTheSameFailureTwiceAndNeverWaits) {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    {
        SapiVoice voice;
        if (voice.open()) {
            int reports = 0;
            const DWORD started = GetTickCount();
            for (const char* text : {"Welcome to Zelvo.", "Main menu.", "New game", ""}) {
                try {
                    voice.speak(text);
                } catch (const PlatformError& e) {
                    ++reports;
                    EXPECT_NE(std::string(e.what()).find("SAPI"), std::string::npos);
                }
            }
            EXPECT_LE(reports, 1);
            int rateReports = 0;
            for (int rate : {2, 3, 10}) {
                try {
                    voice.setRate(rate);
                } catch (const PlatformError&) {
                    ++rateReports;
                }
            }
            EXPECT_LE(rateReports, 1);
            EXPECT_LT(GetTickCount() - started, 2000u) << "speaking waited for the speech";
            EXPECT_NO_THROW(voice.speak("Exit the game"));
        }
        voice.close();
    }
    CoUninitialize();
}

}  // namespace
}  // namespace zelvo
