// A machine that passes everything to another and keeps what the game received as a
// script of the headless runner, so that a session can be sent and replayed.
#pragma once

#include <cstdio>
#include <functional>
#include <string>

#include "app/fileblocks.h"
#include "app/scriptformat.h"
#include "platform/platform.h"

namespace zelvo {

// Keys as the game got them (after the keymap), day-clock firings as the clock delivered
// them and the answers of text-entry boxes as typed are kept in the order the game received
// them. A key handled inside another key's wait is kept after that key, as the runner
// would hand it over. The session is kept from the start; writing it to a file can begin
// at any time and then follows every event, flushed as it comes, so a crash loses nothing.
class SessionRecorder : public Platform, private PlatformEvents {
public:
    // Asks `inner` once for the seconds since midnight and the year and holds the game to
    // them, so that the first line names the seed and year the session really had.
    explicit SessionRecorder(Platform& inner);
    ~SessionRecorder() override;
    SessionRecorder(const SessionRecorder&) = delete;
    SessionRecorder& operator=(const SessionRecorder&) = delete;

    const RecordingStart& start() const { return start_; }
    // The whole session so far, as the file holds it.
    const std::string& text() const { return text_; }

    // Writes the session so far to `path`, replacing the file, and each event from then on.
    // False, with the reason in takeproblem(), when the file cannot be written.
    bool writeto(const std::string& path);
    // Stops writing; the file keeps the session up to here.
    void stopwriting();
    bool writing() const { return file_ != nullptr; }
    const std::string& path() const { return path_; }
    // Why the file could not be opened or why writing stopped; empty once taken.
    std::string takeproblem();

    // A file the game read from the player's folder, kept before the event that read it
    // (after the first line for those read as the game started), so that a replay lays it
    // out just before the game reads it.
    void fileread(const RecordedFile& file);

    // Runs after each key or firing the game has finished handling that was not handled
    // inside another one: a point where the game may speak and change its state.
    void afterevent(std::function<void()> hook) { after_ = std::move(hook); }

    void setEvents(PlatformEvents* events) override;
    int windowWidth() override { return inner_.windowWidth(); }
    void drawLines(const std::vector<std::string>& lines) override { inner_.drawLines(lines); }
    std::string title() override { return inner_.title(); }
    void setTitle(const std::string& text) override;
    void processEvents(int timeoutMs) override { inner_.processEvents(timeoutMs); }
    long long nowMs() override { return inner_.nowMs(); }
    std::string inputBox(const std::string& prompt, const std::string& title, const TextEcho& echo,
                         const InputChoices& choices) override;
    void messageBox(const std::string& text) override;
    void endProgram() override { inner_.endProgram(); }

    void startDayTimer(int periodMs) override { inner_.startDayTimer(periodMs); }
    void stopDayTimer() override { inner_.stopDayTimer(); }
    bool dayTimerRunning() override { return inner_.dayTimerRunning(); }

    int secondsSinceMidnight() override { return start_.seed; }
    int currentYear() override { return start_.year; }

    bool openVoice() override { return inner_.openVoice(); }
    void setVoiceRate(int rate) override { inner_.setVoiceRate(rate); }
    void speak(const std::string& text) override;
    bool openScreenReader() override { return inner_.openScreenReader(); }
    void screenReaderSay(const std::string& text) override;
    void brailleWrite(const std::string& text) override { inner_.brailleWrite(text); }

    void addLogLine(const std::string& text) override { inner_.addLogLine(text); }

    void openSound(int buffers) override { inner_.openSound(buffers); }
    void loadSound(int buffer, const std::string& file) override { inner_.loadSound(buffer, file); }
    void setSoundVolume(int buffer, double volume) override {
        inner_.setSoundVolume(buffer, volume);
    }
    void setSoundPan(int buffer, double pan) override { inner_.setSoundPan(buffer, pan); }
    void playSound(int buffer, bool loop, const std::string& asked, double volume,
                   double pan) override {
        inner_.playSound(buffer, loop, asked, volume, pan);
    }

private:
    void onKey(int code, int state) override;
    void onDayTimer() override;
    void onClose() override;

    // One event the game receives; its answers will go before it unless it is handled
    // inside another event.
    void beginevent(const std::string& line);
    void finishevent();
    // Lines the runner must have read before the event being handled (its answers and the
    // files it reads): before its key, after those put there already. Outside any event
    // (the start-up) they simply come next.
    void beforeevent(const std::string& lines);
    void append(const std::string& line);
    // What the player was told, as a comment; not what the box echoes while typing.
    void told(const char* how, const std::string& text);
    // Writes the text from `offset` on over what the file holds from there.
    void flushfrom(std::size_t offset);
    void fail(const std::string& why);

    Platform& inner_;
    PlatformEvents* events_ = nullptr;
    RecordingStart start_;
    std::string text_;
    // Where the next answer goes: before the key being handled, after the answers already
    // put there. A box is answered while its key is handled, but the runner needs the
    // answer queued before the key.
    std::size_t answersend_ = 0;
    int depth_ = 0;
    bool inbox_ = false;  // a text-entry box is open
    std::FILE* file_ = nullptr;
    std::string path_;
    std::string problem_;
    std::function<void()> after_;
};

}  // namespace zelvo
