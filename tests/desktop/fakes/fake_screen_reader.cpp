// A stand-in for the screen reader's remote-control service, for tests: it answers on the
// session bus and writes every message it is asked to present to a file, one a line.
//
// Usage: fake-screen-reader NAME PATH FILE [silent]
//   NAME and PATH: the bus name (also the interface) and the object it answers on.
//   FILE: where the messages go; a line break inside a message is written as "\n".
//   silent: GetVersion answers, but PresentMessage is recorded and never answered.
// Prints "ready" on standard output once the name is taken, and runs until killed.
#include <systemd/sd-bus.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

std::FILE* record = nullptr;
bool silent = false;

int getVersion(sd_bus_message* call, void*, sd_bus_error*) {
    return sd_bus_reply_method_return(call, "s", "49.0 (fake)");
}

int presentMessage(sd_bus_message* call, void*, sd_bus_error*) {
    const char* text = nullptr;
    const int r = sd_bus_message_read(call, "s", &text);
    if (r < 0) return r;
    for (const char* c = text; *c; ++c) {
        if (*c == '\n')
            std::fputs("\\n", record);
        else
            std::fputc(*c, record);
    }
    std::fputc('\n', record);
    std::fflush(record);
    if (silent) return 1;  // taken, and never answered
    return sd_bus_reply_method_return(call, "b", 1);
}

const sd_bus_vtable kVtable[] = {
    SD_BUS_VTABLE_START(0),
    SD_BUS_METHOD("GetVersion", "", "s", getVersion, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_METHOD("PresentMessage", "s", "b", presentMessage, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_VTABLE_END,
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4 || argc > 5 || (argc == 5 && std::strcmp(argv[4], "silent") != 0)) {
        std::fprintf(stderr, "usage: %s NAME PATH FILE [silent]\n", argv[0]);
        return 2;
    }
    silent = argc == 5;
    record = std::fopen(argv[3], "w");
    if (!record) {
        std::perror(argv[3]);
        return 1;
    }
    sd_bus* bus = nullptr;
    int r = sd_bus_open_user(&bus);
    if (r >= 0) r = sd_bus_add_object_vtable(bus, nullptr, argv[2], argv[1], kVtable, nullptr);
    if (r >= 0) r = sd_bus_request_name(bus, argv[1], 0);
    if (r < 0) {
        std::fprintf(stderr, "fake-screen-reader: %s\n", std::strerror(-r));
        return 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    for (;;) {
        r = sd_bus_process(bus, nullptr);
        if (r < 0) return 1;
        if (r == 0 && sd_bus_wait(bus, UINT64_MAX) < 0) return 1;
    }
}
