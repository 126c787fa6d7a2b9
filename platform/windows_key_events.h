#pragma once
// Turns the Windows console's input records into the key events of the key
// state (platform/key_state.h). A pure class: the console host copies each
// record into a ConsoleInput, so recorded sequences are tested anywhere.
//
// The console reports every key going down and up, so key state is exact. A
// held key sends further key-down records (the keyboard's auto-repeat): only
// the first is a press, the rest are repeats. Losing the focus sends no
// key-up for the keys held then; it is reported, the keys count as up, and a
// key still held when the focus comes back is pressed anew.

#include <bitset>
#include <cstdint>
#include <vector>

#include "platform/key_decoder.h"

// One record of the console's input queue, as far as the game cares.
struct ConsoleInput {
    enum class Kind { Key, Focus, Other };
    Kind kind = Kind::Other;
    bool keyDown = false;  // Key: went down (or repeats) rather than up
    int virtualKey = 0;    // Key: the console's virtual-key code
    bool focused = true;   // Focus: whether the window has the focus now
};

class WindowsKeyEvents {
public:
    // Decodes one record read at now; key and focus events are appended to out.
    void take(const ConsoleInput& in, std::int64_t now, std::vector<InputEvent>& out);

private:
    std::bitset<256> down;
};
