// Output 3 against a stand-in screen reader on a private session bus: which service is
// found, that the texts sayit hands over arrive whole and in order, that a missing one
// brings the voice back, and that one that never answers holds nothing up.
#include "platform/screenreader/screen_reader.h"

#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "core/keys.h"
#include "core/zelvo.h"
#include "game/keys.h"
#include "game/startup.h"
#include "platform/headless/headless_platform.h"
#include "platform/platform.h"
#include "support/started_game.h"

namespace zelvo {
namespace {

using Clock = std::chrono::steady_clock;
using testing::TempFolder;

constexpr const char* kNew[] = {"org.gnome.Orca1.Service", "/org/gnome/Orca1/Service"};
constexpr const char* kOld[] = {"org.gnome.Orca.Service", "/org/gnome/Orca/Service"};

// A child process whose standard output is read line by line; killed with the object.
class Child {
public:
    explicit Child(std::vector<std::string> args) {
        int fds[2];
        if (pipe(fds) != 0) return;
        pid_ = fork();
        if (pid_ == 0) {
            dup2(fds[1], STDOUT_FILENO);
            close(fds[0]);
            close(fds[1]);
            std::vector<char*> argv;
            for (auto& a : args) argv.push_back(a.data());
            argv.push_back(nullptr);
            execvp(argv[0], argv.data());
            _exit(127);
        }
        close(fds[1]);
        out_ = fds[0];
    }
    ~Child() {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        if (out_ >= 0) close(out_);
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    // The next line it prints, or nothing if none comes within `ms`.
    std::optional<std::string> line(int ms) {
        std::string text;
        const auto deadline = Clock::now() + std::chrono::milliseconds(ms);
        while (Clock::now() < deadline) {
            pollfd p{out_, POLLIN, 0};
            if (poll(&p, 1, 50) <= 0) continue;
            char c;
            if (read(out_, &c, 1) != 1) return std::nullopt;
            if (c == '\n') return text;
            text.push_back(c);
        }
        return std::nullopt;
    }

private:
    pid_t pid_ = -1;
    int out_ = -1;
};

// A session bus of the test's own, which DBUS_SESSION_BUS_ADDRESS points at while it lives.
class PrivateBus {
public:
    PrivateBus()
        : daemon_({ZELVO_DBUS_DAEMON, "--session", "--nofork", "--print-address=1",
                   "--address=unix:path=" + folder_.file("bus")}) {
        const auto address = daemon_.line(5000);
        if (address && !address->empty()) {
            address_ = *address;
            setenv("DBUS_SESSION_BUS_ADDRESS", address_.c_str(), 1);
        }
    }
    ~PrivateBus() { unsetenv("DBUS_SESSION_BUS_ADDRESS"); }
    bool running() const { return !address_.empty(); }

    // Starts a stand-in screen reader on this bus; null when it did not get its name.
    std::unique_ptr<Child> reader(const char* const service[2], bool silent = false) {
        std::vector<std::string> args{ZELVO_FAKE_SCREEN_READER, service[0], service[1], record()};
        if (silent) args.emplace_back("silent");
        auto child = std::make_unique<Child>(args);
        if (child->line(5000) != "ready") return nullptr;
        return child;
    }
    std::string record() const { return folder_.file("presented.txt"); }

