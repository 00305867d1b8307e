// Files the game reads and writes in its folder: regular files only, written whole or not at all.
#pragma once

#include <cstddef>
#include <cstdio>
#include <ctime>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#ifndef _WIN32
#include <sys/types.h>
#endif

namespace zelvo {

// The whole content of a regular file, or its first `most` bytes. Nothing when there is no
// such file or it cannot be read; a folder, a named pipe or a device counts as no file, and
// is never waited on.
std::optional<std::string> readregularfile(const std::string& path,
                                           std::size_t most = static_cast<std::size_t>(-1));

// A regular file of a folder and when it was last written.
struct FolderFile {
    std::string name;
    ::timespec modified{};  // mingw has it only outside std
};
// The regular files of `folder` (a link counts as what it leads to), in no particular order.
// Hidden files (a name beginning with ".") are the game's own workings and never listed.
std::vector<FolderFile> listfolder(const std::string& folder);

// The calls a replacement makes once its temporary file is open, in this order: `write`
// until all is written, `truncate` (a rewrite only), `sync` when the file must reach the
// disk, `close`, then `exchange` (a rewrite only) or `rename`. Each fails as the system call
// does. A test puts failing ones in their place.
#ifdef _WIN32
// On Windows a file is a HANDLE, names are UTF-16, and a call that fails returns false with
// the reason for GetLastError. `rename` puts the file in the place of another, replacing
// one that is there (ReplaceFileW, or MoveFileExW when there is none yet), and `exchange`
// trades the two names' contents, each keeping a whole file whatever fails.
using FileHandle = void*;
struct FileCalls {
    std::function<bool(FileHandle file, const void* data, std::size_t size, std::size_t& written)>
        write;
    std::function<bool(FileHandle file)> sync;
    std::function<bool(FileHandle file)> close;
    std::function<bool(const wchar_t* from, const wchar_t* to)> rename;
    std::function<bool(FileHandle file, std::size_t size)> truncate;
    std::function<bool(const wchar_t* one, const wchar_t* other)> exchange;
};
#else
// On POSIX systems each returns -1 with errno set when it fails.
struct FileCalls {
    std::function<ssize_t(int fd, const void* data, std::size_t size)> write;
    std::function<int(int fd)> sync;
    std::function<int(int fd)> close;
    std::function<int(const char* from, const char* to)> rename;
    std::function<int(int fd, off_t size)> truncate;
    // Swaps two names in one step; both must exist.
    std::function<int(const char* one, const char* other)> exchange;
};
#endif
// The system's own calls.
const FileCalls& systemfilecalls();

// Writes `text` in one go to a hidden temporary file of its own beside `path` and renames it
// over `path`, so a failure never leaves a half-written file and no other file is touched;
// the temporary file is removed when anything fails. With `durable`, the text reaches the
// disk before the rename, so even a power cut leaves the old file or the whole new one.
// Returns an error text, or empty.
std::string replacefile(const std::string& path, const std::string& text, bool durable = false,
                        const FileCalls& calls = systemfilecalls());

// Removes from `folder` the temporary files of replacements that never finished: those of
// a game stopped in the middle of writing one. Only the game's own hidden names are
// touched, and only when the process that made them is gone (or is this one, which has
// made none yet at start-up). Returns how many were removed.
int removeleftovers(const std::string& folder);

// The hidden file beside `path` that `rewritefile` writes into.
std::string swapfileof(const std::string& path);

// Replaces `path` as often as every few seconds and cheaply, with the same promise as
// `replacefile` without `durable`: `path` holds its old text or the whole new one, never a
// part. The text is written over the hidden swap file beside it, which then trades names
// with `path` in one step and keeps the previous text for the next time. After the first
// time no file is made or removed, which costs the file system far more than the writing.
// Where the file system cannot swap two names, or `path` does not exist yet, the swap file
// is renamed over `path` instead. Nothing is left behind when anything fails.
// Returns an error text, or empty.
std::string rewritefile(const std::string& path, const std::string& text,
                        const FileCalls& calls = systemfilecalls());

// Appends `text` to a regular file, creating it; a file that is not a regular file is left
// alone. False when nothing was written.
bool appendtofile(const std::string& path, const std::string& text);

// Whether something (a file, a folder, a link) stands under exactly this name. A file system
// that ignores letter case (Windows's) finds a file under any spelling of its name; only the
// spelling the folder holds is its exact name.
bool namedexactly(const std::string& path);

// Opens a file by its UTF-8 name as std::fopen does, or null with errno set.
std::FILE* openfile(const std::string& path, const char* mode);

// Whether two names differ at most in the letter case of A to Z: how a Windows folder tells
// its files apart, and how the game finds its sounds and the saves a player names.
bool sameletters(std::string_view a, std::string_view b);

// What keeps Windows from holding `name` (one file name, no folder) as it stands: a sign it
// keeps for itself (`< > : " | ? *` or a control character), a final dot or blank (which it
// would silently drop), or the name of a device (CON, PRN, AUX, NUL, CONIN$, CONOUT$, COM0 to
// COM9, LPT0 to LPT9 and COM or LPT with a raised 1 to 3, in any letter case, whatever
// follows the first dot). The game refuses such names on every system, so that its files
// travel between them.
enum class WindowsName { Fine, Sign, Ending, Device };
WindowsName windowsname(std::string_view name);

// The name of a replacement's temporary file in `folder` (empty, or ending in a slash).
std::string temporaryname(const std::string& folder, unsigned long process, unsigned counter);
// The process that made a temporary file of that name, or nothing when it is not one.
std::optional<unsigned long long> temporaryfileprocess(const std::string& name);

}  // namespace zelvo
