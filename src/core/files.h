// Files the game reads and writes in its folder: regular files only, written whole or not at all.
#pragma once

#include <optional>
#include <string>

namespace zelvo {

// The whole content of a regular file. Nothing when there is no such file or it cannot be
// read; a folder, a named pipe or a device counts as no file, and is never waited on.
std::optional<std::string> readregularfile(const std::string& path);

// Writes `text` to a hidden temporary file of its own beside `path` and renames it over
// `path`, so a failure never leaves a half-written file and no other file is touched.
// Returns an error text, or empty.
std::string replacefile(const std::string& path, const std::string& text);

// Appends `text` to a regular file, creating it; a file that is not a regular file is left
// alone. False when nothing was written.
bool appendtofile(const std::string& path, const std::string& text);

}  // namespace zelvo
