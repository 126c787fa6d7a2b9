#pragma once
// The player's own keys. Each action of the game (walk or move a highlight
// up, down, left, right; choose; back; help) is polled as one virtual key
// (console/keys.h); the keys of the keyboard that stand for it are the
// player's to choose. The hosts pass every key they decode through
// gameKey() before the key state sees it, so the screens never know which
// key was pressed. Digits and Backspace always stay themselves: they type
// amounts.

#include <array>
#include <string>
#include <vector>

class KeyBindings {
public:
    static constexpr int actionCount = 7;

    // The built-in keys: the arrows with h j k l and W A S D, Enter, Escape,
    // F1 and '?'.
    KeyBindings();

    // The virtual key the game polls for a key of the keyboard: its action's
    // key, the key itself for digits and Backspace, 0 for a key bound to nothing.
    int gameKey(int key) const;

    // Reads the text of a keys file ("left = h, a, Left" a line; '#' starts a
    // comment). A line that cannot be read leaves its action as it was and is
    // reported as "FILE line N: why"; the reports are returned.
    std::vector<std::string> read(const std::string& text, const std::string& fileName);

    // The bindings in force, one action a line as the file writes them.
    std::vector<std::string> lines() const;
    // The keys of the action polled as that virtual key ("Left, h, a"), "" for none.
    std::string keysOf(int gameKey) const;

private:
    std::string readLine(const std::string& line);
    void bind(std::size_t action, const std::vector<int>& keys);

    std::array<std::vector<int>, actionCount> keys;
};

// The bindings in force in this program.
KeyBindings& keyBindings();
// What was wrong with the keys file, for the title screen to show.
std::vector<std::string>& keyFileProblems();
