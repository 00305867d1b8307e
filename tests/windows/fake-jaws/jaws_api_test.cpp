// The JAWS output against the stand-in server (fake_jaws.cpp). run-jaws-api-test.sh runs
// JawsWithServer.* with the stand-in registered as "FreedomSci.JawsApi" in a Wine prefix
// of its own, then JawsWithoutServer.* with it removed again.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/win32/jaws_api.h"

namespace zelvo {
namespace {

class Com : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    }
    void TearDown() override { CoUninitialize(); }
};

class JawsWithServer : public Com {
protected:
    void SetUp() override {
        Com::SetUp();
        // The stand-in lives in this process and reads its log's name at every call.
        char folder[MAX_PATH];
        ASSERT_NE(GetTempPathA(MAX_PATH, folder), 0u);
        log_ = std::string(folder) + "zelvo-fake-jaws-" + std::to_string(GetCurrentProcessId());
        flushes_ = log_ + "-flush";
        DeleteFileA(log_.c_str());
        DeleteFileA(flushes_.c_str());
        SetEnvironmentVariableA("ZELVO_FAKE_JAWS_LOG", log_.c_str());
        SetEnvironmentVariableA("ZELVO_FAKE_JAWS_FLUSH_LOG", flushes_.c_str());
    }
    void TearDown() override {
        DeleteFileA(log_.c_str());
        DeleteFileA(flushes_.c_str());
        Com::TearDown();
    }
    static std::string read(const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    std::string heard() const { return read(log_); }
    std::string flushes() const { return read(flushes_); }
    std::string log_;
    std::string flushes_;
};

TEST_F(JawsWithServer, ReceivesEveryTextInOrderExactlyAsTheGameWroteIt) {
    JawsApi jaws;
    ASSERT_TRUE(jaws.open()) << "the stand-in is not registered as FreedomSci.JawsApi";
    EXPECT_TRUE(jaws.isOpen());
    // JAWS reads amounts and names itself, and shows them in braille as written: nothing
    // is rewritten for it. Latin-1 from an old save arrives as the letter it stands for.
    const std::vector<std::string> said = {
        "Welcome to Zelvo, version 1.1, by Tarvik.  Main menu.",
        "Zelvo has $49,874.60.",
        "Ren\xC3\xA9's Caf\xC3\xA9 \xE2\x82\xAC \xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x98\x80",
        "Ren\xE9",
        "",
        "minus $0.00"};
    for (const auto& text : said) jaws.say(text);
    jaws.close();
    EXPECT_FALSE(jaws.isOpen());
    EXPECT_EQ(heard(),
              "Welcome to Zelvo, version 1.1, by Tarvik.  Main menu.\n"
              "Zelvo has $49,874.60.\n"
              "Ren\xC3\xA9's Caf\xC3\xA9 \xE2\x82\xAC \xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x98\x80\n"
              "Ren\xC3\xA9\n"
              "\n"
              "minus $0.00\n");
    // Nothing JAWS still says is cut off: its messages queue.
    EXPECT_EQ(flushes(), "0\n0\n0\n0\n0\n0\n");
}

TEST_F(JawsWithServer, AFailingCallIsReportedWithItsReasonOnce) {
    JawsApi jaws;
    ASSERT_TRUE(jaws.open());
    SetEnvironmentVariableA("ZELVO_FAKE_JAWS_LOG", nullptr);  // the stand-in now refuses
    try {
        jaws.say("Loans");
        FAIL() << "a refused message was taken for said";
    } catch (const PlatformError& e) {
        EXPECT_NE(std::string(e.what()).find("ZELVO_FAKE_JAWS_LOG is not set"), std::string::npos)
            << e.what();
    }
    EXPECT_NO_THROW(jaws.say("Construction"));  // the same failure again: logged once
    SetEnvironmentVariableA("ZELVO_FAKE_JAWS_LOG", log_.c_str());
    jaws.say("Market research");
    EXPECT_EQ(heard(), "Market research\n");
}

class JawsWithoutServer : public Com {};

TEST_F(JawsWithoutServer, DoesNotOpenAndSaysSoOnce) {
    JawsApi jaws;
    EXPECT_FALSE(jaws.open());
    EXPECT_FALSE(jaws.isOpen());
    EXPECT_THROW(jaws.say("Loans"), PlatformError);
    EXPECT_NO_THROW(jaws.say("Loans"));
}

}  // namespace
}  // namespace zelvo
