// The sound pool and its checks on volume, pan and path.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/paths.h"
#include "sound/sound.h"
#include "support/started_game.h"

namespace zelvo {
namespace {

using testing::StartedGame;
using Lines = std::vector<std::string>;

// A machine that remembers what each buffer was given.
class RecordingSound : public HeadlessPlatform {
public:
    using HeadlessPlatform::HeadlessPlatform;
    void loadSound(int buffer, const std::string& file) override {
        loads.push_back(std::to_string(buffer) + " " + file);
    }
    void setSoundVolume(int buffer, double volume) override {
        volumes.push_back(std::to_string(buffer) + " " + std::to_string(volume));
    }
    void setSoundPan(int buffer, double pan) override {
        pans.push_back(std::to_string(buffer) + " " + std::to_string(pan));
    }
    void playSound(int buffer, bool, const std::string&, double, double) override {
        played.push_back(buffer);
    }
    Lines loads, volumes, pans;
    std::vector<int> played;
};

struct SoundGame {
    SoundGame() : platform(out, "title", {1, 2030}), z(platform, genericutf8(folder.path())) {
        std::filesystem::create_directories(folder.path() / "sounds" / "menu");
        std::filesystem::create_directories(folder.path() / "sounds" / "game");
        for (const char* name : {"sounds/menu/arrows.wav", "sounds/menu/SAPI.wav",
                                 "sounds/game/tick.wav", "sounds/game/12.wav"})
            folder.write(name, "RIFF");
        startsound(z);
        platform.loads.clear();
    }
    testing::TempFolder folder;
    std::ostringstream out;
    RecordingSound platform;
    Zelvo z;
};

TEST(Makesound, ThePoolRunsFromTwoToFortyNineAndRoundAgain) {
    SoundGame game;
    for (int n = 1; n <= 49; ++n) makesound(game.z, "\\sounds\\game\\tick.wav", 0, 0, 0, -1);
    const auto& played = game.platform.played;
    EXPECT_EQ(played[0], 2);
    EXPECT_EQ(played[47], 49);
    EXPECT_EQ(played[48], 2);
    makesound(game.z, "\\sounds\\game\\tick.wav", 0, 0, 0, 0);  // a caller may name a buffer
    EXPECT_EQ(played.back(), 0);
    makesound(game.z, "\\sounds\\game\\tick.wav", 0, 0, 0, -1);
    EXPECT_EQ(played.back(), 3);
}

TEST(Makesound, VolumeAndPanOutsideTheirRangesAreIgnored) {
    const struct {
        double volume, pan;
        bool volumeset, panset;
    } cases[] = {
        {-5000.004, 0, true, true},   // rounds to -5000
        {-5000.006, 0, false, true},  // still below after rounding
        {0.004, 10000.004, true, true}, {0.006, 10000.006, false, false},
        {-2000, -10000, true, true},    {-2000, -10001, true, false},
    };
    for (const auto& c : cases) {
        SoundGame game;
        makesound(game.z, "/sounds/menu/arrows.wav", c.volume, c.pan, 0, -1);
        EXPECT_EQ(game.platform.volumes.size(), c.volumeset ? 1u : 0u) << c.volume;
        EXPECT_EQ(game.platform.pans.size(), c.panset ? 1u : 0u) << c.pan;
        EXPECT_EQ(game.platform.played.size(), 1u);  // the sound plays all the same
    }
    SoundGame game;
    makesound(game.z, "/sounds/menu/arrows.wav", -5000.004, 0, 0, -1);
    EXPECT_EQ(game.platform.volumes[0], "2 -5000.000000");
}

// Windows finds a file under any spelling of its name, and opens it as asked.
#ifndef _WIN32
TEST(Makesound, PathsAreFoundWhateverTheirSlashesAndCase) {
    SoundGame game;
    makesound(game.z, "\\sounds\\Menu\\SAPI.wav", 0, 0, 0, -1);
    makesound(game.z, "/sounds/menu/sapi.WAV", 0, 0, 0, -1);
    makesound(game.z, "\\SOUNDS\\game\\12.wav", 0, 0, 0, -1);
    const std::string root = genericutf8(game.folder.path());
    EXPECT_EQ(game.platform.loads,
              (Lines{"2 " + root + "/sounds/menu/SAPI.wav", "3 " + root + "/sounds/menu/SAPI.wav",
                     "4 " + root + "/sounds/game/12.wav"}));
}
#endif

TEST(Makesound, MissingFilesAreLoggedAndTheBufferKeepsItsSound) {
    SoundGame game;
    std::filesystem::remove(game.folder.file("debuglog.txt"));
    // Each missing file is logged once, however often it is asked for.
    for (const char* path : {"\\sounds\\game\\nothere.wav", "\\sounds\\game\\nothere.wav",
                             "\\sounds\\game\\gone.wav", "/sounds/game/nothere.wav"})
        makesound(game.z, path, 0, 0, 0, -1);
    EXPECT_EQ(game.platform.loads, Lines{});
    EXPECT_EQ(game.platform.played, (std::vector<int>{2, 3, 4, 5}));
    const std::string sounds = genericutf8(game.folder.path()) + "/sounds/game/";
    EXPECT_EQ(game.folder.read("debuglog.txt"), "File is missing: " + sounds +
                                                    "nothere.wav\r\nFile is missing: " + sounds +
                                                    "gone.wav\r\n");
}

// A machine that, like the real mixer, refuses a file that is not there.
class DiskSound : public RecordingSound {
public:
    using RecordingSound::RecordingSound;
    void loadSound(int buffer, const std::string& file) override {
        if (!std::filesystem::exists(file)) throw PlatformError("cannot open " + file);
        RecordingSound::loadSound(buffer, file);
    }
};

TEST(Makesound, AFileIsLookedUpOnceAndAgainWhenItTurnsOutGone) {
    testing::TempFolder folder;
    std::filesystem::create_directories(folder.path() / "sounds" / "game");
    folder.write("sounds/game/tick.wav", "RIFF");
    std::ostringstream out;
    DiskSound platform(out, "title", {1, 2030});
    Zelvo z(platform, genericutf8(folder.path()));
    const std::string tick = genericutf8(folder.path()) + "/sounds/game/tick.wav";
    makesound(z, "\\sounds\\game\\tock.wav", 0, 0, 0, -1);  // missing: logged, never sought again
    folder.write("sounds/game/tock.wav", "RIFF");
    makesound(z, "\\sounds\\game\\tock.wav", 0, 0, 0, -1);
    makesound(z, "\\sounds\\game\\tick.wav", 0, 0, 0, -1);
    std::filesystem::remove(tick);
    for (int n = 0; n < 3; ++n) makesound(z, "\\sounds\\game\\tick.wav", 0, 0, 0, -1);
    EXPECT_EQ(platform.loads, Lines{"4 " + tick});
    EXPECT_EQ(platform.played, (std::vector<int>{2, 3, 4, 5, 6, 7}));
    const std::string sounds = genericutf8(folder.path()) + "/sounds/game/";
    EXPECT_EQ(folder.read("debuglog.txt"),
              "File is missing: " + sounds + "tock.wav\r\nFile is missing: " + tick + "\r\n");
    // A new start looks again.
    ASSERT_TRUE(startsound(z));
    platform.loads.clear();
    makesound(z, "\\sounds\\game\\tock.wav", 0, 0, 0, -1);
    EXPECT_EQ(platform.loads, Lines{"8 " + sounds + "tock.wav"});
}

TEST(Makesound, SoundsComeFromTheProgramWhenThePlayersFilesLiveElsewhere) {
    SoundGame game;  // the program's folder, with its sounds
    testing::TempFolder player;
    game.z.folder = genericutf8(player.path());
    makesound(game.z, "\\sounds\\game\\tick.wav", 0, 0, 0, -1);
    makesound(game.z, "\\sounds\\game\\nothere.wav", 0, 0, 0, -1);
    const std::string root = genericutf8(game.folder.path());
    EXPECT_EQ(game.platform.loads, Lines{"2 " + root + "/sounds/game/tick.wav"});
    EXPECT_EQ(player.read("debuglog.txt"),
              "File is missing: " + root + "/sounds/game/nothere.wav\r\n");
}

TEST(Makesound, ABlankPathOrDebugModeDoesNothing) {
    SoundGame game;
    std::filesystem::remove(game.folder.file("debuglog.txt"));
    makesound(game.z, "   ", 0, 0, 0, -1);
    makesound(game.z, "", 0, 0, 0, -1);
    game.z.s.game.debugmode = 1;
    makesound(game.z, "\\sounds\\game\\tick.wav", 0, 0, 0, -1);
    EXPECT_EQ(game.platform.played, std::vector<int>{});
    EXPECT_EQ(game.z.sound.nextbuffer, 0);
    EXPECT_FALSE(std::filesystem::exists(game.folder.file("debuglog.txt")));
}

// A machine whose buffers refuse every file.
class BrokenSound : public RecordingSound {
public:
    using RecordingSound::RecordingSound;
    void loadSound(int, const std::string&) override { throw PlatformError("not a wave file"); }
};

TEST(Makesound, AFileTheDeviceRefusesIsLoggedWithItsPath) {
    testing::TempFolder folder;
    std::filesystem::create_directories(folder.path() / "sounds" / "game");
    folder.write("sounds/game/tick.wav", "junk");
    std::ostringstream out;
    BrokenSound platform(out, "title", {1, 2030});
    Zelvo z(platform, genericutf8(folder.path()));
    makesound(z, "\\sounds\\game\\tick.wav", 0, 0, 0, -1);
    EXPECT_EQ(folder.read("debuglog.txt"), "error in setsound: not a wave file\r\n" +
                                               genericutf8(folder.path()) +
                                               "/sounds/game/tick.wav\r\n");
    EXPECT_EQ(platform.played, std::vector<int>{2});
}

}  // namespace
}  // namespace zelvo
