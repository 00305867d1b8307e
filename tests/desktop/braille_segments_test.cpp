// The braille display's pieces of a long message, and panning through them.
#include "platform/braille/segments.h"

#include <gtest/gtest.h>

namespace zelvo {
namespace {

using Pieces = std::vector<std::string>;

TEST(BrailleSegments, PiecesFitTheDisplayAndKeepWordsWhole) {
    struct Case {
        const char* text;
        int cells;
        Pieces pieces;
    };
    const Case cases[] = {
        {"Main menu.", 40, {"Main menu."}},
        {"Main menu.", 10, {"Main menu."}},  // exactly the display's width
        {"Welcome to Zelvo.  Main menu.", 12, {"Welcome to", "Zelvo.  Main", "menu."}},
        {"Your store has $1,000.00.", 14, {"Your store has", "$1,000.00."}},
        {"Supercalifragilistic item", 8, {"Supercal", "ifragili", "stic", "item"}},
        {"  leading and trailing  ", 8, {"leading", "and", "trailing"}},
        {"", 40, {""}},
        {"   ", 40, {""}},
        {"caf\xc3\xa9 \xc3\xa9t\xc3\xa9", 4, {"caf\xc3\xa9", "\xc3\xa9t\xc3\xa9"}},  // letters
        {"no display size", 0, {"no display size"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(braillesegments(c.text, c.cells), c.pieces) << c.text << " in " << c.cells;
}

TEST(BrailleSegments, PanningStaysWithinThePieces) {
    struct Case {
        int current, count;
        BraillePan pan;
        int shown;
    };
    const Case cases[] = {
        {0, 3, BraillePan::Forward, 1}, {2, 3, BraillePan::Forward, 2},
        {1, 3, BraillePan::Back, 0},    {0, 3, BraillePan::Back, 0},
        {1, 3, BraillePan::Last, 2},    {2, 3, BraillePan::First, 0},
        {0, 1, BraillePan::Forward, 0}, {0, 0, BraillePan::Last, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(braillepan(c.current, c.count, c.pan), c.shown)
            << c.current << " of " << c.count << " pan " << static_cast<int>(c.pan);
}

}  // namespace
}  // namespace zelvo
