// Speech output 3: Orca's remote-control service, reached through sd-bus.
#include "platform/screenreader/screen_reader.h"

#include <cstdint>
#include <cstring>

#include "platform/platform.h"
#include "platform/speechd/utf8.h"

namespace zelvo {
namespace {

struct Service {
    const char* name;  // the bus name, which is also the interface on the object
    const char* path;
};

// The name Orca 49 was to carry is tried first; released versions answer to the older.
constexpr Service kServices[] = {
    {"org.gnome.Orca1.Service", "/org/gnome/Orca1/Service"},
    {"org.gnome.Orca.Service", "/org/gnome/Orca/Service"},
};

constexpr std::uint64_t usec(int ms) {
    return static_cast<std::uint64_t>(ms) * 1000u;
}

std::string errorText(const sd_bus_error* error, int r) {
    if (error && error->message) return error->message;
    if (error && error->name) return error->name;
    return std::strerror(r < 0 ? -r : r);
}

}  // namespace

ScreenReader::~ScreenReader() {
    close();
}

void ScreenReader::close() {
    // Not flushed: a screen reader that has stopped reading must not hold up the end.
    if (bus_) bus_ = sd_bus_close_unref(bus_);
    name_.clear();
    path_.clear();
    waiting_ = 0;
}

bool ScreenReader::open() {
    close();
    if (sd_bus_open_user(&bus_) < 0) {
        bus_ = nullptr;
        return false;
    }
    for (const Service& s : kServices) {
        sd_bus_message* call = nullptr;
        sd_bus_message* reply = nullptr;
        sd_bus_error error = SD_BUS_ERROR_NULL;
        int r = sd_bus_message_new_method_call(bus_, &call, s.name, s.path, s.name, "GetVersion");
        // No activation: asking must not start a screen reader the player did not start.
        if (r >= 0) r = sd_bus_message_set_auto_start(call, 0);
        if (r >= 0) r = sd_bus_call(bus_, call, usec(kOpenMs), &error, &reply);
        sd_bus_message_unref(call);
        sd_bus_message_unref(reply);
        sd_bus_error_free(&error);
        if (r >= 0) {
            name_ = s.name;
            path_ = s.path;
            return true;
        }
    }
    close();
    return false;
}

int ScreenReader::onAnswer(sd_bus_message* reply, void* self, sd_bus_error*) {
    auto& reader = *static_cast<ScreenReader*>(self);
    if (reader.waiting_ > 0) --reader.waiting_;
    if (sd_bus_message_is_method_error(reply, nullptr)) {
        ++reader.dropped_;
        reader.lastError_ = errorText(sd_bus_message_get_error(reply), 0);
        return 0;
    }
    int presented = 1;
    if (sd_bus_message_read(reply, "b", &presented) >= 0 && !presented) ++reader.refused_;
    return 0;
}

void ScreenReader::say(const std::string& text) {
    if (!bus_) throw PlatformError("the screen reader is not running");
    pump();
    sd_bus_message* call = nullptr;
    const std::string utf8 = asUtf8(text);
    int r = sd_bus_message_new_method_call(bus_, &call, name_.c_str(), path_.c_str(), name_.c_str(),
                                           "PresentMessage");
    if (r >= 0) r = sd_bus_message_set_auto_start(call, 0);
    if (r >= 0) r = sd_bus_message_append(call, "s", utf8.c_str());
    // A floating slot: the bus keeps the call until it is answered or given up.
    if (r >= 0) r = sd_bus_call_async(bus_, nullptr, call, onAnswer, this, usec(kAnswerMs));
    sd_bus_message_unref(call);
    if (r < 0) {
        ++dropped_;
        lastError_ = errorText(nullptr, r);
    } else {
        ++waiting_;
    }

    if (dropped_ == 0 && refused_ == 0) return;
    std::string report;
    if (dropped_ > 0)
        report = "the screen reader did not take " + std::to_string(dropped_) +
                 (dropped_ == 1 ? " message (" : " messages (") + lastError_ + ")";
    if (refused_ > 0)
        report += (report.empty() ? "" : "; ") + std::string("the screen reader did not present ") +
                  std::to_string(refused_) + (refused_ == 1 ? " message" : " messages");
    dropped_ = 0;
    refused_ = 0;
    throw PlatformError(report);
}

void ScreenReader::pump() {
    if (!bus_) return;
    // Writes what is queued, reads what has come, and runs the answers and the time-outs
    // that fell due; each call returns at once.
    for (int i = 0; i < 64; ++i) {
        const int r = sd_bus_process(bus_, nullptr);
        if (r <= 0) break;
    }
}

}  // namespace zelvo
