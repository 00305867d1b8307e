// Every sound the game plays, spelled as the game asks for it.
#pragma once

#include <string>

namespace zelvo::sounds {

// The menus.
inline constexpr const char* Enter = "/sounds/menu/enter.wav";
inline constexpr const char* Arrows = "/sounds/menu/arrows.wav";
inline constexpr const char* Preload = "\\sounds\\menu\\arrows.wav";  // every buffer at start
inline constexpr const char* Previous = "\\sounds\\game\\previous.wav";

// The speech outputs that Tab chooses.
inline constexpr const char* OutputVoice = "/sounds/Menu/SAPI.wav";
inline constexpr const char* OutputTitle = "/sounds/Menu/NVDA.wav";
inline constexpr const char* OutputBraille = "/sounds/Menu/WE.wav";
inline constexpr const char* OutputScreenReader = "/sounds/Menu/JAWS.wav";

// The days and what happens in them.
inline constexpr const char* Tick = "\\sounds\\game\\tick.wav";
inline constexpr const char* Tock = "\\sounds\\game\\tock.wav";
inline constexpr const char* Pause = "\\sounds\\game\\pause.wav";
inline constexpr const char* Unpause = "\\sounds\\game\\unpause.wav";
inline constexpr const char* Alarm = "\\sounds\\game\\alarm.wav";
inline constexpr const char* Award = "\\sounds\\game\\award.wav";
inline constexpr const char* Statement = "\\sounds\\game\\statement.wav";
inline constexpr const char* Theft = "\\sounds\\game\\theft.wav";
inline constexpr const char* Saved = "\\sounds\\game\\saved.wav";
inline constexpr const char* Error = "\\sounds\\game\\error.wav";

// A sale in aisle `aisle` (1 to 50): each aisle has its own tone.
inline std::string aisletone(int aisle) {
    return "\\sounds\\game\\" + std::to_string(aisle) + ".wav";
}
// Coins: `kind` "coin" (a payday) or "coins" (a bill paid), in take 1 or 2.
inline std::string coins(const char* kind, int take) {
    return std::string("\\sounds\\game\\") + kind + std::to_string(take) + ".wav";
}

}  // namespace zelvo::sounds
