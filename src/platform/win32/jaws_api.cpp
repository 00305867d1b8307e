// Placeholder until the JAWS API is built: JAWS never answers.
#include "platform/win32/jaws_api.h"

#include "platform/platform.h"

namespace zelvo {

JawsApi::JawsApi() = default;
JawsApi::~JawsApi() = default;
bool JawsApi::open() {
    return false;
}
bool JawsApi::isOpen() const {
    return false;
}
void JawsApi::say(const std::string&) {
    throw PlatformError("JAWS is not running");
}
void JawsApi::close() {}

}  // namespace zelvo
