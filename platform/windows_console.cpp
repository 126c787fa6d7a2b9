#include "platform/windows_console.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <exception>
#include <stdexcept>

#include "console/interruption.h"
#include "console/screen.h"
#include "platform/console_window.h"

namespace {

// What the session changed, kept where the control handler (which Windows
// runs on a thread of its own) and atexit can undo it.
HANDLE input = INVALID_HANDLE_VALUE;
HANDLE original = INVALID_HANDLE_VALUE;  // the player's screen buffer
HANDLE gameBuffer = INVALID_HANDLE_VALUE;
DWORD savedInputMode = 0;
std::atomic<bool> active{false};
std::terminate_handler previousTerminate = nullptr;

// Puts the player's console back; once, whichever way out comes first. The
// game may go on writing into its own buffer meanwhile: nobody sees it.
void restore() {
    if (!active.exchange(false)) return;
    SetConsoleActiveScreenBuffer(original);
    // Quick edit and insert mode are only set back with the extended flags.
    SetConsoleMode(input, savedInputMode | ENABLE_EXTENDED_FLAGS);
}

BOOL WINAPI onControl(DWORD event) {
    switch (event) {
    case CTRL_C_EVENT:
    case CTRL_BREAK_EVENT:
    case CTRL_CLOSE_EVENT:
    case CTRL_LOGOFF_EVENT:
    case CTRL_SHUTDOWN_EVENT: restore(); break;
    default: break;
    }
    return FALSE;  // Windows' own handling ends the game
}

void restoreAndTerminate() {
    restore();
    if (previousTerminate) previousTerminate();
    std::abort();
}

// Shrinks the window before the buffer and grows the buffer before the
// window, as the console requires. Windows Terminal ignores both; the host
// then asks the player for room as on a terminal.
void fitToGame(HANDLE buffer) {
    CONSOLE_SCREEN_BUFFER_INFO info;
    if (!GetConsoleScreenBufferInfo(buffer, &info)) return;
    const SHORT right = std::min<SHORT>(info.srWindow.Right - info.srWindow.Left, ScreenModel::width - 1);
    const SHORT bottom = std::min<SHORT>(info.srWindow.Bottom - info.srWindow.Top, ScreenModel::height - 1);
    const SMALL_RECT shrunk{0, 0, right, bottom};
    SetConsoleWindowInfo(buffer, TRUE, &shrunk);
    SetConsoleScreenBufferSize(buffer, COORD{ScreenModel::width, ScreenModel::height});
    const SMALL_RECT game{0, 0, ScreenModel::width - 1, ScreenModel::height - 1};
    SetConsoleWindowInfo(buffer, TRUE, &game);
}

[[noreturn]] void consoleGone() {
    keepGameInPlay();
    throw std::runtime_error("the console cannot be read any more");
}

}  // namespace

WindowsConsole::WindowsConsole() {
    input = GetStdHandle(STD_INPUT_HANDLE);
    original = GetStdHandle(STD_OUTPUT_HANDLE);
    DWORD outputMode = 0;
    if (!GetConsoleMode(input, &savedInputMode) || !GetConsoleMode(original, &outputMode))
        throw std::runtime_error(
            "DRIFTER must be run in a console window: its standard input or output is redirected");
    gameBuffer = CreateConsoleScreenBuffer(GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                           nullptr, CONSOLE_TEXTMODE_BUFFER, nullptr);
    if (gameBuffer == INVALID_HANDLE_VALUE) throw std::runtime_error("the console gave no screen buffer");
    fitToGame(gameBuffer);
    const CONSOLE_CURSOR_INFO hidden{1, FALSE};
    SetConsoleCursorInfo(gameBuffer, &hidden);

    active = true;
    SetConsoleCtrlHandler(onControl, TRUE);
    static bool exitHookInstalled = false;
    if (!exitHookInstalled) {
        std::atexit(restore);
        exitHookInstalled = true;
    }
    previousTerminate = std::set_terminate(restoreAndTerminate);
    SetConsoleActiveScreenBuffer(gameBuffer);
    // Key events only: no line editing, no echo, no mouse; without quick edit
    // a mouse selection cannot freeze the game's output.
    SetConsoleMode(input, ENABLE_PROCESSED_INPUT | ENABLE_WINDOW_INPUT | ENABLE_EXTENDED_FLAGS);
}

