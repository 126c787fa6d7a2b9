#pragma once
// The host that shows the game on this machine: the Windows console on
// Windows, the page in a browser, the terminal everywhere else.

#ifdef _WIN32
#include "platform/windows_host.h"
using GameHost = WindowsConsoleHost;
#elif defined(__EMSCRIPTEN__)
#include "platform/web_host.h"
using GameHost = WebHost;
#else
#include "platform/terminal_host.h"
using GameHost = TerminalHost;
#endif

#ifndef __EMSCRIPTEN__
// A terminal or console shows nothing once the game is over: it is the
// player's again. Returns status.
inline int showGameEnded(int status) { return status; }
#endif
