// A stand-in speech-dispatcher on a socket of its own, keeping every text it is given.
#pragma once

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace zelvo::testing {

// A speech-dispatcher that takes connections on a socket but answers only after `silence`,
// then says yes to everything and keeps the texts.
class LateDaemon {
public:
    LateDaemon(const std::string& path, std::chrono::milliseconds silence) : path_(path) {
        listener_ = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        path.copy(address.sun_path, sizeof(address.sun_path) - 1);
        ::unlink(path.c_str());
        ok_ = bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0 &&
              listen(listener_, 4) == 0;
        thread_ = std::thread([this, silence] { serve(silence); });
    }
    ~LateDaemon() {
        stopping_ = true;
        ::shutdown(listener_, SHUT_RDWR);
        ::close(listener_);
        if (thread_.joinable()) thread_.join();
        ::unlink(path_.c_str());
    }
    bool ok() const { return ok_; }
    std::vector<std::string> texts() {
        std::lock_guard lock(m_);
        return texts_;
    }

private:
    void serve(std::chrono::milliseconds silence) {
        std::this_thread::sleep_for(silence);
        const int c = accept(listener_, nullptr, nullptr);
        if (c < 0) return;
        std::string pending, text;
        bool data = false;
        char buffer[512];
        for (ssize_t got; !stopping_ && (got = ::read(c, buffer, sizeof buffer)) > 0;) {
            pending.append(buffer, static_cast<size_t>(got));
            for (size_t end; (end = pending.find("\r\n")) != std::string::npos;) {
                const std::string line = pending.substr(0, end);
                pending.erase(0, end + 2);
                std::string reply;
                if (data && line == ".") {
                    data = false;
                    std::lock_guard lock(m_);
                    texts_.push_back(text);
                    reply = "225-1\r\n225 OK MESSAGE QUEUED\r\n";
                } else if (data) {
                    text += (text.empty() ? "" : "\n") + line;
                } else if (line == "SPEAK" || line == "speak") {
                    data = true;
                    text.clear();
                    reply = "230 OK RECEIVING DATA\r\n";
                } else {
                    reply = "200 OK\r\n";
                }
                if (!reply.empty() && ::send(c, reply.data(), reply.size(), MSG_NOSIGNAL) < 0)
                    break;
            }
        }
        ::close(c);
    }

    std::string path_;
    int listener_ = -1;
    bool ok_ = false;
    std::atomic<bool> stopping_{false};
    std::thread thread_;
    std::mutex m_;
    std::vector<std::string> texts_;
};

}  // namespace zelvo::testing
