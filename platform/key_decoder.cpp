#include "platform/key_decoder.h"

#include <array>

#include "console/keys.h"

namespace {

constexpr unsigned char ESC = 0x1B;
constexpr std::size_t maxSequenceLength = 64;

// Kitty's codes for keys of the numeric keypad that the game treats as the
// main keys (Enter and the arrows), and the range of the modifier keys.
constexpr int kittyKeypadEnter = 57414;
constexpr int kittyKeypadLeft = 57417;
constexpr int kittyKeypadDown = 57420;
constexpr int kittyFirstModifier = 57441;
constexpr int kittyLastModifier = 57454;

constexpr int lockBits = 64 | 128;  // caps lock and num lock
constexpr int ctrlBit = 4;
constexpr int altBit = 2;
constexpr int shiftBit = 1;

InputEvent keyEvent(int key, KeyAction action, int mods, bool legacy, std::int64_t now) {
    InputEvent e;
    e.kind = InputEvent::Kind::Key;
    e.key = key;
    e.action = action;
    e.mods = mods;
    e.legacy = legacy;
    e.time = now;
    return e;
}

InputEvent replyEvent(InputEvent::Kind kind, int flags, std::int64_t now) {
    InputEvent e;
    e.kind = kind;
    e.flags = flags;
    e.time = now;
    return e;
}

// The numbers of a sequence's parameters: fields split by ';', each split
// into sub-fields by ':'. An empty number is -1 (the default).
struct Params {
    static constexpr int maxFields = 6;
    static constexpr int maxSub = 3;
    std::array<std::array<int, maxSub>, maxFields> value{};
    int fields = 0;

    int at(int field, int sub, int fallback) const {
        if (field >= fields) return fallback;
        const int v = value[static_cast<std::size_t>(field)][static_cast<std::size_t>(sub)];
        return v < 0 ? fallback : v;
    }
};

bool parseParams(const std::string& text, Params& p) {
    for (auto& f : p.value) f.fill(-1);
    int field = 0;
    int sub = 0;
    p.fields = 1;
    for (char c : text) {
        if (c == ';') {
            if (++field >= Params::maxFields) return false;
            sub = 0;
            p.fields = field + 1;
        } else if (c == ':') {
            if (++sub >= Params::maxSub) return false;
        } else if (c >= '0' && c <= '9') {
            int& v = p.value[static_cast<std::size_t>(field)][static_cast<std::size_t>(sub)];
            if (v < 0) v = 0;
            if (v < 1000000) v = v * 10 + (c - '0');
        } else {
            return false;  // intermediate bytes or private markers in the middle
        }
    }
    return true;
}

// The modifier bits of a key event, without the lock keys.
int modsOf(const Params& p) {
    const int mods = p.at(1, 0, 1) - 1;
    return mods < 0 ? 0 : mods & ~lockBits;
}

bool actionOf(int eventType, KeyAction& action) {
    switch (eventType) {
    case 1: action = KeyAction::Press; return true;
    case 2: action = KeyAction::Repeat; return true;
    case 3: action = KeyAction::Release; return true;
    default: return false;
    }
}

// The virtual key of a kitty key code, or 0 for keys the game does not read.
int keyOfKittyCode(int code, int mods) {
    if (code >= 'a' && code <= 'z') return code - 'a' + 'A';
    if (code == '?' || (code == '/' && (mods & shiftBit))) return VK::Question;
    if (code == 13 || code == kittyKeypadEnter) return 13;
    if (code == 27) return 27;
    if (code == 127 || code == 8) return 8;
    if (code >= '0' && code <= '9') return code;
    if (code >= kittyKeypadLeft && code <= kittyKeypadDown) {
        static const int keypadArrows[] = {37, 39, 38, 40};  // left, right, up, down
        return keypadArrows[code - kittyKeypadLeft];
    }
    return 0;
}

// Digits, letters (either case, as their capital) and '?', the keys the
// player may bind; 0 for any other byte.
int keyOfByte(unsigned char c) {
    if (c >= '0' && c <= '9') return c;
    if (c >= 'a' && c <= 'z') return c - 'a' + 'A';
    if (c >= 'A' && c <= 'Z') return c;
    return c == '?' ? VK::Question : 0;
}

int keyOfArrow(char final) {
    switch (final) {
    case 'A': return 38;
    case 'B': return 40;
    case 'C': return 39;
    case 'D': return 37;
    default: return 0;
    }
}

// Windows Terminal's win32-input-mode: the control-key state's flags and the
// virtual keys of the shortcuts the game answers.
constexpr int win32AltFlags = 0x01 | 0x02;   // right and left Alt
constexpr int win32CtrlFlags = 0x04 | 0x08;  // right and left Ctrl
constexpr int win32ShiftFlag = 0x10;
constexpr int win32KeyC = 0x43;
constexpr int win32KeyZ = 0x5A;

int modsOfWin32(int state) {
    return ((state & win32ShiftFlag) ? shiftBit : 0) | ((state & win32AltFlags) ? altBit : 0) |
           ((state & win32CtrlFlags) ? ctrlBit : 0);
}

// The game key of a win32 key event: a digit, letter or '?' by the character
// it typed, the other keys (and key ups without a character) by the virtual
// key; 0 for the modifier keys and every key the game does not read.
int keyOfWin32(int vk, int unicode) {
    if (unicode > 0 && unicode < 127 && keyOfByte(static_cast<unsigned char>(unicode)) != 0)
        return keyOfByte(static_cast<unsigned char>(unicode));
    return gameKeyOfVirtualKey(vk);
}

// Ctrl+C and Ctrl+Z, as the character they type or as the key with Ctrl
// (AltGr, which is Ctrl with Alt, types characters instead).
InputEvent::Kind signalOfWin32(int vk, int unicode, int mods) {
    const bool ctrlOnly = (mods & (ctrlBit | altBit)) == ctrlBit;
    if (unicode == 3 || (ctrlOnly && vk == win32KeyC)) return InputEvent::Kind::Interrupt;
    if (unicode == 26 || (ctrlOnly && vk == win32KeyZ)) return InputEvent::Kind::Suspend;
    return InputEvent::Kind::Key;
}

// Ctrl or Alt alone with a key is a shortcut, not the key; AltGr (both at
// once) types characters such as '?' on some keyboards.
bool isShortcut(int mods) {
    const int ctrlAlt = mods & (ctrlBit | altBit);
    return ctrlAlt == ctrlBit || ctrlAlt == altBit;
}

InputEvent win32KeyEvent(int key, KeyAction action, int mods, std::int64_t now) {
    InputEvent e = keyEvent(key, action, mods, false, now);
    e.releases = true;
    return e;
}

}  // namespace

