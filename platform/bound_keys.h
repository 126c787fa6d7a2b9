#pragma once
// The step between the keys a host decodes and the key state: each key
// becomes the game's key for the action the player bound it to
// (console/key_bindings.h), and a key bound to nothing is dropped there, so
// it never holds back the presses after it.

#include "console/key_bindings.h"
#include "platform/key_state.h"

inline void recordBound(KeyState& keys, InputEvent e) {
    e.key = keyBindings().gameKey(e.key);
    if (e.key != 0) keys.record(e);
}
