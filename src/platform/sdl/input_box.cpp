// The modal text-entry box drawn in the game window.
#include "platform/sdl/input_box.h"

#include <SDL2/SDL.h>

#include "platform/choices.h"
#include "platform/entry_words.h"
#include "platform/sdl/modal.h"
#include "platform/sdl/voice_output.h"
#include "platform/sdl/window_text.h"
#include "platform/speechd/utf8.h"

namespace zelvo {
namespace {

// SDL delivers typed characters only while text input is on; it stays off the rest of
// the time so that menu keys never turn into text.
class TextInputOn {
public:
    TextInputOn() { SDL_StartTextInput(); }
    ~TextInputOn() {
        SDL_StopTextInput();
        SDL_FlushEvent(SDL_TEXTINPUT);
        SDL_FlushEvent(SDL_TEXTEDITING);
    }
    TextInputOn(const TextInputOn&) = delete;
    TextInputOn& operator=(const TextInputOn&) = delete;
};

}  // namespace

std::string runInputBox(WindowText& text, VoiceOutput& voice, DayTimer& timer,
                        BrailleDisplay* braille, const std::string& prompt,
                        const std::string& title, const TextEcho& echo,
                        const InputChoices& choices) {
    TextInputOn textInput;
    std::string field;
    ChoiceCursor cursor(choices);
    auto say = [&echo](const std::string& words) {
        if (echo) echo(entryWords(words));
    };
    text.showEntry(title, prompt, field);
    for (;;) {
        SDL_Event e;
        if (!modalwait(e, braille)) return {};
        switch (e.type) {
        case SDL_QUIT:
            SDL_PushEvent(&e);
            return {};
        case SDL_TEXTINPUT: {
            const std::string typed = asUtf8(e.text.text);
            if (field.size() + typed.size() > kEntryMaxBytes) break;
            field += typed;
            say(typed);
            text.showEntry(title, prompt, field);
            break;
        }
        case SDL_KEYDOWN:
            switch (e.key.keysym.sym) {
            case SDLK_RETURN:
            case SDLK_KP_ENTER:
                return field;
            case SDLK_ESCAPE:
                return {};
            case SDLK_BACKSPACE:
                say(dropLastCharacter(field));
                text.showEntry(title, prompt, field);
                break;
            case SDLK_F2:
                say(field);
                break;
            case SDLK_UP:
            case SDLK_DOWN:
                if (!cursor.offered()) break;
                say(cursor.step(e.key.keysym.sym == SDLK_DOWN, field));
                text.showEntry(title, prompt, field);
                break;
            default:
                break;
            }
            break;
        default:
            modalbackground(e, voice, timer, [&] { text.showEntry(title, prompt, field); });
            break;
        }
    }
}

}  // namespace zelvo
