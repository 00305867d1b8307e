// The Windows platform's window, events, timers and text-entry box, on a real window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32/wide.h"
#include "platform/win32/win32_platform.h"

namespace zelvo {
namespace {

// Keeps what the platform hands over; a key may run a handler of its own.
struct Recorded : PlatformEvents {
    std::vector<std::string> seen;
    std::function<void(int)> onKeyRun;
    std::function<void()> onDayRun;
    void onKey(int code, int state) override {
        seen.push_back("key " + std::to_string(code) + " " + std::to_string(state));
        if (onKeyRun) onKeyRun(code);
    }
    void onDayTimer() override {
        seen.push_back("day");
        if (onDayRun) onDayRun();
    }
    void onClose() override { seen.push_back("close"); }
    int days() const {
        int n = 0;
        for (const std::string& s : seen) n += s == "day" ? 1 : 0;
        return n;
    }
};

class Win32PlatformTest : public ::testing::Test {
protected:
    Win32PlatformTest() : platform("Zelvo") { platform.setEvents(&events); }

    void post(UINT message, WPARAM wParam, LPARAM lParam = 1) {
        ASSERT_TRUE(PostMessageW(platform.window(), message, wParam, lParam));
    }
    // Handles events for `ms` milliseconds.
    void pump(int ms) {
        const long long end = platform.nowMs() + ms;
        for (long long now = platform.nowMs(); now < end; now = platform.nowMs())
            platform.processEvents(static_cast<int>(end - now));
    }

