// The sound buffers on Windows: DirectSound, one static secondary buffer per game buffer.
#include "platform/win32/dsound_mixer.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <utility>

#include "platform/platform.h"
#include "platform/win32/directsound.h"
#include "platform/win32/dsound_error.h"
#include "platform/win32/wave_file.h"
#include "platform/win32/wide.h"

namespace zelvo {
namespace {

// Volume, pan and rate as the game sets them. Global focus: a blind player often has a
// screen reader's own window, or a statement open in an editor, in front of the game, and
// must still hear the sales, the clock and the alarms of the store that goes on running.
constexpr DWORD kBufferFlags = DSBCAPS_STATIC | DSBCAPS_CTRLVOLUME | DSBCAPS_CTRLPAN |
                               DSBCAPS_CTRLFREQUENCY | DSBCAPS_GLOBALFOCUS;

// The game's sounds last a second or two; anything near this size is not one of them, and
// reading it whole for every play would stall the game.
constexpr std::size_t kLargestFile = 32u << 20;

struct Device {
    bool primary;  // the system's default device, listed first without an id of its own
    GUID id;
    std::string name;
};

BOOL CALLBACK listdevice(GUID* id, const wchar_t* description, const wchar_t*, void* list) {
    static_cast<std::vector<Device>*>(list)->push_back(
        {id == nullptr, id ? *id : GUID{}, narrow(description ? description : L"")});
    return TRUE;
}

// The name of the device the default entry stands for, for a message; empty when unknown.
std::string defaultname(const std::vector<Device>& devices) {
    GUID id{};
    if (FAILED(GetDeviceID(&DSDEVID_DefaultPlayback, &id))) return {};
    for (const Device& d : devices)
        if (!d.primary && IsEqualGUID(d.id, id)) return d.name;
    return {};
}

// The first device the system lists: its default.
IDirectSound8* systemdevice() {
    // A failed listing leaves the default to DirectSound, whose own failure then says what
    // is wrong.
    std::vector<Device> devices;
    DirectSoundEnumerateW(listdevice, &devices);
    const GUID* first = devices.empty() || devices[0].primary ? nullptr : &devices[0].id;
    IDirectSound8* device = nullptr;
    const HRESULT hr = DirectSoundCreate8(first, &device, nullptr);
    if (SUCCEEDED(hr)) return device;
    // With nothing listed, DirectSound's answer varies (Wine's is "invalid parameter"); what
    // the player must hear is that the system has no sound device at all.
    if (devices.empty()) throw PlatformError("no sound device was found (DirectSound lists none)");
    const std::string name = devices[0].primary ? defaultname(devices) : devices[0].name;
    throw PlatformError(dsoundreason(hr) + (name.empty() ? "" : ", on " + name));
}

std::string readfile(const std::string& file) {
    FILE* f = _wfopen(widen(file).c_str(), L"rb");
    if (!f) throw PlatformError(file + ": " + std::strerror(errno));
    std::string bytes;
    char chunk[1 << 16];
    std::size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, f)) > 0 && bytes.size() <= kLargestFile)
        bytes.append(chunk, n);
    const bool failed = std::ferror(f) != 0;
    std::fclose(f);
    if (failed) throw PlatformError(file + ": the file could not be read");
    if (bytes.size() > kLargestFile)
        throw PlatformError(file + ": it is too large for a sound (over " +
                            std::to_string(kLargestFile >> 20) + " MB)");
    return bytes;
}

// Copies the samples in, and silence after them when the device's smallest buffer is
// longer than the sound.
HRESULT fill(IDirectSoundBuffer* buffer, const char* samples, std::size_t bytes, char silence) {
    void* first = nullptr;
    void* second = nullptr;
    DWORD firstBytes = 0;
    DWORD secondBytes = 0;
    HRESULT hr =
        buffer->Lock(0, 0, &first, &firstBytes, &second, &secondBytes, DSBLOCK_ENTIREBUFFER);
    if (hr == DSERR_BUFFERLOST && SUCCEEDED(buffer->Restore()))
        hr = buffer->Lock(0, 0, &first, &firstBytes, &second, &secondBytes, DSBLOCK_ENTIREBUFFER);
    if (FAILED(hr)) return hr;
    const std::size_t copied = std::min<std::size_t>(bytes, firstBytes);
    std::memcpy(first, samples, copied);
    std::memset(static_cast<char*>(first) + copied, silence, firstBytes - copied);
    return buffer->Unlock(first, firstBytes, second, secondBytes);
}

void check(HRESULT hr) {
    if (FAILED(hr)) throw PlatformError(dsoundreason(hr));
}

