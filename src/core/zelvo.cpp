// The game context and its binding to the machine's events.
#include "core/zelvo.h"

#include "core/clock.h"
#include "core/keys.h"

namespace zelvo {

void GameEvents::onKey(int code, int state) {
    Form_KeyDown(z_, code, state);
}
void GameEvents::onDayTimer() {
    Timer1_Timer(z_);
}
void GameEvents::onClose() {
    endprogram(z_);
}

Zelvo::Zelvo(Platform& p, std::string dir)
    : platform(p),
      folder(std::move(dir)),
      soundfolder(folder),
      state(std::make_unique<GameState>()),
      s(*state) {
    platform.setEvents(&events);
}

Zelvo::~Zelvo() {
    platform.setEvents(nullptr);
}

std::string windowtitle(const std::string& version) {
    return "Tarvik's Zelvo (v" + version + ")";
}

std::string folderfile(const Zelvo& z, const std::string& name) {
    if (z.folder.empty()) return name;
    if (z.folder.back() == '/') return z.folder + name;
    return z.folder + "/" + name;
}

void endprogram(Zelvo& z) {
    if (!z.ended) {
        z.ended = true;
        z.platform.endProgram();
    }
    throw ProgramEnded{};
}

}  // namespace zelvo
