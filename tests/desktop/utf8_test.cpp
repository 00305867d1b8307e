// Checks the repair of text that is not UTF-8 and the removal of whole characters.
#include "platform/speechd/utf8.h"

#include <gtest/gtest.h>

#include <string>

namespace zelvo {
namespace {

TEST(Utf8, KeepsUtf8AndReadsEverythingElseAsLatin1) {
    const struct {
        std::string in;
        std::string out;
    } cases[] = {
        {"", ""},
        {"Day 1.  $5.00", "Day 1.  $5.00"},
        {"caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80", "caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80"},
        {"caf\xE9", "caf\xC3\xA9"},  // Latin-1 e acute
        {"\xA3"
         "5",
         "\xC2\xA3"
         "5"},                 // Latin-1 pound sign
        {"\xC3", "\xC3\x83"},  // sequence cut short at the end
        {"\xE2\x82"
         "A",
         "\xC3\xA2\xC2\x82"
         "A"},                                                     // sequence cut short mid-text
        {"\xC0\xAF", "\xC3\x80\xC2\xAF"},                          // overlong slash
        {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xC2\x80"},              // a surrogate
        {"\xF4\x90\x80\x80", "\xC3\xB4\xC2\x90\xC2\x80\xC2\x80"},  // past U+10FFFF
    };
    for (const auto& c : cases) EXPECT_EQ(asUtf8(c.in), c.out) << c.in;
}

TEST(Utf8, DropLastCharacterTakesWholeSequences) {
    const struct {
        std::string in;
        std::string left;
        std::string dropped;
    } cases[] = {
        {"", "", ""},
        {"ab", "a", "b"},
        {"a\xC3\xA9", "a", "\xC3\xA9"},
        {"\xE2\x82\xAC", "", "\xE2\x82\xAC"},
        {"x\xF0\x9F\x98\x80", "x", "\xF0\x9F\x98\x80"},
        {"\x80\x80\x80\x80\x80", "\x80", "\x80\x80\x80\x80"},  // stray bytes: one sequence at most
    };
    for (const auto& c : cases) {
        std::string text = c.in;
        EXPECT_EQ(dropLastCharacter(text), c.dropped) << c.in;
        EXPECT_EQ(text, c.left) << c.in;
    }
}

}  // namespace
}  // namespace zelvo
