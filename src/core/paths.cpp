// Paths from the game's names and back, on every system.
#include "core/paths.h"

#include "core/system.h"

namespace zelvo {

// On Windows bytes that are not UTF-8 (a name can be typed as anything) become U+FFFD, as
// no file is named, rather than an exception from the middle of a menu.
std::filesystem::path pathof(const std::string& utf8) {
#ifdef _WIN32
    return std::filesystem::path(widelossy(utf8));
#else
    return std::filesystem::path(utf8);
#endif
}

std::string utf8of(const std::filesystem::path& path) {
#ifdef _WIN32
    return utf8fromwide(path.native());
#else
    return path.native();
#endif
}

std::string genericutf8(const std::filesystem::path& path) {
#ifdef _WIN32
    return utf8fromwide(path.generic_wstring());
#else
    return path.generic_string();
#endif
}

}  // namespace zelvo
