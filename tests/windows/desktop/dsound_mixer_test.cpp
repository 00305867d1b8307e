// The DirectSound buffers' rules where a real device cannot be made to fail: a stand-in
// device whose calls fail on demand and whose objects count their references. (What a real
// device does with the sound is heard by smoke.windows-sound.)
#include "platform/win32/dsound_mixer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/win32/directsound.h"
#include "platform/win32/wide.h"

namespace zelvo {
namespace {

// COM objects whose lifetime the test owns: Release only counts, so a release too many or
// too few shows in the count instead of freeing memory under the mixer.
template <class Interface>
struct Counted : Interface {
    ULONG refs = 1;
    STDMETHOD(QueryInterface)(REFIID, void**) override { return E_NOINTERFACE; }
    STDMETHOD_(ULONG, AddRef)() override { return ++refs; }
    STDMETHOD_(ULONG, Release)() override { return --refs; }
};

struct FakeBuffer : Counted<IDirectSoundBuffer> {
    DSBUFFERDESC description{};
    WAVEFORMATEX format{};
    std::string memory;
    HRESULT lockResult = DS_OK;
    LONG volume = 0;
    LONG pan = 0;
    DWORD position = 1234;
    DWORD playFlags = 0;
    int plays = 0;

    STDMETHOD(GetCaps)(LPDSBCAPS) override { return E_NOTIMPL; }
    STDMETHOD(GetCurrentPosition)(LPDWORD, LPDWORD) override { return E_NOTIMPL; }
    STDMETHOD(GetFormat)(LPWAVEFORMATEX, DWORD, LPDWORD) override { return E_NOTIMPL; }
    STDMETHOD(GetVolume)(LPLONG) override { return E_NOTIMPL; }
    STDMETHOD(GetPan)(LPLONG) override { return E_NOTIMPL; }
    STDMETHOD(GetFrequency)(LPDWORD) override { return E_NOTIMPL; }
    STDMETHOD(GetStatus)(LPDWORD) override { return E_NOTIMPL; }
    STDMETHOD(Initialize)(LPDIRECTSOUND, LPCDSBUFFERDESC) override { return E_NOTIMPL; }
    STDMETHOD(Lock)
    (DWORD, DWORD, LPVOID* first, LPDWORD firstBytes, LPVOID* second, LPDWORD secondBytes,
     DWORD) override {
        if (FAILED(lockResult)) return lockResult;
        *first = memory.data();
        *firstBytes = static_cast<DWORD>(memory.size());
        *second = nullptr;
        *secondBytes = 0;
        return DS_OK;
    }
    STDMETHOD(Play)(DWORD, DWORD, DWORD flags) override {
        playFlags = flags;
        ++plays;
        return DS_OK;
    }
    STDMETHOD(SetCurrentPosition)(DWORD at) override {
        position = at;
        return DS_OK;
    }
    STDMETHOD(SetFormat)(LPCWAVEFORMATEX) override { return E_NOTIMPL; }
    STDMETHOD(SetVolume)(LONG v) override {
        volume = v;
        return DS_OK;
    }
    STDMETHOD(SetPan)(LONG p) override {
        pan = p;
        return DS_OK;
    }
    STDMETHOD(SetFrequency)(DWORD) override { return E_NOTIMPL; }
    STDMETHOD(Stop)() override { return DS_OK; }
    STDMETHOD(Unlock)(LPVOID, DWORD, LPVOID, DWORD) override { return DS_OK; }
    STDMETHOD(Restore)() override { return DSERR_BUFFERLOST; }
};

struct FakeDevice : Counted<IDirectSound8> {
    std::vector<std::unique_ptr<FakeBuffer>> made;
    HRESULT createResult = DS_OK;
    HRESULT lockResult = DS_OK;
    HRESULT levelResult = DS_OK;
    HWND window = nullptr;
    DWORD level = 0;

