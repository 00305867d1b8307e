#include "platform/win32/dsound_error.h"

#include "platform/win32/com_failure.h"
#include "platform/win32/directsound.h"

namespace zelvo {
namespace {

struct Meaning {
    HRESULT result;
    const char* name;
    const char* words;
};

constexpr Meaning kMeanings[] = {
    {DSERR_NODRIVER, "DSERR_NODRIVER", "no sound driver is available"},
    {DSERR_ALLOCATED, "DSERR_ALLOCATED", "the sound device is in use by another program"},
    {DSERR_OTHERAPPHASPRIO, "DSERR_OTHERAPPHASPRIO",
     "another program has taken priority over the sound device"},
    {DSERR_PRIOLEVELNEEDED, "DSERR_PRIOLEVELNEEDED",
     "the sound device needs a higher priority level for this"},
    {DSERR_OUTOFMEMORY, "DSERR_OUTOFMEMORY", "there is not enough memory for the sound"},
    {DSERR_BADFORMAT, "DSERR_BADFORMAT", "the sound device cannot take the sound's format"},
    {DSERR_CONTROLUNAVAIL, "DSERR_CONTROLUNAVAIL",
     "the sound device offers no volume, pan or rate control"},
    {DSERR_INVALIDPARAM, "DSERR_INVALIDPARAM", "the sound device refused a value"},
    {DSERR_INVALIDCALL, "DSERR_INVALIDCALL", "the sound device cannot do this now"},
    {DSERR_BUFFERLOST, "DSERR_BUFFERLOST", "the sound device lost the sound's memory"},
    {DSERR_UNINITIALIZED, "DSERR_UNINITIALIZED", "the sound device is not ready"},
    {DSERR_UNSUPPORTED, "DSERR_UNSUPPORTED", "the sound device does not support this"},
    {DSERR_ACCESSDENIED, "DSERR_ACCESSDENIED", "the system refused access to the sound device"},
    {DSERR_GENERIC, "DSERR_GENERIC", "the sound driver failed without saying why"},
    {DSERR_NOINTERFACE, "DSERR_NOINTERFACE", "the sound driver lacks a part DirectSound needs"},
    {DSERR_ALREADYINITIALIZED, "DSERR_ALREADYINITIALIZED", "the sound device was already opened"},
    {DSERR_BUFFERTOOSMALL, "DSERR_BUFFERTOOSMALL", "the sound is too short for the device"},
};

}  // namespace

std::string dsoundreason(HRESULT result) {
    for (const Meaning& m : kMeanings)
        if (m.result == result) return std::string(m.words) + " (" + m.name + ")";
    const std::string words = systemWords(result);
    return (words.empty() ? "the sound system failed" : words) + " (" + hresultCode(result) + ")";
}

}  // namespace zelvo
