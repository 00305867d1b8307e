// Laying out a recording's files for its replay, without touching the player's own.
#include "app/replayfiles.h"

#include <filesystem>
#include <system_error>

#include "core/files.h"
#include "core/paths.h"
#include "persist/savegame.h"

namespace zelvo {

namespace fs = std::filesystem;

namespace {

constexpr const char* kProgram = "zelvo-headless: ";

}  // namespace

void ReplayFiles::keepplayers(const std::string& name, const std::string& why,
                              std::ostream& errors) {
    if (!told_.insert(name).second) return;
    errors << kProgram << name << " is kept as this folder has it, though the session " << why
           << "; the replay may go otherwise (replay in an empty folder to use the recording's)\n";
}

bool ReplayFiles::layout(const RecordedFile& file, std::ostream& errors) {
    const std::string at = kProgram + std::string("line ") + std::to_string(blockstart_) + ": ";
    if (!plainname(file.name)) {
        errors << at << "the recording names a file outside its folder: " << file.name << '\n';
        return false;
    }
    std::error_code ec;
    if (!before_) {
        before_.emplace();
        for (fs::directory_iterator it(pathof(folder_), ec), end; !ec && it != end;
             it.increment(ec))
            before_->insert(utf8of(it->path().filename()));
        // A folder that cannot be listed: every file found there counts as the player's.
        unlisted_ = static_cast<bool>(ec);
    }
    const std::string path = utf8of(pathof(folder_) / pathof(file.name));
    if (readregularfile(path) == file.bytes) return true;
    if (before_->count(file.name) ||
        (unlisted_ && fs::exists(fs::symlink_status(pathof(path), ec)))) {
        keepplayers(file.name, file.bytes ? "read another" : "found none", errors);
        return true;
    }
    if (!file.bytes) {
        // Only a file this replay made can be here; the session found none at this point.
        if (fs::is_regular_file(fs::symlink_status(pathof(path), ec)) &&
            !fs::remove(pathof(path), ec)) {
            errors << at << "could not remove " << file.name << ", which the session "
                   << "found no file of: " << ec.message() << '\n';
            return false;
        }
        return true;
    }
    const std::string error = replacefile(path, *file.bytes);
    if (!error.empty()) {
        errors << at << "could not lay out " << file.name << ": " << error << '\n';
        return false;
    }
    return true;
}

ReplayFiles::Line ReplayFiles::laidout(FileBlockReader::Line line, int number, bool opens,
                                       std::ostream& errors) {
    if (line == FileBlockReader::Line::Fault) {
        errors << kProgram << "line " << number << ": " << reader_.fault() << '\n';
        return Line::Fault;
    }
    if (auto file = reader_.takeended())
        if (!layout(*file, errors)) return Line::Fault;
    if (opens) blockstart_ = number;
    return line == FileBlockReader::Line::Block ? Line::File : Line::Command;
}

ReplayFiles::Line ReplayFiles::take(const std::string& line, int number, std::ostream& errors) {
    const auto read = reader_.take(line);
    return laidout(read, number, read == FileBlockReader::Line::Block && line.rfind("#|", 0) != 0,
                   errors);
}

bool ReplayFiles::finish(int number, std::ostream& errors) {
    return laidout(reader_.finish(), number, false, errors) != Line::Fault;
}

ReplayOpening readopening(std::istream& script, ReplayFiles& files, std::ostream& errors) {
    ReplayOpening opening;
    if (script.tellg() < 0) {
        // A pipe: nothing can be read again, so only a first line that is a comment is read.
        std::string header;
        if (script.peek() != '#' || !std::getline(script, header)) return opening;
        if (!header.empty() && header.back() == '\r') header.pop_back();
        opening.start = parserecordingheader(header);
        opening.lines = 1;
        opening.fault = files.take(header, 1, errors) == ReplayFiles::Line::Fault;
        return opening;
    }
    for (;;) {
        const auto at = script.tellg();
        std::string raw;
        if (!std::getline(script, raw)) break;
        if (!raw.empty() && raw.back() == '\r') raw.pop_back();
        const int number = ++opening.lines;
        if (number == 1) opening.start = parserecordingheader(raw);
        const auto line = files.take(raw, number, errors);
        if (line == ReplayFiles::Line::Fault) {
            opening.fault = true;
            return opening;
        }
        const auto first = raw.find_first_not_of(" \t");
        if (line == ReplayFiles::Line::File || first == std::string::npos || raw[first] == '#')
            continue;
        // The first command, which the runner reads again; the block before it is laid out.
        script.clear();
        script.seekg(at);
        --opening.lines;
        return opening;
    }
    script.clear();
    if (!files.finish(opening.lines, errors)) opening.fault = true;
    return opening;
}

}  // namespace zelvo