WindowsConsole::~WindowsConsole() {
    restore();
    std::set_terminate(previousTerminate);
    SetConsoleCtrlHandler(onControl, FALSE);
    CloseHandle(gameBuffer);
    gameBuffer = INVALID_HANDLE_VALUE;
}

void WindowsConsole::write(const CellPatch& patch) {
    if (patch.empty()) return;
    std::vector<CHAR_INFO> cells(patch.cells.size());
    for (std::size_t i = 0; i < cells.size(); ++i) {
        cells[i].Char.UnicodeChar = static_cast<WCHAR>(patch.cells[i].glyph);
        cells[i].Attributes = patch.cells[i].attr;
    }
    const COORD size{static_cast<SHORT>(patch.width()), static_cast<SHORT>(patch.bottom - patch.top + 1)};
    SMALL_RECT area{static_cast<SHORT>(patch.left), static_cast<SHORT>(patch.top), static_cast<SHORT>(patch.right),
                    static_cast<SHORT>(patch.bottom)};
    WriteConsoleOutputW(gameBuffer, cells.data(), size, COORD{0, 0}, &area);
}

void WindowsConsole::waitForInput(int timeoutMs) {
    WaitForSingleObject(input, timeoutMs < 0 ? INFINITE : static_cast<DWORD>(timeoutMs));
}

void WindowsConsole::wake() {
    // A record the game never reads as a key.
    INPUT_RECORD record{};
    record.EventType = MENU_EVENT;
    DWORD written = 0;
    WriteConsoleInputW(input, &record, 1, &written);
}

std::vector<ConsoleInput> WindowsConsole::readAvailable(bool& resized) {
    std::vector<ConsoleInput> out;
    DWORD waiting = 0;
    if (!GetNumberOfConsoleInputEvents(input, &waiting)) consoleGone();
    if (waiting == 0) return out;
    std::vector<INPUT_RECORD> records(waiting);
    DWORD read = 0;
    if (!ReadConsoleInputW(input, records.data(), waiting, &read)) consoleGone();
    for (DWORD i = 0; i < read; ++i) {
        const INPUT_RECORD& r = records[i];
        ConsoleInput in;
        if (r.EventType == KEY_EVENT) {
            in.kind = ConsoleInput::Kind::Key;
            in.keyDown = r.Event.KeyEvent.bKeyDown != FALSE;
            in.virtualKey = r.Event.KeyEvent.wVirtualKeyCode;
        } else if (r.EventType == FOCUS_EVENT) {
            in.kind = ConsoleInput::Kind::Focus;
            in.focused = r.Event.FocusEvent.bSetFocus != FALSE;
        } else if (r.EventType == WINDOW_BUFFER_SIZE_EVENT) {
            resized = true;
            continue;
        } else {
            continue;
        }
        out.push_back(in);
    }
    return out;
}

bool WindowsConsole::size(int& columns, int& rows) const {
    CONSOLE_SCREEN_BUFFER_INFO info;
    if (!GetConsoleScreenBufferInfo(gameBuffer, &info)) return false;
    columns = info.srWindow.Right - info.srWindow.Left + 1;
    rows = info.srWindow.Bottom - info.srWindow.Top + 1;
    return true;
}

bool consoleClosesWithProgram() {
    DWORD processes[2];
    DWORD mode = 0;
    return GetConsoleProcessList(processes, 2) == 1 && GetConsoleMode(GetStdHandle(STD_INPUT_HANDLE), &mode);
}
