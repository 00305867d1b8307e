// The few things the game asks of the system that each system answers its own way.
#pragma once

#include <ctime>
#include <string>
#include <vector>

namespace zelvo {

// The computer clock's local date and time now.
std::tm localnow();

// The number of this process.
unsigned long processid();

// The program's arguments in UTF-8. Windows hands `main` the system's code page, so there
// they are taken again from the command line as the system keeps it.
std::vector<std::string> programarguments(int argc, char** argv);

// Makes standard input and output carry the runner's lines byte for byte: Windows would turn
// each line end into two characters and back.
void plainstreams();

#ifdef _WIN32
// UTF-8 and the UTF-16 of every Windows call. False when `utf8` is not valid UTF-8.
bool widefromutf8(const std::string& utf8, std::wstring& wide);
std::string utf8fromwide(const std::wstring& wide);
// As widefromutf8, with each byte that is not UTF-8 taken as U+FFFD.
std::wstring widelossy(const std::string& utf8);
#endif

}  // namespace zelvo
