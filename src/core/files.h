// Files the game reads and writes in its folder: regular files only, written whole or not at all.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

#include <sys/types.h>

namespace zelvo {

// The whole content of a regular file. Nothing when there is no such file or it cannot be
// read; a folder, a named pipe or a device counts as no file, and is never waited on.
std::optional<std::string> readregularfile(const std::string& path);

// The calls a replacement makes once its temporary file is open, in this order: `write`
// until all is written, `sync` when the file must reach the disk, `close`, `rename`. Each
// fails as the system call does (-1 and errno). A test puts failing ones in their place.
struct FileCalls {
    std::function<ssize_t(int fd, const void* data, std::size_t size)> write;
    std::function<int(int fd)> sync;
    std::function<int(int fd)> close;
    std::function<int(const char* from, const char* to)> rename;
};
// The system's own calls.
const FileCalls& systemfilecalls();

// Writes `text` in one go to a hidden temporary file of its own beside `path` and renames it
// over `path`, so a failure never leaves a half-written file and no other file is touched;
// the temporary file is removed when anything fails. With `durable`, the text reaches the
// disk before the rename, so even a power cut leaves the old file or the whole new one.
// Returns an error text, or empty.
std::string replacefile(const std::string& path, const std::string& text, bool durable = false,
                        const FileCalls& calls = systemfilecalls());

// Appends `text` to a regular file, creating it; a file that is not a regular file is left
// alone. False when nothing was written.
bool appendtofile(const std::string& path, const std::string& text);

}  // namespace zelvo