    STDMETHOD(CreateSoundBuffer)(LPCDSBUFFERDESC d, LPLPDIRECTSOUNDBUFFER out, IUnknown*) override {
        if (FAILED(createResult)) return createResult;
        auto b = std::make_unique<FakeBuffer>();
        b->description = *d;
        b->format = *d->lpwfxFormat;
        b->memory.assign(d->dwBufferBytes, '?');
        b->lockResult = lockResult;
        *out = b.get();
        made.push_back(std::move(b));
        return DS_OK;
    }
    STDMETHOD(GetCaps)(LPDSCAPS) override { return E_NOTIMPL; }
    STDMETHOD(DuplicateSoundBuffer)(LPDIRECTSOUNDBUFFER, LPLPDIRECTSOUNDBUFFER) override {
        return E_NOTIMPL;
    }
    STDMETHOD(SetCooperativeLevel)(HWND w, DWORD l) override {
        window = w;
        level = l;
        return levelResult;
    }
    STDMETHOD(Compact)() override { return E_NOTIMPL; }
    STDMETHOD(GetSpeakerConfig)(LPDWORD) override { return E_NOTIMPL; }
    STDMETHOD(SetSpeakerConfig)(DWORD) override { return E_NOTIMPL; }
    STDMETHOD(Initialize)(LPCGUID) override { return E_NOTIMPL; }
    STDMETHOD(VerifyCertification)(LPDWORD) override { return E_NOTIMPL; }
};

std::string le(std::uint32_t value, int bytes) {
    std::string out;
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
    return out;
}

// A wave file of the given samples in the temporary folder, named for this process (the
// tests run side by side), removed with the test.
class WaveFile {
public:
    WaveFile(const std::string& name, int channels, int rate, int bits, const std::string& samples)
        : path_(std::filesystem::temp_directory_path() /
                (std::to_wstring(GetCurrentProcessId()) + L"-" + widen(name))) {
        const int align = channels * bits / 8;
        const std::string fmt = le(1, 2) + le(channels, 2) + le(rate, 4) + le(rate * align, 4) +
                                le(align, 2) + le(bits, 2);
        const std::string body = "WAVEfmt " + le(16, 4) + fmt + "data" +
                                 le(static_cast<std::uint32_t>(samples.size()), 4) + samples;
        std::ofstream(path_, std::ios::binary)
            << "RIFF" << le(static_cast<std::uint32_t>(body.size()), 4) << body;
    }
    ~WaveFile() {
        std::error_code ignored;
        std::filesystem::remove(path_, ignored);
    }
    std::string name() const { return narrow(path_.wstring()); }

private:
    std::filesystem::path path_;
};

std::string reasonof(const std::function<void()>& call) {
    try {
        call();
    } catch (const PlatformError& e) {
        return e.what();
    }
    return "";
}

struct MixerOnFake : testing::Test {
    FakeDevice device;
    DirectSoundMixer mixer{[this] { return &device; }};
    const WaveFile toneFile{"zelvo-tone.wav", 2, 22050, 16, "ABCDEFGH"};
    const std::string tone = toneFile.name();

