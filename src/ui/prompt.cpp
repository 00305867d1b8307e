// The modal text-entry prompt.
#include "ui/prompt.h"

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

bool askforname(Zelvo& z, std::string& field, const std::string& prompt, const std::string& title,
                const std::string& confirmation) {
    const std::string name = askfortext(z, prompt, title);
    if (name.empty()) {
        sayit(z, "Canceled.");
        return false;
    }
    field = name;
    sayit(z, confirmation + name + ".");
    return true;
}

}  // namespace zelvo
