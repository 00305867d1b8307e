// The program's recordings: the file named on the command line or the player's setting,
// and any trouble with it told through the game's speech.
#include "app/recordings.h"

#include <ctime>
#include <filesystem>
#include <system_error>

#include "app/recorder.h"
#include "core/paths.h"
#include "core/system.h"
#include "core/zelvo.h"
#include "speech/speech.h"

namespace zelvo {

namespace {

void tellproblem(Zelvo& z, SessionRecorder& recorder, bool started) {
    const std::string why = recorder.takeproblem();
    if (why.empty()) return;
    if (started)
        sayit(z, "The recording stopped: " + recorder.path() + " could not be written: " + why +
                     ".  The game goes on without it.");
    else
        sayit(z, "The recording could not be written to " + recorder.path() + ": " + why +
                     ".  The game goes on without it.");
}

void startwriting(Zelvo& z, SessionRecorder& recorder, const std::string& path) {
    if (!recorder.writeto(path)) tellproblem(z, recorder, false);
}

}  // namespace

std::string newrecordingfile(const Zelvo& z) {
    const std::filesystem::path folder = pathof(folderfile(z, "recordings"));
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);  // a failure shows when the file opens
    const std::tm local = localnow();
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H-%M-%S", &local);
    std::filesystem::path file = folder / pathof(std::string(stamp) + ".txt");
    // Two sessions started within one second keep a file each.
    for (int n = 2; std::filesystem::exists(file, ec); ++n)
        file = folder / pathof(std::string(stamp) + " " + std::to_string(n) + ".txt");
    return utf8of(file);
}

void keepfilesread(Zelvo& z, SessionRecorder& recorder) {
    z.fileread = [&recorder](const std::string& name, const std::optional<std::string>& bytes) {
        recorder.fileread({name, bytes});
    };
}

void keeprecording(Zelvo& z, SessionRecorder& recorder, const std::string& path) {
    if (!path.empty())
        startwriting(z, recorder, path);
    else if (z.s.ui.recordsessions)
        startwriting(z, recorder, newrecordingfile(z));
    recorder.afterevent([&z, &recorder, setting = z.s.ui.recordsessions]() mutable {
        tellproblem(z, recorder, true);
        // The setting is acted on when the player changes it; a file that failed is not
        // tried again after every key.
        if (z.s.ui.recordsessions == setting) return;
        setting = z.s.ui.recordsessions;
        if (!setting)
            recorder.stopwriting();
        else if (!recorder.writing())
            startwriting(z, recorder, newrecordingfile(z));
    });
}

}  // namespace zelvo
