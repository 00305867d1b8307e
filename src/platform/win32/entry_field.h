// The editing of the text-entry box: what each typed character and key does to the field.
#pragma once

#include <optional>
#include <string>

#include "platform/choices.h"
#include "platform/platform.h"

namespace zelvo {

// The field is UTF-8. Each call that changes or reads it returns what the box tells the
// player through the game's echo ("blank" and "space" for what would say nothing), or
// nothing when there is nothing to tell.
class EntryField {
public:
    explicit EntryField(const InputChoices& choices) : cursor_(choices) {}

    const std::string& text() const { return text_; }

    // One UTF-16 unit of WM_CHAR. A surrogate pair is joined into its one character;
    // control characters (Enter, Escape, Backspace as characters, line breaks, Ctrl+letter)
    // and a surrogate without its partner are dropped, and so is what would make the field
    // longer than kEntryMaxBytes.
    std::optional<std::string> type(wchar_t unit);
    // Backspace: the character taken off the end ("blank" when the field was empty).
    std::string erase();
    // F2: the whole field.
    std::string readBack() const;
    // Up (false) and Down (true) through the choices; nothing when none are offered.
    std::optional<std::string> step(bool down);

private:
    std::optional<std::string> add(const std::wstring& character);

    std::string text_;
    wchar_t high_ = 0;  // the first half of a surrogate pair, waiting for its second
    ChoiceCursor cursor_;
};

}  // namespace zelvo
