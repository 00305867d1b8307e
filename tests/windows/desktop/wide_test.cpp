#include "platform/win32/wide.h"

#include <gtest/gtest.h>

namespace zelvo {

TEST(Wide, TextGoesToUtf16AndBackAndLatin1IsRead) {
    EXPECT_EQ(widen("Zelvo has $50,000.00."), L"Zelvo has $50,000.00.");
    EXPECT_EQ(widen("Ren\xC3\xA9 \xE2\x82\xAC"), L"Ren\u00E9 \u20AC");
    EXPECT_EQ(widen("Ren\xE9"), L"Ren\u00E9");  // a Latin-1 byte from an old save
    EXPECT_EQ(widen(""), L"");
    EXPECT_EQ(narrow(L"Ren\u00E9 \u20AC \U0001F600"), "Ren\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80");
    EXPECT_EQ(narrow(widen("Kai Mart")), "Kai Mart");
}

}  // namespace zelvo
