// Reading, replacing and appending to files without ever opening something that is not a
// plain file: the Win32 calls. Names are UTF-8 inside the game and UTF-16 at every call.
#include "core/files.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string_view>

#include "core/system.h"

namespace zelvo {

namespace {

// Windows's reasons read as the POSIX ones do: one clause, no full stop, no line end.
std::string errortext(DWORD code) {
    wchar_t* text = nullptr;
    const DWORD flags =
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;
    DWORD size = FormatMessageW(flags, nullptr, code, MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US),
                                reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    if (size == 0)
        size =
            FormatMessageW(flags, nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::string why = size ? utf8fromwide(std::wstring(text, size)) : "";
    if (text) LocalFree(text);
    why.erase(why.find_last_not_of(" .\r\n\t") + 1);
    return why.empty() ? "Windows error " + std::to_string(code) : why;
}

std::string lasterror(DWORD code = GetLastError()) {
    return errortext(code ? code : ERROR_WRITE_FAULT);
}

// Why Windows cannot take the last part of `path` as a file's name. Such a name is never
// handed to the system.
std::string systemrefusal(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (name.empty() || name == "." || name == "..") return "";
    switch (windowsname(name)) {
    case WindowsName::Sign:
        return name + " holds a character that Windows keeps for itself";
    case WindowsName::Ending:
        return name + " ends in a dot or a blank, which Windows drops";
    case WindowsName::Device:
        return name + " is a name that Windows keeps for a device";
    case WindowsName::Fine:
        break;
    }
    return "";
}

// The UTF-16 name of a file the game may use, or nothing with the reason set.
bool filename(const std::string& path, std::wstring& name, std::string& why) {
    why = systemrefusal(path);
    if (!why.empty()) return false;
    if (!widefromutf8(path, name)) {
        why = "the name is not valid text";
        return false;
    }
    // The game joins names with slashes; not every call takes them for backslashes
    // (ReplaceFileW under Wine does not).
    std::replace(name.begin(), name.end(), L'/', L'\\');
    return true;
}

std::wstring folderof(const std::wstring& path) {
    const std::size_t slash = path.find_last_of(L"/\\");
    return slash == std::wstring::npos ? L"" : path.substr(0, slash + 1);
}

std::wstring joined(const std::wstring& folder, const std::wstring& name) {
    if (folder.empty()) return name;
    const wchar_t last = folder.back();
    return last == L'/' || last == L'\\' ? folder + name : folder + L"\\" + name;
}

// A new temporary name in `folder` (empty, or ending in a slash) for this process.
std::wstring newtemporary(const std::wstring& folder) {
    static unsigned counter = 0;
    std::wstring name;
    widefromutf8(temporaryname("", GetCurrentProcessId(), counter++), name);
    return folder + name;
}

bool exists(const wchar_t* path) {
    return GetFileAttributesW(path) != INVALID_FILE_ATTRIBUTES;
}

// A regular file of the disk: not a folder, a console, a printer port or a pipe.
bool plainfile(HANDLE file) {
    BY_HANDLE_FILE_INFORMATION info{};
    return GetFileType(file) == FILE_TYPE_DISK && GetFileInformationByHandle(file, &info) &&
           !(info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

HANDLE openplain(const std::wstring& name, DWORD access, DWORD disposition) {
    HANDLE file =
        CreateFileW(name.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return file;
    if (!plainfile(file)) {
        CloseHandle(file);
        SetLastError(ERROR_ACCESS_DENIED);
        return INVALID_HANDLE_VALUE;
    }
    return file;
}

template <class Write>
bool writeall(HANDLE file, const std::string& text, const Write& write) {
    std::size_t done = 0;
    while (done < text.size()) {
        std::size_t written = 0;
        if (!write(file, text.data() + done, text.size() - done, written)) return false;
        if (written == 0) {  // nothing written and nothing said why: call it a fault
            SetLastError(ERROR_WRITE_FAULT);
            return false;
        }
        done += written;
    }
    return true;
}

// Puts `from` in the place of `to`. ReplaceFileW keeps what Windows knows of the old file
// (its attributes, who may read it); where there is no old file, the new one takes its name.
// When the old file was moved away and the new one could not take its place, the old one
// is gone: the whole new one is put there rather than leaving no file at all.
bool putinplace(const wchar_t* from, const wchar_t* to) {
    if (!exists(to))
        return MoveFileExW(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (ReplaceFileW(to, from, nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr))
        return true;
    const DWORD error = GetLastError();
    if (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT || error == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2)
        return MoveFileExW(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    SetLastError(error);
    return false;
}

// Windows cannot trade two names in one step. `one` takes the place of `other` while the old
// `other` is kept aside under a temporary name, which then takes the name `one` had; each
// name holds a whole file at every moment but the last, where only the file before is lost.
bool tradenames(const wchar_t* one, const wchar_t* other) {
    if (!exists(other)) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return false;
    }
    const std::wstring aside = newtemporary(folderof(one));
    if (!ReplaceFileW(other, one, aside.c_str(), REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                      nullptr)) {
        const DWORD error = GetLastError();
        // The old file was moved aside and the new one did not take its place: back it goes.
        if (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) MoveFileExW(aside.c_str(), other, 0);
        SetLastError(error);
        return false;
    }
    if (!MoveFileExW(aside.c_str(), one, MOVEFILE_REPLACE_EXISTING)) DeleteFileW(aside.c_str());
    return true;
}

// Opens the swap file for writing over, making it when there is none. Whatever else is
// found under its name (a link, a file that another name shares) is not the game's to write
// into: that name is removed and a file of its own made in its place.
HANDLE openswapfile(const std::wstring& swap) {
    HANDLE file = CreateFileW(swap.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (file == INVALID_HANDLE_VALUE) return file;  // a folder, or no right to write
    BY_HANDLE_FILE_INFORMATION info{};
    if (GetFileType(file) == FILE_TYPE_DISK && GetFileInformationByHandle(file, &info) &&
        !(info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) &&
        info.nNumberOfLinks == 1)
        return file;
    CloseHandle(file);
    if (!DeleteFileW(swap.c_str())) return INVALID_HANDLE_VALUE;
    return CreateFileW(swap.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                       nullptr);
}

// Whether the process of that number has ended. One that cannot be asked (another user's)
// is running.
bool processgone(unsigned long long id) {
    if (id == 0 || id > 0xFFFFFFFFull) return true;
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(id));
    if (!process) return GetLastError() == ERROR_INVALID_PARAMETER;
    DWORD code = 0;
    const bool ended = GetExitCodeProcess(process, &code) && code != STILL_ACTIVE;
    CloseHandle(process);
    return ended;
}

::timespec timespecof(FILETIME time) {
    ULARGE_INTEGER ticks{};
    ticks.LowPart = time.dwLowDateTime;
    ticks.HighPart = time.dwHighDateTime;
    // From hundreds of nanoseconds since 1601 to the POSIX epoch of 1970.
    const long long since1970 = static_cast<long long>(ticks.QuadPart) - 116444736000000000LL;
    ::timespec at{};
    at.tv_sec = static_cast<std::time_t>(since1970 / 10000000);
    at.tv_nsec = static_cast<long>(since1970 % 10000000 * 100);
    return at;
}

// Calls `each` with every entry of `folder` that matches `pattern`.
template <class Each>
void eachentry(const std::string& folder, const wchar_t* pattern, const Each& each) {
    std::wstring wide;
    if (!widefromutf8(folder.empty() ? "." : folder, wide)) return;
    WIN32_FIND_DATAW data{};
    HANDLE find = FindFirstFileExW(joined(wide, pattern).c_str(), FindExInfoBasic, &data,
                                   FindExSearchNameMatch, nullptr, 0);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        each(wide, data);
    } while (FindNextFileW(find, &data));
    FindClose(find);
}

}  // namespace

std::optional<std::string> readregularfile(const std::string& path, std::size_t most) {
    std::wstring name;
    std::string why;
    if (!filename(path, name, why)) return std::nullopt;
    HANDLE file = openplain(name, GENERIC_READ, OPEN_EXISTING);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    std::string text;
    char buffer[65536];
    while (text.size() < most) {
        DWORD n = 0;
        const auto want = static_cast<DWORD>(std::min(sizeof buffer, most - text.size()));
        if (!ReadFile(file, buffer, want, &n, nullptr)) {
            CloseHandle(file);
            return std::nullopt;
        }
        if (n == 0) break;
        text.append(buffer, n);
    }
    CloseHandle(file);
    return text;
}

const FileCalls& systemfilecalls() {
    static const FileCalls calls{
        [](FileHandle file, const void* data, std::size_t size, std::size_t& written) {
            DWORD n = 0;
            const auto piece = static_cast<DWORD>(std::min<std::size_t>(size, 1u << 30));
            const bool ok = WriteFile(file, data, piece, &n, nullptr);
            written = n;
            return ok;
        },
        [](FileHandle file) { return FlushFileBuffers(file) != 0; },
        [](FileHandle file) { return CloseHandle(file) != 0; },
        putinplace,
        [](FileHandle file, std::size_t size) {
            LARGE_INTEGER at{};
            at.QuadPart = static_cast<LONGLONG>(size);
            return SetFilePointerEx(file, at, nullptr, FILE_BEGIN) && SetEndOfFile(file);
        },
        tradenames,
    };
    return calls;
}

std::string replacefile(const std::string& path, const std::string& text, bool durable,
                        const FileCalls& calls) {
    std::wstring name;
    std::string why;
    if (!filename(path, name, why)) return why;
    // CREATE_NEW makes sure no file of that name is ever opened over.
    std::wstring temp;
    HANDLE file = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 100 && file == INVALID_HANDLE_VALUE; ++attempt) {
        temp = newtemporary(folderof(name));
        file = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
        const DWORD error = GetLastError();
        if (file == INVALID_HANDLE_VALUE && error != ERROR_FILE_EXISTS &&
            error != ERROR_ALREADY_EXISTS)
            break;
    }
    if (file == INVALID_HANDLE_VALUE) return lasterror();
    bool ok = writeall(file, text, calls.write);
    DWORD error = ok ? 0 : GetLastError();
    if (ok && durable && !calls.sync(file)) ok = false, error = GetLastError();
    // The handle is gone after close, whatever it answers.
    if (!calls.close(file) && ok) ok = false, error = GetLastError();
    if (ok && !calls.rename(temp.c_str(), name.c_str())) ok = false, error = GetLastError();
    if (!ok) {
        DeleteFileW(temp.c_str());
        return lasterror(error);
    }
    return "";
}

int removeleftovers(const std::string& folder) {
    int removed = 0;
    eachentry(folder, L".zelvo-*.tmp", [&](const std::wstring& wide, const WIN32_FIND_DATAW& data) {
        const auto made = temporaryfileprocess(utf8fromwide(data.cFileName));
        if (!made ||
            data.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT))
            return;
        const bool mine = *made == GetCurrentProcessId();
        if ((mine || processgone(*made)) && DeleteFileW(joined(wide, data.cFileName).c_str()))
            ++removed;
    });
    return removed;
}

std::vector<FolderFile> listfolder(const std::string& folder) {
    std::vector<FolderFile> files;
    eachentry(folder, L"*", [&](const std::wstring& wide, const WIN32_FIND_DATAW& data) {
        const std::string name = utf8fromwide(data.cFileName);
        if (name.empty() || name[0] == '.' || data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            return;
        FILETIME modified = data.ftLastWriteTime;
        // A link counts as what it leads to.
        if (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) {
            HANDLE file = openplain(joined(wide, data.cFileName), 0, OPEN_EXISTING);
            if (file == INVALID_HANDLE_VALUE) return;
            BY_HANDLE_FILE_INFORMATION info{};
            const bool known = GetFileInformationByHandle(file, &info);
            CloseHandle(file);
            if (!known) return;
            modified = info.ftLastWriteTime;
        }
        files.push_back({name, timespecof(modified)});
    });
    return files;
}

std::string rewritefile(const std::string& path, const std::string& text, const FileCalls& calls) {
    std::wstring name, swap;
    std::string why;
    if (!filename(path, name, why)) return why;
    widefromutf8(swapfileof(path), swap);
    HANDLE file = openswapfile(swap);
    if (file == INVALID_HANDLE_VALUE) return lasterror();
    // Written over what the file held, then cut to length.
    bool ok = writeall(file, text, calls.write) && calls.truncate(file, text.size());
    DWORD error = ok ? 0 : GetLastError();
    if (!calls.close(file) && ok) ok = false, error = GetLastError();
    if (ok && !calls.exchange(swap.c_str(), name.c_str())) {
        // No file yet to trade with.
        if (GetLastError() != ERROR_FILE_NOT_FOUND)
            ok = false, error = GetLastError();
        else if (!calls.rename(swap.c_str(), name.c_str()))
            ok = false, error = GetLastError();
    }
    if (!ok) {
        DeleteFileW(swap.c_str());
        return lasterror(error);
    }
    return "";
}

bool appendtofile(const std::string& path, const std::string& text) {
    std::wstring name;
    std::string why;
    if (!filename(path, name, why)) return false;
    HANDLE file = openplain(name, FILE_APPEND_DATA, OPEN_ALWAYS);
    if (file == INVALID_HANDLE_VALUE) return false;
    const bool ok = writeall(file, text, systemfilecalls().write);
    return CloseHandle(file) && ok;
}

bool namedexactly(const std::string& path) {
    std::wstring name;
    std::string why;
    if (!filename(path, name, why)) return false;
    WIN32_FIND_DATAW data{};
    HANDLE find =
        FindFirstFileExW(name.c_str(), FindExInfoBasic, &data, FindExSearchNameMatch, nullptr, 0);
    if (find == INVALID_HANDLE_VALUE) return false;
    FindClose(find);
    const std::size_t slash = name.find_last_of(L'\\');
    return name.compare(slash == std::wstring::npos ? 0 : slash + 1, std::wstring::npos,
                        data.cFileName) == 0;
}

std::FILE* openfile(const std::string& path, const char* mode) {
    std::wstring name, widemode;
    std::string why;
    if (!filename(path, name, why) || !widefromutf8(mode, widemode)) {
        errno = EINVAL;
        return nullptr;
    }
    return _wfopen(name.c_str(), widemode.c_str());
}

}  // namespace zelvo