    Win32Platform platform;
    Recorded events;
};

TEST_F(Win32PlatformTest, TheTitleIsTheGamesTextExactly) {
    const std::string text = "Caf\xC3\xA9 \xE2\x82\xAC 5.  Two blanks.";
    platform.setTitle(text);
    EXPECT_EQ(platform.title(), text);
    wchar_t shown[100] = {};
    GetWindowTextW(platform.window(), shown, 100);
    EXPECT_EQ(std::wstring(shown), widen(text));
    EXPECT_GT(platform.windowWidth(), 0);
}

TEST_F(Win32PlatformTest, TheWidthIsTheClientAreasAndFollowsAResize) {
    ASSERT_TRUE(SetWindowPos(platform.window(), nullptr, 0, 0, 500, 400,
                             SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE));
    pump(50);
    RECT client{};
    GetClientRect(platform.window(), &client);
    EXPECT_EQ(platform.windowWidth(), client.right - client.left);
    EXPECT_GT(platform.windowWidth(), 400);
    EXPECT_LE(platform.windowWidth(), 500);
}

TEST_F(Win32PlatformTest, KeysReachTheGameInOrderNestedInsideAHandler) {
    // The first key's handler waits, as the game's hold does; the second key is handled
    // inside that wait, before the first handler returns.
    events.onKeyRun = [this](int code) {
        if (code == VK_DOWN) {
            events.seen.push_back("waiting");
            platform.processEvents(0);
            events.seen.push_back("waited");
        }
    };
    post(WM_KEYDOWN, VK_DOWN);
    post(WM_SYSKEYDOWN, VK_F10);                // F10 is a key of the game, never the system menu
    post(WM_KEYDOWN, VK_SHIFT, 1 | (1 << 30));  // a held Shift's repeat
    post(WM_KEYUP, VK_DOWN);
    post(WM_CHAR, 'a');
    pump(100);
    const std::vector<std::string> want = {"key 40 0", "waiting", "key 121 0", "waited"};
    EXPECT_EQ(events.seen, want);
    EXPECT_EQ(GetFocus(), platform.window());
}

TEST_F(Win32PlatformTest, ClosingTheWindowTellsTheGameAndTheEndIsDeliveredAfterwards) {
    post(WM_CLOSE, 0, 0);
    pump(100);
    ASSERT_EQ(events.seen, std::vector<std::string>{"close"});
    EXPECT_TRUE(IsWindow(platform.window()));  // the game decides when the window goes

    platform.endProgram();
    EXPECT_EQ(platform.window(), nullptr);
    // Each later call delivers the end at once, even one that would wait forever.
    const long long start = platform.nowMs();
    platform.processEvents(-1);
    platform.processEvents(-1);
    EXPECT_LT(platform.nowMs() - start, 1000);
    EXPECT_EQ(events.seen, (std::vector<std::string>{"close", "close", "close"}));
}

TEST_F(Win32PlatformTest, WaitsLastAsLongAsAskedAndAPollDoesNotWait) {
    long long start = platform.nowMs();
    platform.processEvents(0);
    EXPECT_LT(platform.nowMs() - start, 100);
    start = platform.nowMs();
    platform.processEvents(300);
    const long long waited = platform.nowMs() - start;
    EXPECT_GE(waited, 250);
    EXPECT_LT(waited, 1500);
}

TEST_F(Win32PlatformTest, TheDayTimerFiresUntilStoppedAndALongDayQueuesNoExtraDays) {
    EXPECT_FALSE(platform.dayTimerRunning());
    platform.startDayTimer(50);
    EXPECT_TRUE(platform.dayTimerRunning());
    pump(600);
    EXPECT_GE(events.days(), 5);
    EXPECT_LE(events.days(), 13);

    // One day that takes ten periods, waiting inside itself as the game's days do: the
    // firings due meanwhile are one, handled after it, not ten.
    events.seen.clear();
    bool first = true;
    events.onDayRun = [&] {
        if (!first) return;
        first = false;
        Sleep(500);
    };
    pump(1);  // up to the first firing
    while (first) platform.processEvents(-1);
    const int after = events.days();
    pump(60);
    EXPECT_LE(events.days() - after, 2);

    platform.stopDayTimer();
    EXPECT_FALSE(platform.dayTimerRunning());
    events.seen.clear();
    pump(300);
    EXPECT_EQ(events.days(), 0);
}

TEST_F(Win32PlatformTest, TheTextEntryBoxEditsEchoesAndGivesTheGameItsWindowBack) {
    platform.drawLines({"Load game"});
    std::vector<std::string> told;
    const TextEcho echo = [&](const std::string& text) { told.push_back(text); };
    // Typed as the system delivers it: the pair of halves of one character, a Backspace
    // key (whose own WM_CHAR is dropped), F2, then Enter.
    post(WM_CHAR, 'a');
    post(WM_CHAR, 0xD83D);
    post(WM_CHAR, 0xDE00);
    post(WM_CHAR, 'b');
    post(WM_KEYDOWN, VK_BACK);
    post(WM_CHAR, '\b');
    post(WM_KEYDOWN, VK_F2);
    post(WM_KEYDOWN, VK_DOWN);  // nothing offered: nothing said
    platform.startDayTimer(10);
    post(WM_KEYDOWN, VK_RETURN);
    EXPECT_EQ(platform.inputBox("Enter a name.", "Set your name", echo, InputChoices{}),
              "a\xF0\x9F\x98\x80");
    platform.stopDayTimer();
    const std::vector<std::string> want = {"a", "\xF0\x9F\x98\x80", "b", "b", "a\xF0\x9F\x98\x80"};
    EXPECT_EQ(told, want);
    EXPECT_EQ(events.seen, std::vector<std::string>{});  // no key, no day reached the game

    post(WM_CHAR, 'x');
    post(WM_KEYDOWN, VK_ESCAPE);
    EXPECT_EQ(platform.inputBox("Enter a name.", "Set your name", echo, InputChoices{}), "");

    // Closing the window cancels the box; the close is the game's loop's to deliver.
    post(WM_CLOSE, 0, 0);
    EXPECT_EQ(platform.inputBox("Enter a name.", "Set your name", echo, InputChoices{}), "");
    pump(100);
    EXPECT_EQ(events.seen, std::vector<std::string>{"close"});
}

}  // namespace
}  // namespace zelvo
