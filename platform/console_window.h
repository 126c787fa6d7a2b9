#pragma once
// Whether a message written as the program ends would vanish with its
// window: started by a double-click, a Windows console program gets a console
// of its own, which closes the moment the program ends.

#ifdef _WIN32
// True when no other program shares this console, and its keyboard is the
// program's input (so a player can answer).
bool consoleClosesWithProgram();
#else
// A terminal stays open after the program ends.
inline bool consoleClosesWithProgram() { return false; }
#endif
