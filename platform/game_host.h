#pragma once
// The host that shows the game on this machine: the Windows console on
// Windows, the terminal everywhere else.

#ifdef _WIN32
#include "platform/windows_host.h"
using GameHost = WindowsConsoleHost;
#else
#include "platform/terminal_host.h"
using GameHost = TerminalHost;
#endif
