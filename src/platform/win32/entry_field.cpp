// The editing of the text-entry box: what each typed character and key does to the field.
#include "platform/win32/entry_field.h"

#include "platform/entry_words.h"
#include "platform/speechd/utf8.h"
#include "platform/win32/wide.h"

namespace zelvo {
namespace {

bool isHighSurrogate(wchar_t u) {
    return u >= 0xD800 && u <= 0xDBFF;
}

bool isLowSurrogate(wchar_t u) {
    return u >= 0xDC00 && u <= 0xDFFF;
}

}  // namespace

std::optional<std::string> EntryField::type(wchar_t unit) {
    const wchar_t high = high_;
    high_ = 0;
    if (isHighSurrogate(unit)) {
        high_ = unit;
        return std::nullopt;
    }
    if (isLowSurrogate(unit)) {
        if (high == 0) return std::nullopt;
        return add(std::wstring{high, unit});
    }
    if (unit < 0x20 || (unit >= 0x7F && unit < 0xA0)) return std::nullopt;
    return add(std::wstring(1, unit));
}

std::optional<std::string> EntryField::add(const std::wstring& character) {
    const std::string typed = narrow(character);
    if (typed.empty() || text_.size() + typed.size() > kEntryMaxBytes) return std::nullopt;
    text_ += typed;
    return entryWords(typed);
}

std::string EntryField::erase() {
    high_ = 0;
    return entryWords(dropLastCharacter(text_));
}

std::string EntryField::readBack() const {
    return entryWords(text_);
}

std::optional<std::string> EntryField::step(bool down) {
    if (!cursor_.offered()) return std::nullopt;
    return entryWords(cursor_.step(down, text_));
}

}  // namespace zelvo
