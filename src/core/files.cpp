// What the POSIX and the Win32 file calls share: the names of the game's hidden files.
#include "core/files.h"

#include <algorithm>
#include <string_view>

namespace zelvo {

namespace {

constexpr std::string_view kTemporaryPrefix = ".zelvo-", kTemporarySuffix = ".tmp";

std::size_t lastslash(const std::string& path) {
#ifdef _WIN32
    return path.find_last_of("/\\");
#else
    return path.find_last_of('/');
#endif
}

}  // namespace

bool sameletters(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

WindowsName windowsname(std::string_view name) {
    for (const unsigned char c : name)
        if (c < 32 ||
            std::string_view("<>:\"|?*").find(static_cast<char>(c)) != std::string_view::npos)
            return WindowsName::Sign;
    if (!name.empty() && (name.back() == '.' || name.back() == ' ')) return WindowsName::Ending;
    std::string_view base = name.substr(0, name.find('.'));
    base = base.substr(0, base.find_last_not_of(' ') + 1);
    for (std::string_view device : {"con", "prn", "aux", "nul", "conin$", "conout$"})
        if (sameletters(base, device)) return WindowsName::Device;
    for (std::string_view port : {"com", "lpt"}) {
        if (base.size() < 4 || !sameletters(base.substr(0, 3), port)) continue;
        const std::string_view number = base.substr(3);
        if ((number.size() == 1 && number[0] >= '0' && number[0] <= '9') || number == "\xC2\xB9" ||
            number == "\xC2\xB2" || number == "\xC2\xB3")
            return WindowsName::Device;
    }
    return WindowsName::Fine;
}

std::string swapfileof(const std::string& path) {
    const std::size_t slash = lastslash(path);
    const std::size_t base = slash == std::string::npos ? 0 : slash + 1;
    return path.substr(0, base) + "." + path.substr(base) + ".swap";
}

// A leading dot and the process number make a name no save of the game's can have at the
// same time.
std::string temporaryname(const std::string& folder, unsigned long process, unsigned counter) {
    return folder + std::string(kTemporaryPrefix) + std::to_string(process) + "-" +
           std::to_string(counter) + std::string(kTemporarySuffix);
}

// ".zelvo-" process "-" counter ".tmp", both in digits.
std::optional<unsigned long long> temporaryfileprocess(const std::string& name) {
    const std::string_view text = name;
    if (text.size() <= kTemporaryPrefix.size() + kTemporarySuffix.size() ||
        !text.starts_with(kTemporaryPrefix) || !text.ends_with(kTemporarySuffix))
        return std::nullopt;
    const std::string_view middle = text.substr(
        kTemporaryPrefix.size(), text.size() - kTemporaryPrefix.size() - kTemporarySuffix.size());
    const std::size_t dash = middle.find('-');
    const auto digits = [](std::string_view part) {
        return !part.empty() && part.size() <= 10 &&
               part.find_first_not_of("0123456789") == std::string_view::npos;
    };
    if (dash == std::string_view::npos || !digits(middle.substr(0, dash)) ||
        !digits(middle.substr(dash + 1)))
        return std::nullopt;
    return std::stoull(std::string(middle.substr(0, dash)));
}

}  // namespace zelvo