void KeyDecoder::start(State s, std::int64_t now) {
    state = s;
    params.clear();
    since = now;
}

void KeyDecoder::feed(std::string_view bytes, std::int64_t now, std::vector<InputEvent>& out) {
    for (char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        switch (state) {
        case State::Ground: ground(c, now, out); break;
        case State::Escape: escape(c, now, out); break;
        default: sequence(c, now, out); break;
        }
    }
}

void KeyDecoder::ground(unsigned char c, std::int64_t now, std::vector<InputEvent>& out) {
    const bool afterCr = lastWasCr;
    lastWasCr = false;
    if (c == ESC) {
        start(State::Escape, now);
    } else if (c == '\r') {
        lastWasCr = true;
        out.push_back(keyEvent(13, KeyAction::Press, 0, true, now));
    } else if (c == '\n') {
        // A terminal that ends Enter with CR LF sends one key, not two.
        if (!afterCr) out.push_back(keyEvent(13, KeyAction::Press, 0, true, now));
    } else if (c == 0x7F || c == 0x08) {
        out.push_back(keyEvent(8, KeyAction::Press, 0, true, now));
    } else if (const int key = keyOfByte(c)) {
        out.push_back(keyEvent(key, KeyAction::Press, 0, true, now));
    }
    // Every other byte (other control keys and punctuation, the bytes of
    // UTF-8 characters) is no key of the game.
}

void KeyDecoder::escape(unsigned char c, std::int64_t now, std::vector<InputEvent>& out) {
    switch (c) {
    case '[': start(State::Csi, since); return;
    case 'O': start(State::Ss3, since); return;
    case ']':
    case 'P':
    case '_':
    case '^':
    case 'X':
        // Strings (operating system commands, device control, ...) run to
        // BEL or ESC \ and mean nothing to the game.
        start(State::String, since);
        return;
    default: break;
    }
    // ESC followed by anything else: the Escape key, then that byte on its own
    // (Alt with a key sends ESC before the key).
    out.push_back(keyEvent(27, KeyAction::Press, 0, true, now));
    state = State::Ground;
    ground(c, now, out);
}

void KeyDecoder::sequence(unsigned char c, std::int64_t now, std::vector<InputEvent>& out) {
    if (state == State::ConsoleFunctionKey) {
        state = State::Ground;
        if (c == 'A') out.push_back(keyEvent(VK::F1, KeyAction::Press, 0, true, now));
        return;
    }
    if (state == State::String || state == State::StringEscape) {
        if (state == State::StringEscape) {
            if (c == '\\') {
                state = State::Ground;
                return;
            }
            // A new sequence starts without the string being ended.
            state = State::Escape;
            escape(c, now, out);
            return;
        }
        if (c == 0x07) state = State::Ground;
        else if (c == ESC) state = State::StringEscape;
        return;
    }
    if (c >= 0x20 && c <= 0x3F) {
        // Parameter and intermediate bytes; a sequence too long to be one we
        // know is read to its end and dropped.
        if (params.size() <= maxSequenceLength) params += static_cast<char>(c);
        return;
    }
    if (c >= 0x40 && c <= 0x7E) {
        const State was = state;
        state = State::Ground;
        if (params.size() > maxSequenceLength) return;
        if (was == State::Ss3) {
            // Application cursor mode: ESC O A..D; ESC O M is the keypad's
            // Enter, ESC O P is F1.
            const int key = c == 'M' ? 13 : c == 'P' ? VK::F1 : keyOfArrow(static_cast<char>(c));
            if (key != 0) out.push_back(keyEvent(key, KeyAction::Press, 0, true, now));
            return;
        }
        finishCsi(static_cast<char>(c), now, out);
        return;
    }
    // A control byte breaks the sequence off; the byte itself still counts
    // (a new ESC starts a new sequence, CR is Enter).
    state = State::Ground;
    ground(c, now, out);
}