    void SetUp() override { mixer.open(reinterpret_cast<HWND>(0x1234), 50); }
};

TEST_F(MixerOnFake, ABufferIsMadeFromTheFileInItsOwnFormatWithEveryControl) {
    EXPECT_EQ(device.window, reinterpret_cast<HWND>(0x1234));
    EXPECT_EQ(device.level, static_cast<DWORD>(DSSCL_PRIORITY));
    mixer.load(0, tone);
    const WaveFile oneFrame{"zelvo-one-frame.wav", 1, 8000, 8, "\x10"};
    mixer.load(1, oneFrame.name());
    ASSERT_EQ(device.made.size(), 2u);
    const FakeBuffer& b = *device.made[0];
    EXPECT_EQ(b.description.dwFlags,
              static_cast<DWORD>(DSBCAPS_STATIC | DSBCAPS_CTRLVOLUME | DSBCAPS_CTRLPAN |
                                 DSBCAPS_CTRLFREQUENCY | DSBCAPS_GLOBALFOCUS));
    EXPECT_EQ(b.format.wFormatTag, WAVE_FORMAT_PCM);
    EXPECT_EQ(b.format.nChannels, 2);
    EXPECT_EQ(b.format.nSamplesPerSec, 22050u);
    EXPECT_EQ(b.format.wBitsPerSample, 16);
    EXPECT_EQ(b.format.nBlockAlign, 4);
    EXPECT_EQ(b.format.nAvgBytesPerSec, 88200u);
    EXPECT_EQ(b.memory, "ABCDEFGH");
    // One 8-bit frame is below the smallest buffer: the rest is 8-bit silence.
    EXPECT_EQ(device.made[1]->memory, "\x10\x80\x80\x80");
}

TEST_F(MixerOnFake, AFailedLoadKeepsTheOldBufferAndReleasesTheHalfMadeOne) {
    mixer.load(2, tone);
    FakeBuffer& old = *device.made[0];

    device.createResult = DSERR_OUTOFMEMORY;
    EXPECT_EQ(reasonof([&] { mixer.load(2, tone); }),
              tone + ": there is not enough memory for the sound (DSERR_OUTOFMEMORY)");
    device.createResult = DS_OK;
    device.lockResult = DSERR_BUFFERLOST;  // and Restore cannot bring it back
    EXPECT_EQ(reasonof([&] { mixer.load(2, tone); }),
              tone + ": the sound device lost the sound's memory (DSERR_BUFFERLOST)");
    ASSERT_EQ(device.made.size(), 2u);
    EXPECT_EQ(device.made[1]->refs, 0u);

    mixer.play(2, false);
    EXPECT_EQ(old.refs, 1u);
    EXPECT_EQ(old.plays, 1);

    device.lockResult = DS_OK;
    mixer.load(2, tone);
    EXPECT_EQ(old.refs, 0u);
    EXPECT_EQ(device.made[2]->refs, 1u);
}

TEST_F(MixerOnFake, VolumeAndPanReachTheBufferInHundredthsOfADecibelHeldToItsRange) {
    mixer.load(3, tone);
    FakeBuffer& b = *device.made[0];
    struct Case {
        double value;
        LONG volume;  // what SetVolume receives
        LONG pan;     // what SetPan receives
    };
    for (const Case& c : std::vector<Case>{{-2000, -2000, -2000},
                                           {3000, 0, 3000},
                                           {-5000.5, -5001, -5001},
                                           {-20000, -10000, -10000},
                                           {20000, 0, 10000}}) {
        SCOPED_TRACE(c.value);
        mixer.setVolume(3, c.value);
        mixer.setPan(3, c.value);
        EXPECT_EQ(b.volume, c.volume);
        EXPECT_EQ(b.pan, c.pan);
    }
    EXPECT_EQ(reasonof([&] { mixer.setVolume(3, std::nan("")); }), "the volume is not a number");
    EXPECT_EQ(reasonof([&] { mixer.setPan(3, INFINITY); }), "the pan is not a number");
}

TEST_F(MixerOnFake, PlayStartsFromTheBeginningOnceOrLooping) {
    mixer.load(4, tone);
    FakeBuffer& b = *device.made[0];
    mixer.play(4, false);
    EXPECT_EQ(b.position, 0u);
    EXPECT_EQ(b.playFlags, 0u);
    b.position = 6;
    mixer.play(4, true);
    EXPECT_EQ(b.position, 0u);
    EXPECT_EQ(b.playFlags, static_cast<DWORD>(DSBPLAY_LOOPING));
}

TEST_F(MixerOnFake, ClosingReleasesEveryBufferAndTheDeviceOnce) {
    mixer.load(0, tone);
    mixer.load(49, tone);
    mixer.close();
    EXPECT_EQ(device.made[0]->refs, 0u);
    EXPECT_EQ(device.made[1]->refs, 0u);
    EXPECT_EQ(device.refs, 0u);
    EXPECT_EQ(reasonof([&] { mixer.load(0, tone); }), "the sound device is not open");
    mixer.close();  // and again, as the destructor will
    EXPECT_EQ(device.refs, 0u);
}

TEST(DirectSoundMixer, AnOpenThatFailsLeavesNothingOpen) {
    DirectSoundMixer none{[]() -> IDirectSound8* {
        throw PlatformError("no sound driver is available (DSERR_NODRIVER)");
    }};
    EXPECT_EQ(reasonof([&] { none.open(nullptr, 50); }),
              "no sound driver is available (DSERR_NODRIVER)");
    EXPECT_EQ(reasonof([&] { none.play(0, false); }), "the sound device is not open");

    FakeDevice device;
    device.levelResult = DSERR_INVALIDPARAM;
    DirectSoundMixer refused{[&] { return &device; }};
    EXPECT_EQ(reasonof([&] { refused.open(nullptr, 50); }),
              "the sound device refused a value (DSERR_INVALIDPARAM)");
    EXPECT_EQ(device.refs, 0u);
    EXPECT_EQ(reasonof([&] { refused.play(0, false); }), "the sound device is not open");
}

}  // namespace
}  // namespace zelvo
