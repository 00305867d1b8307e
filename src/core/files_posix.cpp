// Reading, replacing and appending to files without ever blocking on something that is not a
// plain file: the POSIX calls.
#include "core/files.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstring>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zelvo {

namespace {

// Opens without waiting (a named pipe would block an ordinary open) and keeps the file only
// when it is a regular one.
int openregular(const std::string& path, int flags) {
    const int fd = ::open(path.c_str(), flags | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0) return -1;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        errno = EISDIR;
        return -1;
    }
    return fd;
}

template <class Write>
bool writeall(int fd, const std::string& text, const Write& write) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n == 0) errno = EIO;  // nothing written and nothing said why: call it a fault
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

std::string folderof(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? "" : path.substr(0, slash + 1);
}

// Opens the swap file for writing over, making it when there is none. Whatever else is
// found under its name (a link, a file that another name shares, a pipe) is not the game's
// to write into: that name is removed and a file of its own made in its place.
int openswapfile(const std::string& swap) {
    const int flags = O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
    int fd = ::open(swap.c_str(), flags, 0666);
    struct stat info {};
    if (fd >= 0 && ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_nlink == 1)
        return fd;
    if (fd >= 0) ::close(fd);
    // A link is refused as a loop and a pipe as having no reader; a folder is no file at all.
    if (fd < 0 && errno != ELOOP && errno != ENXIO) return -1;
    if (::unlink(swap.c_str()) != 0) return -1;
    fd = ::open(swap.c_str(), flags | O_EXCL, 0666);
    return fd;
}

}  // namespace

std::optional<std::string> readregularfile(const std::string& path, std::size_t most) {
    const int fd = openregular(path, O_RDONLY);
    if (fd < 0) return std::nullopt;
    std::string text;
    char buffer[65536];
    while (text.size() < most) {
        const ssize_t n = ::read(fd, buffer, std::min(sizeof buffer, most - text.size()));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0) break;
        text.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return text;
}

const FileCalls& systemfilecalls() {
    static const FileCalls calls{
        ::write,
        ::fsync,
        ::close,
        ::rename,
        ::ftruncate,
        [](const char* one, const char* other) {
            return ::renameat2(AT_FDCWD, one, AT_FDCWD, other, RENAME_EXCHANGE);
        },
    };
    return calls;
}

std::string replacefile(const std::string& path, const std::string& text, bool durable,
                        const FileCalls& calls) {
    // O_EXCL makes sure no file of that name is ever opened over.
    static unsigned counter = 0;
    std::string temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = temporaryname(folderof(path), static_cast<unsigned long>(::getpid()), counter++);
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) return std::strerror(errno);
    bool ok = writeall(fd, text, calls.write);
    int error = ok ? 0 : errno;
    if (ok && durable && calls.sync(fd) != 0) ok = false, error = errno;
    // The descriptor is gone after close, whatever it answers.
    if (calls.close(fd) != 0 && ok) ok = false, error = errno;
    if (ok && calls.rename(temp.c_str(), path.c_str()) != 0) ok = false, error = errno;
    if (!ok) {
        ::unlink(temp.c_str());
        return std::strerror(error ? error : EIO);
    }
    return "";
}

int removeleftovers(const std::string& folder) {
    DIR* listing = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!listing) return 0;
    int removed = 0;
    while (const dirent* entry = ::readdir(listing)) {
        const auto made = temporaryfileprocess(entry->d_name);
        if (!made) continue;
        const unsigned long long process = *made;
        const bool mine = process == static_cast<unsigned long long>(::getpid());
        const bool gone = process > INT_MAX || process == 0 ||
                          (::kill(static_cast<pid_t>(process), 0) != 0 && errno == ESRCH);
        if (!mine && !gone) continue;
        struct stat info {};
        if (::fstatat(::dirfd(listing), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(info.st_mode) && ::unlinkat(::dirfd(listing), entry->d_name, 0) == 0)
            ++removed;
    }
    ::closedir(listing);
    return removed;
}

std::vector<FolderFile> listfolder(const std::string& folder) {
    std::vector<FolderFile> files;
    DIR* listing = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!listing) return files;
    while (const dirent* entry = ::readdir(listing)) {
        if (entry->d_name[0] == '.') continue;
        struct stat info {};
        if (::fstatat(::dirfd(listing), entry->d_name, &info, 0) == 0 && S_ISREG(info.st_mode))
            files.push_back({entry->d_name, info.st_mtim});
    }
    ::closedir(listing);
    return files;
}

std::string rewritefile(const std::string& path, const std::string& text, const FileCalls& calls) {
    const std::string swap = swapfileof(path);
    const int fd = openswapfile(swap);
    if (fd < 0) return std::strerror(errno);
    // Written over what the file held, then cut to length: emptying it first would have
    // the file system write it out at once.
    bool ok =
        writeall(fd, text, calls.write) && calls.truncate(fd, static_cast<off_t>(text.size())) == 0;
    int error = ok ? 0 : errno;
    if (calls.close(fd) != 0 && ok) ok = false, error = errno;
    if (ok && calls.exchange(swap.c_str(), path.c_str()) != 0) {
        // No file yet to trade with, or a file system that cannot trade names.
        if (errno != ENOENT && errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
            ok = false, error = errno;
        else if (calls.rename(swap.c_str(), path.c_str()) != 0)
            ok = false, error = errno;
    }
    if (!ok) {
        ::unlink(swap.c_str());
        return std::strerror(error ? error : EIO);
    }
    return "";
}

bool appendtofile(const std::string& path, const std::string& text) {
    const int fd = openregular(path, O_WRONLY | O_APPEND | O_CREAT);
    if (fd < 0) return false;
    const bool ok = writeall(fd, text, ::write);
    return ::close(fd) == 0 && ok;
}

bool namedexactly(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

std::FILE* openfile(const std::string& path, const char* mode) {
    return std::fopen(path.c_str(), mode);
}

}  // namespace zelvo
