#include "platform/win32/entry_field.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/entry_words.h"

namespace zelvo {
namespace {

const InputChoices kNone{};

// Types each unit and keeps what the box told, separated by "|".
std::string typeAll(EntryField& field, const std::wstring& units) {
    std::string told;
    for (wchar_t u : units) {
        if (auto words = field.type(u)) told += *words + "|";
    }
    return told;
}

TEST(EntryField, TypedCharactersAreKeptAndToldOneByOne) {
    EntryField field(kNone);
    EXPECT_EQ(typeAll(field, L"Ann 1"), "A|n|n|space|1|");
    EXPECT_EQ(field.text(), "Ann 1");
    EXPECT_EQ(field.readBack(), "Ann 1");
}

TEST(EntryField, SurrogatePairsAreJoinedAndStrayHalvesDropped) {
    EntryField field(kNone);
    // U+1F600 as its pair, then a low half alone, then a high half cut off by a letter.
    EXPECT_EQ(typeAll(field,
                      L"\xD83D\xDE00"
                      L"\xDE00"
                      L"\xD83D"
                      L"e\u00E9"),
              "\xF0\x9F\x98\x80|e|\xC3\xA9|");
    EXPECT_EQ(field.text(),
              "\xF0\x9F\x98\x80"
              "e\xC3\xA9");
}

TEST(EntryField, ControlCharactersAreDropped) {
    EntryField field(kNone);
    // Backspace, Enter, Escape, a line feed, Ctrl+A and DEL arrive as characters too.
    EXPECT_EQ(typeAll(field, L"\b\r\x1B\n\x01\x7F\x85x"), "x|");
    EXPECT_EQ(field.text(), "x");
}

TEST(EntryField, BackspaceTellsWhatItTookAndBlankAtTheStart) {
    EntryField field(kNone);
    typeAll(field, L"a \u00E9");
    EXPECT_EQ(field.erase(), "\xC3\xA9");
    EXPECT_EQ(field.erase(), "space");
    EXPECT_EQ(field.erase(), "a");
    EXPECT_EQ(field.erase(), "blank");
    EXPECT_EQ(field.text(), "");
    EXPECT_EQ(field.readBack(), "blank");
}

TEST(EntryField, TheFieldStopsGrowingAtItsLimit) {
    EntryField field(kNone);
    typeAll(field, std::wstring(kEntryMaxBytes, L'x'));
    EXPECT_EQ(field.text().size(), kEntryMaxBytes);
    EXPECT_FALSE(field.type(L'y'));
    EXPECT_FALSE(field.type(L'\u00E9'));  // two bytes would not fit either
    EXPECT_EQ(field.text().size(), kEntryMaxBytes);
}

TEST(EntryField, UpAndDownStepThroughTheChoices) {
    const InputChoices saves{{{"ann1", "ann1, March 4, 2031."}, {"bob", "bob, May 1, 2032."}}, ""};
    EntryField field(saves);
    typeAll(field, L"zz");
    EXPECT_EQ(field.step(true), "ann1, March 4, 2031.");
    EXPECT_EQ(field.text(), "ann1");
    EXPECT_EQ(field.step(true), "bob, May 1, 2032.");
    EXPECT_EQ(field.step(true), "bob, May 1, 2032.");
    EXPECT_EQ(field.step(false), "ann1, March 4, 2031.");
    EXPECT_EQ(field.text(), "ann1");

    const InputChoices empty{{}, "No saved games."};
    EntryField none(empty);
    typeAll(none, L"q");
    EXPECT_EQ(none.step(false), "No saved games.");
    EXPECT_EQ(none.text(), "q");

    EntryField nothing(kNone);
    EXPECT_FALSE(nothing.step(true));
}

}  // namespace
}  // namespace zelvo