    // The messages the stand-in received, once it has `count` of them (or after 5 s).
    std::vector<std::string> presented(std::size_t count, ScreenReader* pump = nullptr) const {
        std::vector<std::string> lines;
        const auto deadline = Clock::now() + std::chrono::seconds(5);
        do {
            if (pump) pump->pump();
            lines.clear();
            std::ifstream in(record());
            for (std::string l; std::getline(in, l);) lines.push_back(l);
            if (lines.size() >= count) break;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        } while (Clock::now() < deadline);
        return lines;
    }

private:
    TempFolder folder_;
    Child daemon_;
    std::string address_;
};

TEST(ScreenReader, FindsTheNewerServiceFirstThenTheOlderAndNoneWithoutOne) {
    struct Case {
        bool withNew, withOld;
        const char* found;  // empty: none
    };
    const Case cases[] = {
        {true, true, kNew[0]}, {false, true, kOld[0]}, {true, false, kNew[0]}, {false, false, ""}};
    for (const Case& c : cases) {
        PrivateBus bus;
        ASSERT_TRUE(bus.running()) << "dbus-daemon did not start (" ZELVO_DBUS_DAEMON ")";
        auto newer = c.withNew ? bus.reader(kNew) : nullptr;
        auto older = c.withOld ? bus.reader(kOld) : nullptr;
        ASSERT_EQ(newer != nullptr, c.withNew);
        ASSERT_EQ(older != nullptr, c.withOld);
        ScreenReader reader;
        EXPECT_EQ(reader.open(), *c.found != '\0') << c.found;
        EXPECT_EQ(reader.service(), c.found);
        if (*c.found == '\0') {
            EXPECT_THROW(reader.say("Hello."), PlatformError);
        }
    }
}

TEST(ScreenReader, NoSessionBusAtAllMeansNoScreenReader) {
    setenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/zelvo-test-bus", 1);
    ScreenReader reader;
    const auto started = Clock::now();
    EXPECT_FALSE(reader.open());
    EXPECT_LT(Clock::now() - started, std::chrono::seconds(1));
    unsetenv("DBUS_SESSION_BUS_ADDRESS");
}

TEST(ScreenReader, AMessageNeverAnsweredHoldsNothingUpAndIsReportedOnce) {
    PrivateBus bus;
    ASSERT_TRUE(bus.running());
    auto fake = bus.reader(kOld, /*silent=*/true);
    ASSERT_NE(fake, nullptr);
    ScreenReader reader;
    ASSERT_TRUE(reader.open());

    const auto started = Clock::now();
    reader.say("Store menu.");
    EXPECT_LT(Clock::now() - started, std::chrono::milliseconds(200)) << "say waited";
    EXPECT_EQ(reader.waiting(), 1);

    const auto deadline = Clock::now() + std::chrono::milliseconds(ScreenReader::kAnswerMs + 3000);
    while (reader.waiting() > 0 && Clock::now() < deadline) {
        reader.pump();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    EXPECT_EQ(reader.waiting(), 0) << "the unanswered call was never given up";

    try {
        reader.say("Aisle 1.");
        ADD_FAILURE() << "the dropped message was not reported";
    } catch (const PlatformError& e) {
        EXPECT_NE(std::string(e.what()).find("did not take 1 message"), std::string::npos)
            << e.what();
    }
    EXPECT_EQ(bus.presented(2), (std::vector<std::string>{"Store menu.", "Aisle 1."}))
        << "the report comes after the new text is on its way";
}

// The headless machine with the real screen-reader adapter as output 3. Every text the
// game hands to output 3 is noted, in order, to be held against what the service received.
class ReaderPlatform : public HeadlessPlatform {
public:
    explicit ReaderPlatform(std::ostream& out)
        : HeadlessPlatform(out, "Zelvo", {ZELVO_DEFAULT_SEED, ZELVO_DEFAULT_YEAR}) {}
    bool openScreenReader() override { return reader.open(); }
    void screenReaderSay(const std::string& text) override {
        handed.push_back(text);
        reader.say(text);
    }
    ScreenReader reader;
    std::vector<std::string> handed;
};

std::string firstLine(const std::string& text) {
    return text.substr(0, text.find_first_of("\r\n"));
}

TEST(ScreenReaderOutput, TheServiceReceivesExactlyTheTextsSayitSendsInOrder) {
    PrivateBus bus;
    ASSERT_TRUE(bus.running());
    auto fake = bus.reader(kNew);
    ASSERT_NE(fake, nullptr);
    TempFolder folder;
    std::ostringstream out;
    ReaderPlatform platform(out);
    Zelvo z(platform, folder.path().string());
    Form_Load(z);
    ASSERT_EQ(z.s.ui.jawsready, 1);

    for (int i = 0; i < 3; ++i) Form_KeyDown(z, key::Tab, 0);
    ASSERT_EQ(z.s.ui.speechoutput, 3);
    EXPECT_EQ(firstLine(folder.read("progress.ini")), " 3 ");
    out.str("");
    // The Main menu's items both ways round its wrap, the date, and a message spoken twice.
    for (int k : {key::Down, key::Down, key::Up, key::Up, key::Up, key::X, key::X})
        Form_KeyDown(z, k, 0);

    ASSERT_EQ(platform.handed.size(), 7u);
    EXPECT_EQ(platform.handed[0], "New game");
    EXPECT_EQ(platform.handed[3], "Exit the game") << "the wrap upwards";
    EXPECT_EQ(platform.handed[5], platform.handed[6]);
    EXPECT_EQ(bus.presented(7, &platform.reader), platform.handed);
    EXPECT_EQ(out.str().find("say: "), std::string::npos) << "the voice spoke too:\n" << out.str();
}

TEST(ScreenReaderOutput, WithoutTheServiceTabSpeaksTheFallbackAndKeepsTheVoice) {
    PrivateBus bus;
    ASSERT_TRUE(bus.running());
    TempFolder folder;
    std::ostringstream out;
    ReaderPlatform platform(out);
    Zelvo z(platform, folder.path().string());
    Form_Load(z);
    ASSERT_EQ(z.s.ui.jawsready, 0);

    Form_KeyDown(z, key::Tab, 0);
    Form_KeyDown(z, key::Tab, 0);
    out.str("");
    Form_KeyDown(z, key::Tab, 0);
    EXPECT_NE(out.str().find("say: Jaws does not seem to be responding, Sapi on.\n"),
              std::string::npos)
        << out.str();
    EXPECT_EQ(z.s.ui.speechoutput, 0);
    EXPECT_EQ(firstLine(folder.read("progress.ini")), " 0 ");
    EXPECT_TRUE(platform.handed.empty());
}

}  // namespace
}  // namespace zelvo
