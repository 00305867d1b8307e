// The system's answers on Linux and other POSIX systems.
#include "core/system.h"

#include <unistd.h>

namespace zelvo {

std::tm localnow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

unsigned long processid() {
    return static_cast<unsigned long>(::getpid());
}

std::vector<std::string> programarguments(int argc, char** argv) {
    return std::vector<std::string>(argv, argv + argc);
}

void plainstreams() {}

}  // namespace zelvo
