// Wave files as players and sound editors leave them, good and damaged.
#include "platform/win32/wave_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace zelvo {
namespace {

using namespace std::string_literals;

std::string le(std::uint32_t value, int bytes) {
    std::string out;
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
    return out;
}

// A chunk with its length as written; odd lengths get their pad byte.
std::string chunk(const std::string& id, const std::string& body) {
    return id + le(static_cast<std::uint32_t>(body.size()), 4) + body +
           (body.size() % 2 ? std::string(1, '\0') : "");
}

std::string fmtbody(int tag, int channels, int rate, int bits, int align = -1) {
    if (align < 0) align = channels * bits / 8;
    return le(tag, 2) + le(channels, 2) + le(rate, 4) + le(rate * align, 4) + le(align, 2) +
           le(bits, 2);
}

std::string fmt(int tag, int channels, int rate, int bits, int align = -1) {
    return chunk("fmt ", fmtbody(tag, channels, rate, bits, align));
}

// The extensible form, with the format number at the head of its sub-format GUID.
std::string extensible(std::uint32_t subformat, int channels, int bits) {
    const std::string guidTail("\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 12);
    return chunk("fmt ", fmtbody(0xFFFE, channels, 44100, bits) + le(22, 2) + le(bits, 2) +
                             le(3, 4) + le(subformat, 4) + guidTail);
}

std::string riff(const std::string& chunks) {
    return "RIFF" + le(static_cast<std::uint32_t>(4 + chunks.size()), 4) + "WAVE" + chunks;
}

const std::string kFrames(16, '\x11');  // four 16-bit stereo frames
const std::string kGame = riff(fmt(1, 2, 22050, 16) + chunk("data", kFrames));

struct Good {
    const char* what;
    std::string bytes;
    int channels, rate, bits;
    std::size_t offset, size;
};

TEST(WaveFile, GoodFilesGiveTheirFormatAndExactlyTheirSamples) {
    const std::string list = chunk("LIST", "INFOISFT\x05\0\0\0Zelvo"s);  // odd: padded
    const std::vector<Good> cases = {
        {"the game's own form", kGame, 2, 22050, 16, 44, 16},
        {"8-bit mono", riff(fmt(1, 1, 11025, 8) + chunk("data", "\x80\x90\x70")), 1, 11025, 8, 44,
         3},
        {"data first, an odd chunk between",
         riff(chunk("data", kFrames) + list + fmt(1, 2, 8000, 16)), 2, 8000, 16, 20, 16},
        {"unknown chunks before",
         riff(list + chunk("junk", "abc") + fmt(1, 1, 48000, 16) + chunk("data", kFrames)), 1,
         48000, 16, 12 + list.size() + 12 + 24 + 8, 16},
        {"data claims more than the file holds, a frame cut in two",
         riff(fmt(1, 2, 22050, 16)) + "data" + le(100000, 4) + kFrames + "\x22\x22", 2, 22050, 16,
         44, 16},
        {"the RIFF length left at 0 by a recorder",
         "RIFF" + le(0, 4) + "WAVE" + fmt(1, 2, 22050, 16) + "data" + le(0xFFFFFFFF, 4) + kFrames,
         2, 22050, 16, 44, 16},
        {"a second data chunk is not the sound",
         riff(fmt(1, 1, 22050, 8) + chunk("data", "ab") + chunk("data", "cdef")), 1, 22050, 8, 44,
         2},
        {"extensible PCM", riff(extensible(1, 2, 16) + chunk("data", kFrames)), 2, 44100, 16,
         12 + 48 + 8, 16},
    };
    for (const Good& c : cases) {
        SCOPED_TRACE(c.what);
        const WaveSound s = readwave(c.bytes);
        EXPECT_EQ(s.channels, c.channels);
        EXPECT_EQ(s.rate, c.rate);
        EXPECT_EQ(s.bits, c.bits);
        EXPECT_EQ(s.dataOffset, c.offset);
        EXPECT_EQ(s.dataBytes, c.size);
    }
}

struct Bad {
    const char* what;
    std::string bytes;
    const char* reason;
};

TEST(WaveFile, DamagedOrForeignFilesAreRefusedWithTheirReason) {
    const std::vector<Bad> cases = {
        {"an empty file", "", "it is not a wave file (it does not begin with RIFF and WAVE)"},
        {"a text file", "Zelvo items, version 1.1\r\n", "it is not a wave file"},
        {"big-endian RIFX", "RIFX" + kGame.substr(4), "it is not a wave file"},
        {"cut short inside its format", kGame.substr(0, 30), "its format chunk is cut short"},
        {"cut short before its data", kGame.substr(0, 36), "it has no data chunk"},
        {"no format chunk", riff(chunk("data", kFrames)), "it has no format chunk"},
        {"a chunk claiming more than the file before the format",
         riff("junk" + le(0xFFFFFFF0, 4) + fmt(1, 2, 22050, 16) + chunk("data", kFrames)),
         "it has no format chunk"},
        {"floating point", riff(fmt(3, 2, 22050, 32) + chunk("data", kFrames)),
         "it is floating point sound, not PCM: only 8- and 16-bit PCM can be played"},
        {"MP3 in a wave file", riff(fmt(0x55, 2, 22050, 0, 1) + chunk("data", kFrames)),
         "it is MP3 sound, not PCM"},
        {"extensible floating point", riff(extensible(3, 2, 32) + chunk("data", kFrames)),
         "it is floating point sound, not PCM"},
        {"extensible of an unknown kind",
         riff(extensible(1, 2, 16).replace(36, 4, "XYZW") + chunk("data", kFrames)),
         "it is not PCM sound but a format of its own"},
        {"24-bit", riff(fmt(1, 2, 22050, 24) + chunk("data", kFrames)),
         "it has 24-bit samples: only 8- and 16-bit ones can be played"},
        {"six channels", riff(fmt(1, 6, 22050, 16) + chunk("data", kFrames)),
         "it has 6 channels: only mono and stereo can be played"},
        {"no channels", riff(fmt(1, 0, 22050, 16) + chunk("data", kFrames)), "it has 0 channels"},
        {"a wrong frame size", riff(fmt(1, 2, 22050, 16, 3) + chunk("data", kFrames)),
         "its format chunk is damaged (3 bytes a frame for 2 channels of 16 bits)"},
        {"a rate of 0", riff(fmt(1, 2, 0, 16) + chunk("data", kFrames)),
         "its rate of 0 frames a second is outside 100 to 200000"},
        {"an empty data chunk", riff(fmt(1, 2, 22050, 16) + chunk("data", "")),
         "it holds no sound (its data chunk is empty)"},
        {"less than one frame", riff(fmt(1, 2, 22050, 16) + chunk("data", "abc")),
         "it holds no sound"},
    };
    for (const Bad& c : cases) {
        SCOPED_TRACE(c.what);
        try {
            readwave(c.bytes);
            ADD_FAILURE() << "read as a sound";
        } catch (const WaveError& e) {
            EXPECT_EQ(std::string(e.what()).rfind(c.reason, 0), 0u) << e.what();
        }
    }
}

// A file can be cut at any byte by a full disk or a broken copy: every cut is refused or
// gives samples that lie wholly inside what is there.
TEST(WaveFile, EveryCutOfAFileStaysInsideIt) {
    const std::string whole = riff(chunk("LIST", "INFOISFT\x05\0\0\0Zelvo"s) +
                                   fmt(1, 2, 22050, 16) + chunk("data", kFrames + kFrames));
    for (std::size_t n = 0; n <= whole.size(); ++n) {
        SCOPED_TRACE(n);
        try {
            const WaveSound s = readwave(std::string_view(whole).substr(0, n));
            EXPECT_LE(s.dataOffset + s.dataBytes, n);
            EXPECT_EQ(s.dataBytes % 4, 0u);
            EXPECT_GT(s.dataBytes, 0u);
        } catch (const WaveError&) {
        }
    }
}

}  // namespace
}  // namespace zelvo
