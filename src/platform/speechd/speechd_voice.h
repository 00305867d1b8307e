// The voice (speech output 0): speech-dispatcher reached from a speech thread of its own.
#pragma once

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <thread>

namespace zelvo {

// Talks to speech-dispatcher without ever making the game wait. Every call returns at
// once; the connection is opened, used and closed on the speech thread. Only the newest
// text waiting to be spoken is kept, so speech never lags behind the game.
class SpeechdVoice {
public:
    SpeechdVoice();
    ~SpeechdVoice();
    SpeechdVoice(const SpeechdVoice&) = delete;
    SpeechdVoice& operator=(const SpeechdVoice&) = delete;

    // Starts the speech thread, which connects in the background. The voice counts as
    // present from here on; text given before the connection opens is spoken once it does.
    bool open();
    bool isOpen() const { return thread_.joinable(); }
    // The game's rate, 1 to 10.
    void setRate(int rate);
    // Cuts off what is being spoken and speaks `text` instead, its money amounts in words.
    void speak(const std::string& text);
    // A connection failure not yet reported, or empty. Each failure is handed out once.
    std::string takeError();
    // True while a connection is open.
    bool connected();
    // Until the first connection opens: takes back the text waiting for it, so that
    // another voice can say it now and this one never does. Nothing once connected.
    std::optional<std::string> takeBack();
    // True once a connection is open and everything given has been handed to the daemon:
    // nothing is left that could still fail or hang.
    bool settled();
    // Closes the connection. A speech thread stuck in a hung daemon is left behind rather
    // than waited for.
    void close();
    // Gives up on speech-dispatcher for good, waiting at most `wait` for the speech thread,
    // and returns the newest text it never spoke (kept while connecting, or stuck in a
    // daemon that hangs), so another voice can say it.
    std::optional<std::string> abandon(std::chrono::milliseconds wait);

    struct Shared;

private:
    void stop(std::chrono::milliseconds wait);

    // Shared with the speech thread, which keeps it alive if it has to be abandoned.
    std::shared_ptr<Shared> shared_;
    std::thread thread_;
};

}  // namespace zelvo
