// The game context: its records, its folder and the way the program ends.
#include "core/zelvo.h"

#include "core/files.h"

namespace zelvo {

Zelvo::Zelvo(Platform& p, std::string dir)
    : platform(p),
      folder(std::move(dir)),
      soundfolder(folder),
      state(std::make_unique<GameState>()),
      s(*state) {}

Zelvo::~Zelvo() {
    platform.setEvents(nullptr);
}

std::string windowtitle(const std::string& version) {
    return "Tarvik's Zelvo (v" + version + ")";
}

int shownyear(const Zelvo& z, int gameyear) {
    return z.platform.currentYear() + gameyear - 1;
}

std::string folderfile(const Zelvo& z, const std::string& name) {
    if (z.folder.empty()) return name;
    if (z.folder.back() == '/') return z.folder + name;
    return z.folder + "/" + name;
}

std::optional<std::string> readplayerfile(Zelvo& z, const std::string& path) {
    auto bytes = readregularfile(path);
    if (z.fileread) {
        const std::string prefix = folderfile(z, "");
        const bool inside =
            path.size() > prefix.size() && path.compare(0, prefix.size(), prefix) == 0;
        z.fileread(inside ? path.substr(prefix.size()) : path, bytes);
    }
    return bytes;
}

void endprogram(Zelvo& z) {
    if (!z.ended) {
        z.ended = true;
        z.platform.endProgram();
    }
    throw ProgramEnded{};
}

}  // namespace zelvo
