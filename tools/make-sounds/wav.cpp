// The wave file layout and the safe way of putting one on disk.
#include "wav.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <stdexcept>
#include <string>
#include <system_error>

namespace zelvo::soundgen {

namespace {

constexpr std::uint16_t kChannels = 2;
constexpr std::uint16_t kBits = 16;
constexpr std::uint16_t kBlockAlign = kChannels * kBits / 8;

// Wave files are little-endian whatever the machine.
void put(std::vector<char>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xffu));
}

void put(std::vector<char>& out, const char* tag) {
    out.insert(out.end(), tag, tag + 4);
}

}  // namespace

std::vector<char> wavbytes(const Samples& mono) {
    const auto data = static_cast<std::uint32_t>(mono.size() * kBlockAlign);
    std::vector<char> out;
    out.reserve(44 + data);
    put(out, "RIFF");
    put(out, 36 + data, 4);
    put(out, "WAVE");
    put(out, "fmt ");
    put(out, 16, 4);
    put(out, 1, 2);  // PCM
    put(out, kChannels, 2);
    put(out, kRate, 4);
    put(out, static_cast<std::uint32_t>(kRate) * kBlockAlign, 4);
    put(out, kBlockAlign, 2);
    put(out, kBits, 2);
    put(out, "data");
    put(out, data, 4);
    for (std::int16_t s : mono) {
        auto bits = static_cast<std::uint16_t>(s);
        put(out, bits, 2);
        put(out, bits, 2);
    }
    return out;
}

void writewav(const std::filesystem::path& path, const Samples& mono) {
    const std::vector<char> bytes = wavbytes(mono);
    std::filesystem::path temp = path;
    temp += ".part";
    {
        std::ofstream file(temp, std::ios::binary | std::ios::trunc);
        if (!file)
            throw std::runtime_error("cannot write " + temp.string() + ": " + std::strerror(errno));
        file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        file.close();
        if (!file) {
            std::error_code ignored;
            std::filesystem::remove(temp, ignored);
            throw std::runtime_error("cannot write " + temp.string() + ": the disk refused it");
        }
    }
    std::error_code ec;
    std::filesystem::rename(temp, path, ec);
    if (ec) {
        std::error_code ignored;
        std::filesystem::remove(temp, ignored);
        throw std::runtime_error("cannot put " + path.string() + " in place: " + ec.message());
    }
}

}  // namespace zelvo::soundgen
