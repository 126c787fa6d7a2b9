// Play bytes: a saved game that loads is played for a few ticks on the shipped
// maps. Whatever the file held and whatever keys follow, a tick ends in one
// of the ways play can end: the keys run out, or the player quits.

#include <algorithm>

#include "console/headless.h"
#include "console/host.h"
#include "console/keys.h"
#include "console/quit.h"
#include "fuzz/fuzz_checks.h"
#include "fuzz/scratch.h"
#include "fuzz/slot_loading.h"
#include "model/enemy.h"
#include "model/game_state.h"
#include "screens/exploration_loop.h"

namespace {

constexpr int maxTicks = 40;  // 3.6 s of play, ending sooner when the keys run out
constexpr std::size_t maxKeys = 64;

// The keys a byte can stand for: the arrows alone and in pairs, Enter,
// Escape and a pause with no key down.
struct KeyChoice {
    int first;
    int second;
};
constexpr KeyChoice keyChoices[] = {{VK::Left, 0},       {VK::Right, 0},       {VK::Up, 0},
                                    {VK::Down, 0},       {VK::Enter, 0},       {VK::Escape, 0},
                                    {VK::Up, VK::Right}, {VK::Down, VK::Left}, {0, 0}};
constexpr std::size_t choiceCount = sizeof(keyChoices) / sizeof(keyChoices[0]);

// One step per byte: the key from the byte modulo the choices, held for
// 30 ms and more by the rest of the byte.
void scriptKeys(const std::string& bytes, HeadlessHost& keys) {
    for (std::size_t i = 0; i < std::min(bytes.size(), maxKeys); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        const KeyChoice& k = keyChoices[b % choiceCount];
        const int ms = 30 + static_cast<int>(b / choiceCount) * 10;
        if (k.first == 0) keys.pause(ms);
        else if (k.second == 0) keys.hold(k.first, ms);
        else keys.hold({k.first, k.second}, ms);
    }
}

// The world of a game that starts: the shipped maps, their Bounty Hunters.
GameState& freshState() {
    static GameState state;
    if (state.maps.size() == 0) {
        state.maps = shippedWorld().maps;
        state.mapNames = shippedWorld().mapNames;
        state.statusPanel = shippedWorld().statusPanel;
    }
    resetToNewGame(state);
    state.enemies.clear();
    // Each enemy seeds the numbers from the clock: a clock of its own starts at 0 every time.
    HeadlessHost clock;
    HostInUse inUse(&clock);
    spawnBountyHunters(state.maps, state.enemies);
    return state;
}

}  // namespace

void checkPlayBytes(const std::string& bytes) {
    const std::size_t end = std::min(bytes.find('\0'), bytes.size());
    GameState& state = freshState();
    if (!loadSlotOne(bytes.substr(0, end), state.possessions, state.player, state.currentMap)) return;

    HeadlessHost keys;
    scriptKeys(end < bytes.size() ? bytes.substr(end + 1) : std::string(), keys);
    keys.setIdleLimit(500);
    HostInUse inUse(&keys);
    InScratchFolder here;  // the cafe's save screen writes below it
    withoutFault("play", [&] {
        try {
            for (int tick = 0; tick < maxTicks; ++tick) explorationTick(state);
        } catch (const ScriptEnded&) {
        } catch (const QuitGame&) {}
    });
}
