#pragma once
// The host for play: the real terminal shows the screen model, and the
// keyboard is read from the terminal's input. Waits sleep in poll() on the
// terminal and the signal pipe, decoding input as it arrives (the waits and
// key polls themselves are PollingHost's).

#include <cstdint>
#include <vector>

#include "platform/key_decoder.h"
#include "platform/interruption.h"
#include "platform/polling_host.h"
#include "platform/terminal.h"
#include "platform/terminal_presenter.h"

class TerminalHost : public PollingHost {
public:
    // Sets the terminal up and asks whether it speaks the kitty keyboard
    // protocol (giving up after detectTimeoutMs). Throws std::runtime_error
    // when there is no terminal.
    TerminalHost();

    static constexpr std::int64_t detectTimeoutMs = 500;
    static constexpr int keyboardFlags = 11;  // disambiguate, event types, all keys as codes

private:
    void detectKeyboardProtocol();
    // Waits for the reply to a kitty query; the flags in force, or -1 when the
    // terminal answered the device attributes query alone (or nothing).
    int queryKeyboardFlags();
    // Takes in waiting input and what the signals asked for.
    void pump() override;
    void handle(const InputEvent& e);
    // Sleeps until input, a signal or the deadline (whichever comes first).
    void sleepUntil(std::int64_t deadline) override;
    void present() override;
    // While the window is smaller than the game, asks the player to enlarge
    // it and waits; true when it had to wait.
    bool waitForRoom();
    void readSize();

    TerminalSession session;
    InterruptionWatch watch{&TerminalSession::wakeFromSignal};
    KeyDecoder decoder;
    TerminalPresenter presenter;
    std::vector<InputEvent> events;
    int columns = 80;
    int rows = 25;
    bool sizeStale = true;
    // Replies to the queries, while the detection waits for them.
    int flagsReply = -1;
    bool attributesReply = false;
};
