#pragma once
// The host for play: the real terminal shows the screen model, the steady
// clock gives the time, and the keyboard is read from the terminal's input.
//
// Every wait presents the model first and then sleeps in poll() on the
// terminal and the signal pipe, decoding input as it arrives; key polls take
// in waiting input without blocking and present before they answer. So the
// player always sees what the game drew, and a waiting game uses no CPU.

#include <chrono>
#include <cstdint>
#include <vector>

#include "console/host.h"
#include "platform/key_decoder.h"
#include "platform/interruption.h"
#include "platform/key_state.h"
#include "platform/terminal.h"
#include "platform/terminal_presenter.h"

class TerminalHost : public Host {
public:
    // Sets the terminal up and asks whether it speaks the kitty keyboard
    // protocol (giving up after detectTimeoutMs). Throws std::runtime_error
    // when there is no terminal.
    TerminalHost();

    std::int64_t now() override;
    void waitUntil(std::int64_t deadline) override;
    bool keyHeld(int virtualKey) override;
    bool keyDown(int virtualKey) override;
    void waitForRelease(int virtualKey) override;
    void screenCleared() override;

    // True when the terminal reports key releases, so held keys are exact.
    bool exactKeys() const { return keys.exact(); }

    static constexpr std::int64_t detectTimeoutMs = 500;
    static constexpr int keyboardFlags = 11;  // disambiguate, event types, all keys as codes

private:
    void detectKeyboardProtocol();
    // Waits for the reply to a kitty query; the flags in force, or -1 when the
    // terminal answered the device attributes query alone (or nothing).
    int queryKeyboardFlags();
    // Takes in waiting input and what the signals asked for.
    void pump();
    void handle(const InputEvent& e);
    // Sleeps until input, a signal or the deadline (whichever comes first).
    void sleepUntil(std::int64_t deadline);
    void present();
    // While the window is smaller than the game, asks the player to enlarge
    // it and waits; true when it had to wait.
    bool waitForRoom();
    void readSize();

    TerminalSession session;
    InterruptionWatch watch{&TerminalSession::wakeFromSignal};
    KeyDecoder decoder;
    KeyState keys;
    TerminalPresenter presenter;
    std::vector<InputEvent> events;
    std::chrono::steady_clock::time_point start;
    int columns = 80;
    int rows = 25;
    bool sizeStale = true;
    // Replies to the queries, while the detection waits for them.
    int flagsReply = -1;
    bool attributesReply = false;
};