// The game's hundredths of a decibel are DirectSound's own; values beyond what the device
// takes are held at its limits.
LONG devicelevel(double value, LONG lowest, LONG highest, const char* what) {
    if (!std::isfinite(value)) throw PlatformError(std::string("the ") + what + " is not a number");
    return static_cast<LONG>(std::lround(std::clamp<double>(value, lowest, highest)));
}

}  // namespace

DirectSoundMixer::DirectSoundMixer() : make_(systemdevice) {}

DirectSoundMixer::DirectSoundMixer(DeviceMaker make) : make_(std::move(make)) {}

DirectSoundMixer::~DirectSoundMixer() {
    close();
}

void DirectSoundMixer::open(HWND window, int buffers) {
    close();
    if (buffers <= 0) throw PlatformError("no sound buffers were asked for");
    IDirectSound8* device = make_();
    const HRESULT hr = device->SetCooperativeLevel(window, DSSCL_PRIORITY);
    if (FAILED(hr)) {
        device->Release();
        throw PlatformError(dsoundreason(hr));
    }
    device_ = device;
    buffers_.assign(static_cast<std::size_t>(buffers), nullptr);
}

IDirectSoundBuffer*& DirectSoundMixer::slot(int buffer) {
    if (!device_) throw PlatformError("the sound device is not open");
    if (buffer < 0 || static_cast<std::size_t>(buffer) >= buffers_.size())
        throw PlatformError("there is no sound buffer " + std::to_string(buffer));
    return buffers_[static_cast<std::size_t>(buffer)];
}

void DirectSoundMixer::load(int buffer, const std::string& file) {
    IDirectSoundBuffer*& held = slot(buffer);
    const std::string bytes = readfile(file);
    WaveSound sound;
    try {
        sound = readwave(bytes);
    } catch (const WaveError& e) {
        throw PlatformError(file + ": " + e.what());
    }
    WAVEFORMATEX format{};
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = static_cast<WORD>(sound.channels);
    format.nSamplesPerSec = static_cast<DWORD>(sound.rate);
    format.wBitsPerSample = static_cast<WORD>(sound.bits);
    format.nBlockAlign = static_cast<WORD>(sound.channels * sound.bits / 8);
    format.nAvgBytesPerSec = format.nSamplesPerSec * format.nBlockAlign;
    DSBUFFERDESC description{};
    description.dwSize = sizeof description;
    description.dwFlags = kBufferFlags;
    // Every frame size divides the smallest buffer, so a padded one still holds whole frames.
    description.dwBufferBytes =
        static_cast<DWORD>(std::max<std::size_t>(sound.dataBytes, DSBSIZE_MIN));
    description.lpwfxFormat = &format;
    IDirectSoundBuffer* made = nullptr;
    HRESULT hr = device_->CreateSoundBuffer(&description, &made, nullptr);
    if (FAILED(hr)) throw PlatformError(file + ": " + dsoundreason(hr));
    // 8-bit samples are unsigned, their silence the middle value.
    hr = fill(made, bytes.data() + sound.dataOffset, sound.dataBytes,
              static_cast<char>(sound.bits == 8 ? 0x80 : 0));
    if (FAILED(hr)) {
        made->Release();
        throw PlatformError(file + ": " + dsoundreason(hr));
    }
    // Releasing a buffer stops whatever it still plays.
    if (held) held->Release();
    held = made;
}

void DirectSoundMixer::setVolume(int buffer, double volume) {
    IDirectSoundBuffer* b = slot(buffer);
    if (!b) return;  // its file was missing; the game has been told already
    check(b->SetVolume(devicelevel(volume, DSBVOLUME_MIN, DSBVOLUME_MAX, "volume")));
}

void DirectSoundMixer::setPan(int buffer, double pan) {
    IDirectSoundBuffer* b = slot(buffer);
    if (!b) return;
    check(b->SetPan(devicelevel(pan, DSBPAN_LEFT, DSBPAN_RIGHT, "pan")));
}

void DirectSoundMixer::play(int buffer, bool loop) {
    IDirectSoundBuffer* b = slot(buffer);
    if (!b) return;
    // From its start, also when it is still sounding from an earlier play.
    check(b->SetCurrentPosition(0));
    check(b->Play(0, 0, loop ? DSBPLAY_LOOPING : 0));
}

void DirectSoundMixer::close() {
    for (IDirectSoundBuffer*& b : buffers_) {
        if (b) b->Release();
        b = nullptr;
    }
    buffers_.clear();
    if (device_) device_->Release();
    device_ = nullptr;
}

}  // namespace zelvo
