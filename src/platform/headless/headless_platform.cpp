// The headless machine: waits return at once and every event is written as a line.
#include "platform/headless/headless_platform.h"

#include "core/numbers.h"
#include "platform/choices.h"

namespace zelvo {

HeadlessPlatform::HeadlessPlatform(std::ostream& out, std::string title, HeadlessOptions options)
    : out_(out), title_(std::move(title)), options_(options) {}

void HeadlessPlatform::line(const std::string& kind, const std::string& text) {
    out_ << kind << ": " << text << '\n';
}

void HeadlessPlatform::setTitle(const std::string& text) {
    title_ = text;
    line("title", text);
}

// Nothing is ever pending here; the wait simply passes.
void HeadlessPlatform::processEvents(int timeoutMs) {
    if (timeoutMs > 0) now_ += timeoutMs;
}

// Typed answers come whole from the script, so there is nothing to echo; steps through the
// box's choices are echoed as the desktop's box echoes them.
std::string HeadlessPlatform::inputBox(const std::string& prompt, const std::string& title,
                                       const TextEcho& echo, const InputChoices& choices) {
    line("prompt", title + ": " + prompt);
    std::string answer;
    if (!answers_.empty()) {
        Answer queued = std::move(answers_.front());
        answers_.pop_front();
        answer = std::move(queued.text);
        ChoiceCursor cursor(choices);
        for (const bool down : queued.downs)
            if (cursor.offered() && echo) echo(cursor.step(down, answer));
    }
    line("answer", answer);
    return answer;
}

void HeadlessPlatform::messageBox(const std::string& text) {
    line("message", text);
}

void HeadlessPlatform::endProgram() {
    if (ended_) return;
    ended_ = true;
    out_ << "exit\n";
    out_.flush();
}

void HeadlessPlatform::startDayTimer(int) {
    if (!timer_) out_ << "clock: on\n";
    timer_ = true;
}

void HeadlessPlatform::stopDayTimer() {
    if (timer_) out_ << "clock: off\n";
    timer_ = false;
}

void HeadlessPlatform::speak(const std::string& text) {
    line("say", text);
}

void HeadlessPlatform::screenReaderSay(const std::string&) {
    throw PlatformError("the screen reader is not running");
}

void HeadlessPlatform::addLogLine(const std::string& text) {
    line("log", text);
}

void HeadlessPlatform::playSound(int, bool, const std::string& asked, double volume, double pan) {
    out_ << "sound: " << asked << ' ' << numtext(volume) << ' ' << numtext(pan) << '\n';
}

}  // namespace zelvo
