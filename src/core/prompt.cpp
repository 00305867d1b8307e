// The modal text-entry prompt.
#include "core/prompt.h"

#include <exception>

#include "core/diagnostics.h"
#include "core/zelvo.h"
#include "speech/speech.h"

namespace zelvo {

std::string askfortext(Zelvo& z, const std::string& prompt, const std::string& title) {
    // No screen reader reads the box for the voice's listeners, so the voice asks first.
    if (z.s.ui.speechoutput == 0) sayit(z, prompt);
    try {
        return z.platform.inputBox(prompt, title);
    } catch (const std::exception& e) {
        debuglog(z, std::string("error in inputbox: ") + e.what());
        return "";
    }
}

}  // namespace zelvo
