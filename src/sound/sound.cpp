// The sound buffers: start-up, the rotating pool and the three buffer helpers.
#include "sound/sound.h"
#include "sound/sounds.h"

#include <algorithm>
#include <array>
#include <exception>
#include <filesystem>

#include "core/diagnostics.h"
#include "core/files.h"
#include "core/numbers.h"
#include "core/paths.h"
#include "core/zelvo.h"

namespace zelvo {

namespace {

namespace fs = std::filesystem;

std::string trimblanks(const std::string& text) {
    auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

// The game spells its folders "menu" and "Menu" alike: each part of the path is matched
// without regard to case when the exact name is not there.
fs::path findfile(const std::string& folder, const std::string& relative) {
    fs::path at = folder.empty() ? fs::path(".") : pathof(folder);
    const fs::path rel = pathof(relative);
    std::error_code ec;
    if (fs::is_regular_file(at / rel, ec)) return at / rel;
    for (const auto& part : rel) {
        fs::path exact = at / part;
        if (fs::exists(exact, ec)) {
            at = exact;
            continue;
        }
        bool found = false;
        for (fs::directory_iterator it(at, ec), end; !ec && it != end; it.increment(ec)) {
            if (sameletters(utf8of(it->path().filename()), utf8of(part))) {
                at = it->path();
                found = true;
                break;
            }
        }
        if (!found) return {};
    }
    return fs::is_regular_file(at, ec) ? at : fs::path();
}

std::array<bool, Sound::kBuffers>& loadedbuffers(Zelvo& z) {
    return z.sound.loaded;
}

}  // namespace

std::string soundrelativepath(const std::string& flock) {
    std::string path = trimblanks(flock);
    std::replace(path.begin(), path.end(), '\\', '/');
    auto first = path.find_first_not_of('/');
    return first == std::string::npos ? "" : path.substr(first);
}

std::string nodevicemessage(const std::string& reason) {
    // The reason becomes a clause of the message's first sentence: one line with single
    // blanks (two mean a new sentence), its own full stop dropped for the message's.
    std::string why;
    for (char c : reason) {
        const bool blank = c == ' ' || c == '\n' || c == '\r' || c == '\t';
        if (!blank) {
            why += c;
        } else if (!why.empty() && why.back() != ' ') {
            why += ' ';
        }
    }
    why.erase(why.find_last_not_of(" .") + 1);
    if (why.empty()) why = "no reason was given";
    return "Zelvo could not open a sound device: " + why +
           ".  Check that your sound server is running and that a sound card or headphones "
           "are connected, then start Zelvo again.";
}

bool startsound(Zelvo& z) {
    z.sound.lastbuffer = Sound::kBuffers - 1;
    try {
        z.platform.openSound(Sound::kBuffers);
    } catch (const std::exception& e) {
        // The player reads it in the window and hears it; the log keeps it for whoever
        // helps them later, when the box is long closed.
        const std::string message = nodevicemessage(e.what());
        debuglog(z, message);
        z.platform.messageBox(message);
        return false;
    }
    z.sound.deviceopen = true;
    z.sound.located.clear();
    for (int buffer = 0; buffer <= z.sound.lastbuffer; ++buffer)
        setsound(z, buffer, sounds::Preload);
    return true;
}

namespace {

// The path a sound is known by in the log: the sound folder and the path under it.
std::string shownpath(const Zelvo& z, const std::string& relative) {
    return genericutf8(pathof(z.soundfolder) / pathof(relative));
}

// Where a sound's file is, by its path under the sound folder. The game plays the same few
// dozen files many thousand times a game, and finding one walks the folders, so each path
// is looked up once a run (a missing one too, which is then logged once); start-up, and a
// file that turns out to be gone, look again.
const std::string& locate(Zelvo& z, const std::string& relative) {
    auto [entry, fresh] = z.sound.located.try_emplace(relative);
    if (fresh) {
        entry->second = genericutf8(findfile(z.soundfolder, relative));
        if (entry->second.empty()) debuglog(z, "File is missing: " + shownpath(z, relative));
    }
    return entry->second;
}

// Loads a buffer from a path already made relative to the sound folder.
void loadbuffer(Zelvo& z, int buffer, const std::string& relative) {
    const std::string& file = locate(z, relative);
    if (file.empty()) return;  // the buffer keeps what it held
    try {
        z.platform.loadSound(buffer, file);
        loadedbuffers(z)[static_cast<std::size_t>(buffer)] = true;
    } catch (const std::exception& e) {
        // Deleted or renamed since it was found: it is missing now, as a fresh look-up says.
        z.sound.located.erase(relative);
        if (locate(z, relative).empty()) return;
        debuglog(z, std::string("error in setsound: ") + e.what());
        debuglog(z, shownpath(z, relative));
    }
}

}  // namespace

void setsound(Zelvo& z, int buffer, const std::string& tempm) {
    const std::string relative = soundrelativepath(tempm);
    if (!relative.empty()) loadbuffer(z, buffer, relative);
}

namespace {

// setvol and setpan: rounded to 2 decimals; out of range, or an empty buffer, is ignored.
template <class Set>
void setbuffer(Zelvo& z, int buffer, double w, double low, double high, const char* operation,
               Set set) {
    w = roundeven(w, 2);
    if (w < low || w > high) return;
    if (!loadedbuffers(z)[static_cast<std::size_t>(buffer)]) return;
    try {
        set(w);
    } catch (const std::exception& e) {
        debuglog(z, std::string("error in ") + operation + ": " + e.what());
    }
}

}  // namespace

void setvol(Zelvo& z, int buffer, double w) {
    setbuffer(z, buffer, w, -5000, 0, "setvol",
              [&](double v) { z.platform.setSoundVolume(buffer, v); });
}

void setpan(Zelvo& z, int buffer, double w) {
    setbuffer(z, buffer, w, -10000, 10000, "setpan",
              [&](double p) { z.platform.setSoundPan(buffer, p); });
}

double rightpan(Zelvo& z) {
    return Int(z.rng.draw() * 4000) + 1000;
}

double leftpan(Zelvo& z) {
    return -rightpan(z);
}

void makesound(Zelvo& z, const std::string& flock, double tempv, double tempp, int temploop,
               int bufferindex) {
    if (z.s.game.debugmode == 1) return;
    const std::string relative = soundrelativepath(flock);
    if (relative.empty()) return;
    if (bufferindex == -1) {
        z.sound.nextbuffer += 1;
        if (z.sound.nextbuffer > z.sound.lastbuffer) z.sound.nextbuffer = 1;
        if (z.sound.nextbuffer < 2) z.sound.nextbuffer = 2;
        bufferindex = z.sound.nextbuffer;
    }
    if (bufferindex < 0 || bufferindex > z.sound.lastbuffer) return;
    loadbuffer(z, bufferindex, relative);
    setvol(z, bufferindex, tempv);
    setpan(z, bufferindex, tempp);
    try {
        z.platform.playSound(bufferindex, temploop != 0, relative, tempv, tempp);
    } catch (const std::exception& e) {
        debuglog(z, std::string("error in makesound: ") + e.what());
    }
}

}  // namespace zelvo
