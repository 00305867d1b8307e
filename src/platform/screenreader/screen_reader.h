// Speech output 3: the screen reader's remote-control service on the session bus.
#pragma once

#include <systemd/sd-bus.h>

#include <string>

namespace zelvo {

// Orca (49 and later) offers a remote-control service on the session bus; its
// PresentMessage speaks and brailles a text with the player's own settings. The service is
// looked for once, at start-up: a screen reader started later is not picked up.
//
// Nothing here waits for the screen reader while the game runs. A message is sent as an
// asynchronous call and its answer is taken in by pump(), which the window's event loop
// calls; a call unanswered after kAnswerMs is dropped, and the next say() reports it.
class ScreenReader {
public:
    // How long a message may go unanswered before it is given up.
    static constexpr int kAnswerMs = 2000;
    // How long start-up waits for each name to answer GetVersion.
    static constexpr int kOpenMs = 750;

    ScreenReader() = default;
    ~ScreenReader();
    ScreenReader(const ScreenReader&) = delete;
    ScreenReader& operator=(const ScreenReader&) = delete;

    // Connects to the session bus and asks the newer name, then the older one, for its
    // version; true when one answers. False when there is no bus or no screen reader.
    bool open();
    // Hands the text over and returns at once. Throws PlatformError when there is no
    // screen reader, and, after the text is on its way, when earlier messages were
    // dropped or refused since the last report.
    void say(const std::string& text);
    // Takes in the answers that have come and gives up the calls that ran out of time.
    void pump();
    // Messages sent and not yet answered or given up.
    int waiting() const { return waiting_; }
    // The bus name that answered; empty when none did.
    const std::string& service() const { return name_; }

private:
    static int onAnswer(sd_bus_message* reply, void* self, sd_bus_error* error);
    void close();

    sd_bus* bus_ = nullptr;
    std::string name_;
    std::string path_;
    int waiting_ = 0;
    int dropped_ = 0;  // not answered in time, or answered with an error
    int refused_ = 0;  // answered false: the screen reader did not present it
    std::string lastError_;
};

}  // namespace zelvo
