// Reading, replacing and appending to files without ever blocking on something that is not a
// plain file.
#include "core/files.h"

#include <cerrno>
#include <cstring>

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

}  // namespace

std::optional<std::string> readregularfile(const std::string& path) {
    const int fd = openregular(path, O_RDONLY);
    if (fd < 0) return std::nullopt;
    std::string text;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
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
    static const FileCalls calls{::write, ::fsync, ::close, ::rename};
    return calls;
}

std::string replacefile(const std::string& path, const std::string& text, bool durable,
                        const FileCalls& calls) {
    // A leading dot and the process number make a name no save of the game's can have at
    // the same time; O_EXCL makes sure no file of that name is ever opened over.
    static unsigned counter = 0;
    std::string temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = folderof(path) + ".zelvo-" + std::to_string(::getpid()) + "-" +
               std::to_string(counter++) + ".tmp";
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

bool appendtofile(const std::string& path, const std::string& text) {
    const int fd = openregular(path, O_WRONLY | O_APPEND | O_CREAT);
    if (fd < 0) return false;
    const bool ok = writeall(fd, text, ::write);
    return ::close(fd) == 0 && ok;
}

}  // namespace zelvo
