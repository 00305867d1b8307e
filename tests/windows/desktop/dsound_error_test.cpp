// DirectSound's failures reach the player as words, never as a bare number.
#include "platform/win32/dsound_error.h"

#include <gtest/gtest.h>

#include "platform/win32/directsound.h"

#include <string>

namespace zelvo {
namespace {

TEST(DirectSoundError, KnownFailuresAreNamedAndOthersGetTheSystemsWords) {
    EXPECT_EQ(dsoundreason(DSERR_NODRIVER), "no sound driver is available (DSERR_NODRIVER)");
    EXPECT_EQ(dsoundreason(DSERR_ALLOCATED),
              "the sound device is in use by another program (DSERR_ALLOCATED)");
    EXPECT_EQ(dsoundreason(E_OUTOFMEMORY),
              "there is not enough memory for the sound (DSERR_OUTOFMEMORY)");

    // The system's own sentence, without its full stop and line break, then the number.
    const std::string access = dsoundreason(HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND));
    const std::string tail = " (0x80070002)";
    ASSERT_GT(access.size(), tail.size() + 3) << access;
    EXPECT_EQ(access.substr(access.size() - tail.size()), tail);
    EXPECT_EQ(access.find_first_of(".\r\n"), std::string::npos) << access;

    // No sentence at all for it: still words before the number.
    EXPECT_EQ(dsoundreason(static_cast<HRESULT>(0x88781234)),
              "the sound system failed (0x88781234)");
}

}  // namespace
}  // namespace zelvo
