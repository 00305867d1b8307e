// Speech output 3 on Windows, first choice: the JAWS API object ("FreedomSci.JawsApi").
#pragma once

#include <oaidl.h>

#include <string>

#include "platform/win32/com_failure.h"

namespace zelvo {

// Reached late-bound through IDispatch. COM is initialised on the calling thread by the
// window before open() is called.
class JawsApi {
public:
    JawsApi();
    ~JawsApi();
    JawsApi(const JawsApi&) = delete;
    JawsApi& operator=(const JawsApi&) = delete;

    // Creates the object; false when JAWS does not answer.
    bool open();
    bool isOpen() const;
    // SayString, queued behind what JAWS is still saying; throws PlatformError with the
    // reason when the call fails, the first time only for each kind of failure.
    void say(const std::string& text);
    void close();

private:
    IDispatch* jaws_ = nullptr;
    DISPID sayString_ = DISPID_UNKNOWN;
    FailureOnce failures_;
    bool absenceReported_ = false;
};

}  // namespace zelvo
