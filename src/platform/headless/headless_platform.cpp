// The headless machine: waits return at once and every event is written as a line.
#include "platform/headless/headless_platform.h"

#include "core/numbers.h"

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

// Answers come whole from the script, so there is nothing to echo.
std::string HeadlessPlatform::inputBox(const std::string& prompt, const std::string& title,
                                       const TextEcho&) {
    line("prompt", title + ": " + prompt);
    std::string answer;
    if (!answers_.empty()) {
        answer = std::move(answers_.front());
        answers_.pop_front();
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
