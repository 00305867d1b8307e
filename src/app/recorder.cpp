// The session recorder: what the game received, kept as a script and written as it comes.
#include "app/recorder.h"

#include <cerrno>
#include <cstring>

#include "core/files.h"

namespace zelvo {

namespace {

// A comment line holds one line of text: line breaks and other control characters
// become blanks.
std::string oneline(const std::string& text) {
    std::string line = text;
    for (char& c : line)
        if (static_cast<unsigned char>(c) < 32 || c == 127) c = ' ';
    return line;
}

// An answer keeps every character the script can carry: all but the line breaks, which
// the game drops from typed text anyway.
std::string answerline(const std::string& typed) {
    std::string line = "answer ";
    for (char c : typed)
        if (c != '\n' && c != '\r') line += c;
    return line + '\n';
}

}  // namespace

SessionRecorder::SessionRecorder(Platform& inner)
    : inner_(inner), start_{inner.secondsSinceMidnight(), inner.currentYear()} {
    append(recordingheader(start_));
    append("# Replay: zelvo-headless THIS-FILE, in an empty folder.  Comments tell what the");
    append("# player was told; \"# file\" blocks hold the files the game read, laid out as read.");
    answersend_ = text_.size();
}

SessionRecorder::~SessionRecorder() {
    stopwriting();
}

void SessionRecorder::setEvents(PlatformEvents* events) {
    events_ = events;
    inner_.setEvents(events ? this : nullptr);
}

bool SessionRecorder::writeto(const std::string& path) {
    stopwriting();
    path_ = path;
    std::FILE* file = openfile(path, "wb");
    if (!file) {
        problem_ = std::strerror(errno);
        return false;
    }
    file_ = file;
    flushfrom(0);
    return file_ != nullptr;
}

void SessionRecorder::stopwriting() {
    if (!file_) return;
    std::fclose(file_);
    file_ = nullptr;
}

std::string SessionRecorder::takeproblem() {
    std::string problem;
    problem.swap(problem_);
    return problem;
}

void SessionRecorder::fail(const std::string& why) {
    if (problem_.empty()) problem_ = why;
    stopwriting();
}

void SessionRecorder::flushfrom(std::size_t offset) {
    if (!file_) return;
    errno = 0;
    if (std::fseek(file_, static_cast<long>(offset), SEEK_SET) != 0 ||
        std::fwrite(text_.data() + offset, 1, text_.size() - offset, file_) !=
            text_.size() - offset ||
        std::fflush(file_) != 0)
        fail(errno ? std::strerror(errno) : "the file could not be written");
}

void SessionRecorder::append(const std::string& line) {
    const std::size_t end = text_.size();
    text_ += line;
    text_ += '\n';
    flushfrom(end);
}

void SessionRecorder::beginevent(const std::string& line) {
    if (depth_ == 0) answersend_ = text_.size();
    append(line);
}

void SessionRecorder::finishevent() {
    if (depth_ == 0 && after_) after_();
}

namespace {

// Counts the events being handled, however the handling ends.
struct Nesting {
    explicit Nesting(int& depth) : depth_(depth) { ++depth_; }
    ~Nesting() { --depth_; }
    Nesting(const Nesting&) = delete;
    Nesting& operator=(const Nesting&) = delete;
    int& depth_;
};

}  // namespace

void SessionRecorder::onKey(int code, int state) {
    beginevent(keycommand(code, state));
    {
        Nesting nesting(depth_);
        if (events_) events_->onKey(code, state);
    }
    finishevent();
}

void SessionRecorder::onDayTimer() {
    beginevent("tick");
    {
        Nesting nesting(depth_);
        if (events_) events_->onDayTimer();
    }
    finishevent();
}

void SessionRecorder::onClose() {
    if (events_) events_->onClose();
}

std::string SessionRecorder::inputBox(const std::string& prompt, const std::string& title,
                                      const TextEcho& echo, const InputChoices& choices) {
    std::string answer;
    {
        // What the box echoes while the player types is told in the answer itself.
        inbox_ = true;
        struct Closed {
            bool& flag;
            ~Closed() { flag = false; }
        } closed{inbox_};
        // A choice stepped to is kept as the text it put in the field.
        answer = inner_.inputBox(prompt, title, echo, choices);
    }
    beforeevent(answerline(answer));
    return answer;
}

void SessionRecorder::beforeevent(const std::string& lines) {
    if (depth_ == 0) {
        const std::size_t end = text_.size();
        text_ += lines;
        answersend_ = text_.size();
        flushfrom(end);
        return;
    }
    text_.insert(answersend_, lines);
    answersend_ += lines.size();
    flushfrom(answersend_ - lines.size());
}

void SessionRecorder::fileread(const RecordedFile& file) {
    beforeevent(fileblock(file));
}

void SessionRecorder::told(const char* how, const std::string& text) {
    if (!inbox_) append(std::string("# ") + how + ": " + oneline(text));
}

void SessionRecorder::speak(const std::string& text) {
    told("say", text);
    inner_.speak(text);
}

void SessionRecorder::setTitle(const std::string& text) {
    told("title", text);
    inner_.setTitle(text);
}

void SessionRecorder::messageBox(const std::string& text) {
    told("message", text);
    inner_.messageBox(text);
}

// The runner has no screen reader, so a replay gives these texts to the voice instead.
void SessionRecorder::screenReaderSay(const std::string& text) {
    told("screen reader", text);
    inner_.screenReaderSay(text);
}

}  // namespace zelvo
