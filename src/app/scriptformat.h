// The words of a headless script that are written as well as read: key names and the
// first line of a recording.
#pragma once

#include <optional>
#include <string>

namespace zelvo {

// A key written as the scripts write it ("Shift+Enter", "Down", "7"): its code and
// modifier state, or nothing for a name the runner does not know.
struct ScriptKey {
    int code = 0;
    int state = 0;
};
std::optional<ScriptKey> parsekey(const std::string& text);

// The command that hands the game this key-down: its name with its modifiers where the
// key has a name ("Shift+Enter"), otherwise "key CODE STATE".
std::string keycommand(int code, int state);

// The seed and computer year a session started with.
struct RecordingStart {
    int seed = 0;
    int year = 0;
};
// The comment line a recording opens with; the runner reads the seed and year from it.
std::string recordingheader(const RecordingStart& start);
// The seed and year of a recording's first line, or nothing for any other line.
std::optional<RecordingStart> parserecordingheader(const std::string& line);

}  // namespace zelvo
