#pragma once
// Turns the bytes a terminal sends into key events. A pure class: it is fed
// bytes with the time they were read and never touches a terminal, so every
// sequence can be tested as a byte string.
//
// Understood: the legacy encodings (arrows as ESC [ A..D or ESC O A..D, with
// modifiers as ESC [ 1 ; m A; Enter as CR or LF; Backspace as DEL or BS; the
// digits, the letters and '?'; F1 as ESC O P, CSI P, CSI 11 ~ or the Linux
// console's ESC [ [ A; a lone ESC), the kitty keyboard protocol's key events with their
// press / repeat / release types, Windows Terminal's win32-input-mode key
// events (CSI Vk ; Sc ; Uc ; Kd ; Cs ; Rc _, key down and key up), the replies to the kitty and device
// attribute queries, and the report that the window lost the focus. Every other sequence is read to its end and dropped.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

enum class KeyAction { Press, Repeat, Release };

struct InputEvent {
    enum class Kind {
        Key,               // key, action, mods and legacy are set
        KeyboardFlags,     // reply to the kitty query: flags holds the flags in force
        DeviceAttributes,  // reply to the primary device attributes query
        Interrupt,         // Ctrl+C reported as a key (the terminal sends no signal then)
        Suspend,           // Ctrl+Z reported as a key
        FocusLost,         // the window lost the keyboard focus
    };
    Kind kind = Kind::Key;
    int key = 0;  // virtual key (console/keys.h): Enter, Escape, Backspace, arrows, digits, letters, '?', F1
    KeyAction action = KeyAction::Press;
    int mods = 0;           // shift 1, alt 2, ctrl 4, super 8, ...; the lock keys are left out
    bool legacy = false;    // a plain byte encoding, which never reports a release
    bool releases = false;  // from an encoding that reports every key's release
    int flags = 0;
    std::int64_t time = 0;  // when the bytes were read (ms)
};

class KeyDecoder {
public:
    // How long a lone ESC waits for the rest of a sequence before it counts as
    // the Escape key.
    static constexpr std::int64_t escapeTimeoutMs = 40;
    // How long any other unfinished sequence may wait for its end.
    static constexpr std::int64_t sequenceTimeoutMs = 500;

    // Feeds bytes read at time now; decoded events are appended to out.
    void feed(std::string_view bytes, std::int64_t now, std::vector<InputEvent>& out);
    // Settles what waits for more bytes when it has waited long enough: a
    // lone ESC becomes Escape, a broken sequence is dropped.
    void expire(std::int64_t now, std::vector<InputEvent>& out);
    // When expire() has something to settle; -1 when nothing waits.
    std::int64_t deadline() const;

private:
    enum class State { Ground, Escape, Csi, Ss3, String, StringEscape, ConsoleFunctionKey };

    void ground(unsigned char c, std::int64_t now, std::vector<InputEvent>& out);
    void escape(unsigned char c, std::int64_t now, std::vector<InputEvent>& out);
    void sequence(unsigned char c, std::int64_t now, std::vector<InputEvent>& out);
    void finishCsi(char final, std::int64_t now, std::vector<InputEvent>& out);
    void finishWin32(std::int64_t now, std::vector<InputEvent>& out);
    void start(State s, std::int64_t now);

    State state = State::Ground;
    std::string params;      // parameter and intermediate bytes of the sequence
    std::int64_t since = 0;  // when the unfinished sequence began
    bool lastWasCr = false;
    // The game key each win32 virtual key went down as (0: up), so that its
    // key up releases the same key and a held key's key downs repeat it.
    std::array<int, 256> win32Down{};
};
