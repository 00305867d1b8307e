// The text-entry prompt: where its prompt and echo go on each output, and what a typed text
// may hold.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "core/zelvo.h"
#include "game/startup.h"
#include "platform/headless/headless_platform.h"
#include "support/started_game.h"
#include "ui/prompt.h"

namespace zelvo {
namespace {

using Lines = std::vector<std::string>;

// A machine with a braille display and a screen reader, whose text-entry box types "ab",
// deletes the "b" and reads the field back before it returns. Events processed while the
// box is open would hand the keys typed next to the game instead of the box.
class TypingPlatform : public HeadlessPlatform {
public:
    explicit TypingPlatform(std::ostream& out) : HeadlessPlatform(out, "Zelvo", {}), out_(out) {}
    void brailleWrite(const std::string& text) override { out_ << "braille: " << text << '\n'; }
    bool openScreenReader() override { return true; }
    void screenReaderSay(const std::string& text) override { out_ << "reader: " << text << '\n'; }
    void processEvents(int) override {
        if (inBox_) out_ << "events processed in the box\n";
    }
    std::string inputBox(const std::string& prompt, const std::string& title, const TextEcho& echo,
                         const InputChoices&) override {
        out_ << "box: " << title << ": " << prompt << '\n';
        inBox_ = true;
        for (const char* said : {"a", "b", "b", "a"}) echo(said);
        inBox_ = false;
        return "a";
    }

private:
    std::ostream& out_;
    bool inBox_ = false;
};

Lines linesof(std::ostringstream& out) {
    Lines lines;
    std::istringstream in(out.str());
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    out.str("");
    return lines;
}

TEST(Prompt, EveryOutputHearsThePromptBeforeTheBoxAndEachEcho) {
    const struct {
        int output;
        Lines lines;
    } cases[] = {
        {0, {"say: Type.", "box: T: Type.", "say: a", "say: b", "say: b", "say: a"}},
        // A repeated echo changes the title twice, so that the screen reader repeats it.
        {1,
         {"title: Type.", "box: T: Type.", "title: a", "title: b", "title: b ", "title: b",
          "title: a"}},
        {2,
         {"title: Type.", "braille: Type.", "box: T: Type.", "title: a", "braille: a", "title: b",
          "braille: b", "title: b ", "title: b", "braille: b", "title: a", "braille: a"}},
        {3, {"reader: Type.", "box: T: Type.", "reader: a", "reader: b", "reader: b", "reader: a"}},
    };
    for (const auto& c : cases) {
        testing::TempFolder folder;
        std::ostringstream out;
        TypingPlatform platform(out);
        Zelvo z(platform, folder.path().string());
        z.s.ui.sapiready = 1;
        z.s.ui.speechoutput = c.output;
        EXPECT_EQ(askfortext(z, "Type.", "T"), "a");
        EXPECT_EQ(linesof(out), c.lines) << "output " << c.output;
        EXPECT_EQ(z.s.ui.speechhistory[1], "Type.") << "the echo is not recorded";
    }
}

TEST(Prompt, ATypedTextIsOneLineWithoutControlCharacters) {
    const struct {
        std::string typed;
        std::string taken;
    } cases[] = {
        {"Mary\nAnn", "MaryAnn"},
        {"Corner\r\nShop\r", "CornerShop"},
        {"tab\tand\x7f"
         "del\x1b",
         "tabanddel"},
        {"  two words ", "  two words "},                    // blanks are the player's own
        {"Caf\xC3\xA9 \xC3\xBC", "Caf\xC3\xA9 \xC3\xBC"},    // letters beyond ASCII stay
        {"next\xC2\x85line\xE2\x80\xA8sep", "nextlinesep"},  // Unicode line breaks too
        {"\r\n", ""},                                        // nothing left: a cancel
    };
    testing::StartedGame game;
    for (const auto& c : cases) {
        game.platform.queueAnswer(c.typed);
        EXPECT_EQ(askfortext(game.z, "Type.", "T"), c.taken);
    }
    std::string name = "Player";
    game.platform.queueAnswer("\n");
    EXPECT_FALSE(askforname(game.z, name, "Your name.", "Set your name", "Your name is "));
    EXPECT_EQ(name, "Player");
    EXPECT_EQ(game.take().back(), "say: Canceled.");
}

}  // namespace
}  // namespace zelvo
