#include "console/key_bindings.h"

#include <algorithm>
#include <cctype>

#include "console/keys.h"

namespace {

struct Action {
    const char* name;
    int gameKey;
    std::vector<int> defaults;
};

const Action actions[KeyBindings::actionCount] = {
    {"up", VK::Up, {VK::Up, 'K', 'W'}},       {"down", VK::Down, {VK::Down, 'J', 'S'}},
    {"left", VK::Left, {VK::Left, 'H', 'A'}}, {"right", VK::Right, {VK::Right, 'L', 'D'}},
    {"choose", VK::Enter, {VK::Enter}},       {"back", VK::Escape, {VK::Escape}},
    {"help", VK::F1, {VK::F1, VK::Question}},
};

// The keys with a name of more than one letter (the letters name themselves).
const struct {
    const char* name;
    int key;
} namedKeys[] = {{"Left", VK::Left},   {"Right", VK::Right},   {"Up", VK::Up}, {"Down", VK::Down},
                 {"Enter", VK::Enter}, {"Escape", VK::Escape}, {"F1", VK::F1}, {"?", VK::Question}};

std::string lowered(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// The key a name stands for, 0 for none.
int keyNamed(const std::string& name) {
    if (name.size() == 1 && std::isalpha(static_cast<unsigned char>(name[0])))
        return std::toupper(static_cast<unsigned char>(name[0]));
    for (const auto& k : namedKeys)
        if (lowered(name) == lowered(k.name)) return k.key;
    return 0;
}

std::string nameOf(int key) {
    for (const auto& k : namedKeys)
        if (k.key == key) return k.name;
    return std::string(1, static_cast<char>(std::tolower(key)));
}

bool typesAmounts(int key) { return key == VK::Backspace || (key >= VK::Digit0 && key <= VK::Digit9); }

}  // namespace

KeyBindings::KeyBindings() {
    for (std::size_t i = 0; i < keys.size(); ++i) keys[i] = actions[i].defaults;
}

int KeyBindings::gameKey(int key) const {
    if (typesAmounts(key)) return key;
    for (std::size_t i = 0; i < keys.size(); ++i)
        if (std::find(keys[i].begin(), keys[i].end(), key) != keys[i].end()) return actions[i].gameKey;
    return 0;
}

void KeyBindings::bind(std::size_t action, const std::vector<int>& chosen) {
    // A key belongs to one action: the line that names it takes it from the others.
    for (auto& others : keys)
        others.erase(
            std::remove_if(others.begin(), others.end(),
                           [&](int k) { return std::find(chosen.begin(), chosen.end(), k) != chosen.end(); }),
            others.end());
    keys[action] = chosen;
}

// Binds one line; the reason it cannot be read, or "".
std::string KeyBindings::readLine(const std::string& raw) {
    const std::string line = trimmed(raw.substr(0, raw.find('#')));
    if (line.empty()) return "";
    const auto equals = line.find('=');
    if (equals == std::string::npos) return "no '=' after the action";
    const std::string name = lowered(trimmed(line.substr(0, equals)));
    const auto action =
        std::find_if(std::begin(actions), std::end(actions), [&](const Action& a) { return name == a.name; });
    if (action == std::end(actions)) return "\"" + name + "\" is no action";
    std::vector<int> chosen;
    std::string rest = line.substr(equals + 1);
    for (std::size_t start = 0; start <= rest.size();) {
        const auto comma = std::min(rest.find(',', start), rest.size());
        const std::string keyName = trimmed(rest.substr(start, comma - start));
        const int key = keyNamed(keyName);
        if (key == 0) return keyName.empty() ? "a key is missing" : "\"" + keyName + "\" is no key";
        chosen.push_back(key);
        start = comma + 1;
    }
    bind(static_cast<std::size_t>(action - std::begin(actions)), chosen);
    return "";
}

std::vector<std::string> KeyBindings::read(const std::string& text, const std::string& fileName) {
    std::vector<std::string> problems;
    int number = 0;
    for (std::size_t start = 0; start < text.size();) {
        const auto end = std::min(text.find('\n', start), text.size());
        ++number;
        const std::string why = readLine(text.substr(start, end - start));
        if (!why.empty())
            problems.push_back(fileName + " line " + std::to_string(number) + ": " + why + "; defaults kept");
        start = end + 1;
    }
    return problems;
}

std::string KeyBindings::keysOf(int gameKey) const {
    std::string names;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (actions[i].gameKey != gameKey) continue;
        for (int key : keys[i]) names += (names.empty() ? "" : ", ") + nameOf(key);
    }
    return names;
}

std::vector<std::string> KeyBindings::lines() const {
    std::vector<std::string> out;
    for (const Action& a : actions) out.push_back(std::string(a.name) + " = " + keysOf(a.gameKey));
    return out;
}

KeyBindings& keyBindings() {
    static KeyBindings inForce;
    return inForce;
}

std::vector<std::string>& keyFileProblems() {
    static std::vector<std::string> problems;
    return problems;
}