void KeyDecoder::finishCsi(char final, std::int64_t now, std::vector<InputEvent>& out) {
    if (!params.empty() && params[0] == '?') {
        // Replies to our queries: CSI ? flags u and CSI ? ... c.
        Params p;
        const bool ok = parseParams(params.substr(1), p);
        if (final == 'u' && ok) out.push_back(replyEvent(InputEvent::Kind::KeyboardFlags, p.at(0, 0, 0), now));
        if (final == 'c') out.push_back(replyEvent(InputEvent::Kind::DeviceAttributes, 0, now));
        return;
    }
    if (final == '_') {
        finishWin32(now, out);
        return;
    }
    Params p;
    if (!parseParams(params, p)) return;  // other private sequences, e.g. CSI > ... c
    // Focus reports (CSI I, CSI O): only the loss matters, as keys held then
    // are released in another window.
    if (final == 'O' && params.empty()) {
        win32Down.fill(0);
        out.push_back(replyEvent(InputEvent::Kind::FocusLost, 0, now));
        return;
    }
    int key = 0;
    if (final == 'u') {
        const int code = p.at(0, 0, 0);
        if (code >= kittyFirstModifier && code <= kittyLastModifier) return;
        const int mods = modsOf(p);
        key = keyOfKittyCode(code, mods);
        KeyAction action;
        if (!actionOf(p.at(1, 1, 1), action)) return;
        // With every key reported as a sequence, Ctrl+C and Ctrl+Z reach us as
        // keys; they still stop or suspend the game as they would elsewhere.
        if ((mods & ctrlBit) && action == KeyAction::Press && (code == 'c' || code == 'z')) {
            out.push_back(
                replyEvent(code == 'c' ? InputEvent::Kind::Interrupt : InputEvent::Kind::Suspend, 0, now));
            return;
        }
        // Ctrl, Alt or Super with a letter is a shortcut, not the letter.
        if (key == 0 || (code >= ' ' && code < 127 && (mods & ~shiftBit))) return;
        out.push_back(keyEvent(key, action, mods, false, now));
        return;
    }
    if (final == '[' && params.empty()) {
        // The Linux console's function keys: ESC [ [ A is F1.
        state = State::ConsoleFunctionKey;
        return;
    }
    key = final == 'P' || (final == '~' && p.at(0, 0, 0) == 11) ? VK::F1 : keyOfArrow(final);
    if (key == 0) return;  // other function keys, Home, End, focus gained, ...
    KeyAction action;
    if (!actionOf(p.at(1, 1, 1), action)) return;
    out.push_back(keyEvent(key, action, modsOf(p), false, now));
}

// CSI Vk ; Sc ; Uc ; Kd ; Cs ; Rc _ (the scan code and the repeat count do
// not matter: a held key sends one key down per repeat).
void KeyDecoder::finishWin32(std::int64_t now, std::vector<InputEvent>& out) {
    Params p;
    if (!parseParams(params, p)) return;
    const int vk = p.at(0, 0, 0);
    const int unicode = p.at(2, 0, 0);
    const int down = p.at(3, 0, 0);
    const int mods = modsOfWin32(p.at(4, 0, 0));
    if (vk >= static_cast<int>(win32Down.size()) || down > 1) return;
    int& held = win32Down[static_cast<std::size_t>(vk)];
    if (down == 0) {
        const int key = held != 0 ? held : keyOfWin32(vk, unicode);
        held = 0;
        if (key != 0) out.push_back(win32KeyEvent(key, KeyAction::Release, mods, now));
        return;
    }
    const InputEvent::Kind signal = signalOfWin32(vk, unicode, mods);
    if (signal != InputEvent::Kind::Key) {
        out.push_back(replyEvent(signal, 0, now));
        return;
    }
    const int key = isShortcut(mods) ? 0 : keyOfWin32(vk, unicode);
    if (key == 0) return;
    const KeyAction action = held == key ? KeyAction::Repeat : KeyAction::Press;
    held = key;
    out.push_back(win32KeyEvent(key, action, mods, now));
}

std::int64_t KeyDecoder::deadline() const {
    switch (state) {
    case State::Ground: return -1;
    case State::Escape: return since + escapeTimeoutMs;
    default: return since + sequenceTimeoutMs;
    }
}

void KeyDecoder::expire(std::int64_t now, std::vector<InputEvent>& out) {
    const std::int64_t due = deadline();
    if (due < 0 || now < due) return;
    if (state == State::Escape) out.push_back(keyEvent(27, KeyAction::Press, 0, true, since));
    state = State::Ground;
    params.clear();
}
