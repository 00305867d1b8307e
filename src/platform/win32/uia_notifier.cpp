// Placeholder until the notifications are built: nobody listens.
#include "platform/win32/uia_notifier.h"

namespace zelvo {

UiaNotifier::UiaNotifier(HWND) {}
UiaNotifier::~UiaNotifier() = default;
bool UiaNotifier::answerGetObject(WPARAM, LPARAM, LRESULT&) {
    return false;
}
bool UiaNotifier::clientsListening() const {
    return false;
}
void UiaNotifier::notify(const std::string&) {}
void UiaNotifier::close() {}

}  // namespace zelvo
