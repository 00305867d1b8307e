#include "platform/win32/wave_file.h"

#include <algorithm>
#include <optional>
#include <string>

namespace zelvo {
namespace {

constexpr std::uint16_t kPcm = 1;
constexpr std::uint16_t kExtensible = 0xFFFE;
// KSDATAFORMAT_SUBTYPE_PCM after its first four bytes (which hold the format number).
constexpr std::string_view kPcmGuidTail("\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 12);

// Wave files are little-endian whatever the machine.
std::uint32_t number(std::string_view bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return value;
}

std::string formatname(std::uint32_t tag) {
    switch (tag) {
    case 2:
        return "ADPCM";
    case 3:
        return "floating point";
    case 6:
        return "A-law";
    case 7:
        return "mu-law";
    case 0x11:
        return "IMA ADPCM";
    case 0x55:
        return "MP3";
    default:
        return "format " + std::to_string(tag);
    }
}

struct Format {
    int channels;
    int rate;
    int bits;
    int blockAlign;
};

Format readformat(std::string_view chunk) {
    if (chunk.size() < 16) throw WaveError("its format chunk is cut short");
    std::uint32_t tag = number(chunk, 0, 2);
    if (tag == kExtensible) {
        // The extensible form names its true format in a GUID after the basic fields.
        if (chunk.size() < 40 || number(chunk, 16, 2) < 22)
            throw WaveError("its extensible format chunk is cut short");
        tag = chunk.substr(28, 12) == kPcmGuidTail ? number(chunk, 24, 4) : 0xFFFFFFFF;
        if (tag == 0xFFFFFFFF) throw WaveError("it is not PCM sound but a format of its own");
    }
    if (tag != kPcm)
        throw WaveError("it is " + formatname(tag) +
                        " sound, not PCM: only 8- and 16-bit PCM can be played");
    const Format f{static_cast<int>(number(chunk, 2, 2)), static_cast<int>(number(chunk, 4, 4)),
                   static_cast<int>(number(chunk, 14, 2)), static_cast<int>(number(chunk, 12, 2))};
    if (f.channels != 1 && f.channels != 2)
        throw WaveError("it has " + std::to_string(f.channels) +
                        " channels: only mono and stereo can be played");
    if (f.bits != 8 && f.bits != 16)
        throw WaveError("it has " + std::to_string(f.bits) +
                        "-bit samples: only 8- and 16-bit ones can be played");
    if (f.blockAlign != f.channels * f.bits / 8)
        throw WaveError("its format chunk is damaged (" + std::to_string(f.blockAlign) +
                        " bytes a frame for " + std::to_string(f.channels) + " channels of " +
                        std::to_string(f.bits) + " bits)");
    if (f.rate < kWaveMinRate || f.rate > kWaveMaxRate)
        throw WaveError("its rate of " + std::to_string(number(chunk, 4, 4)) +
                        " frames a second is outside " + std::to_string(kWaveMinRate) + " to " +
                        std::to_string(kWaveMaxRate));
    return f;
}

}  // namespace

WaveSound readwave(std::string_view bytes) {
    if (bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE")
        throw WaveError("it is not a wave file (it does not begin with RIFF and WAVE)");
    // The RIFF length is not trusted: programs that write as they record leave it at 0 or
    // at its largest, and the chunks themselves say where they end.
    const std::size_t end = bytes.size();
    std::optional<Format> format;
    std::optional<std::string_view> data;
    std::size_t at = 12;
    while (end - at >= 8 && !(format && data)) {
        const std::string_view id = bytes.substr(at, 4);
        const std::uint64_t size = number(bytes, at + 4, 4);
        const std::size_t body = at + 8;
        const std::size_t held =
            static_cast<std::size_t>(std::min<std::uint64_t>(size, end - body));
        if (id == "fmt " && !format) format = readformat(bytes.substr(body, held));
        if (id == "data" && !data) data = bytes.substr(body, held);
        // Chunks of odd length are followed by a pad byte.
        const std::uint64_t next = body + size + (size & 1);
        if (next >= end) break;
        at = static_cast<std::size_t>(next);
    }
    if (!format) throw WaveError("it has no format chunk");
    if (!data) throw WaveError("it has no data chunk");
    WaveSound sound;
    sound.channels = format->channels;
    sound.rate = format->rate;
    sound.bits = format->bits;
    sound.dataOffset = static_cast<std::size_t>(data->data() - bytes.data());
    // A frame cut in two by the end of the file is left out.
    sound.dataBytes = data->size() - data->size() % static_cast<std::size_t>(format->blockAlign);
    if (sound.dataBytes == 0) throw WaveError("it holds no sound (its data chunk is empty)");
    return sound;
}

}  // namespace zelvo
