// How keys feel in a terminal that reports no releases: generated keyboard
// and link timings replayed through the game's key state, polled as the
// exploration loop (a step per 90 ms tick while the held view is true) and
// the menus (the press view every 75 ms) poll it, in virtual time.
//
// For each keyboard (repeat delay, rate) and link (lag per event), it prints:
// tiles walked per tap; the most tiles walked after a release; ticks of a
// hold that did not walk once the keyboard repeats; menu presses lost and
// doubled; the latest a press acted after it was made.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <random>
#include <vector>

#include "console/keys.h"
#include "platform/key_state.h"

namespace {

constexpr std::int64_t tickMs = 90;
constexpr std::int64_t menuPollMs = 75;

struct Keyboard {
    std::int64_t delay;
    std::int64_t every;
};

// A key event: when the finger made it and when the link delivered it.
struct Sent {
    std::int64_t made;
    std::int64_t delivered;
    bool press;  // a finger's press, not an auto-repeat
};

class Link {
public:
    Link(std::int64_t lag, unsigned seed) : maxLag(lag), random(seed) {}
    // The events of a tap (at) or of a hold of `length` ms from at.
    void key(std::vector<Sent>& out, std::int64_t at, std::int64_t length, const Keyboard& k) {
        send(out, at, true);
        for (std::int64_t t = at + k.delay; t < at + length; t += k.every) send(out, t, false);
    }

private:
    void send(std::vector<Sent>& out, std::int64_t made, bool press) {
        std::int64_t delivered = made + std::uniform_int_distribution<std::int64_t>(0, maxLag)(random);
        // A link keeps the order: a late event holds back the ones behind it.
        if (!out.empty()) delivered = std::max(delivered, out.back().delivered);
        out.push_back(Sent{made, delivered, press});
    }
    std::int64_t maxLag;
    std::mt19937 random;
};

// The moments a view saw the key, polling every `every` ms over the events.
std::vector<std::int64_t> replay(const std::vector<Sent>& events, bool menu, std::int64_t until) {
    KeyState keys;
    std::vector<std::int64_t> seen;
    std::size_t next = 0;
    for (std::int64_t t = 0; t <= until; t += menu ? menuPollMs : tickMs) {
        for (; next < events.size() && events[next].delivered <= t; ++next) {
            InputEvent e;
            e.key = VK::Right;
            e.time = events[next].delivered;
            e.legacy = true;
            keys.record(e);
        }
        if (menu ? keys.pressed(VK::Right, t) : keys.held(VK::Right, t)) seen.push_back(t);
    }
    return seen;
}

std::int64_t countIn(const std::vector<std::int64_t>& seen, std::int64_t from, std::int64_t to) {
    return std::count_if(seen.begin(), seen.end(), [=](std::int64_t t) { return t >= from && t < to; });
}

struct Feel {
    double tilesPerTap = 0;
    std::int64_t overshoot = 0;
    std::int64_t stalls = 0;
    std::int64_t lost = 0;
    std::int64_t doubled = 0;
    std::int64_t latest = 0;
};

// Menu presses: each finger press should act once before the next one.
void judgeMenu(const std::vector<Sent>& events, const std::vector<std::int64_t>& seen, Feel& f) {
    std::vector<std::int64_t> presses;
    for (const Sent& s : events)
        if (s.press) presses.push_back(s.made);
    for (std::size_t i = 0; i < presses.size(); ++i) {
        const std::int64_t end = i + 1 < presses.size() ? presses[i + 1] : presses[i] + 5000;
        const auto acted = std::find_if(seen.begin(), seen.end(), [&](std::int64_t t) { return t >= presses[i]; });
        const std::int64_t n = countIn(seen, presses[i], end);
        if (n == 0) ++f.lost;
        if (n > 1) f.doubled += n - 1;
        if (n > 0 && acted != seen.end()) f.latest = std::max(f.latest, *acted - presses[i]);
    }
}

// Taps, holds and menu presses on one keyboard and link.
Feel measure(const Keyboard& k, std::int64_t maxLag, unsigned seed, bool history) {
    Feel f;
    std::mt19937 random(seed);
    auto between = [&random](std::int64_t low, std::int64_t high) {
        return std::uniform_int_distribution<std::int64_t>(low, high)(random);
    };
    // Taps 400 ms apart in the streets.
    std::vector<Sent> taps;
    Link tapLink(maxLag, seed);
    for (int i = 0; i < 20; ++i) tapLink.key(taps, 1000 + 400 * i, 0, k);
    f.tilesPerTap = static_cast<double>(replay(taps, false, 20000).size()) / 20.0;
    // Holds of different lengths: tiles after the release, stalls while repeating.
    for (int i = 0; i < 20; ++i) {
        std::vector<Sent> hold;
        Link holdLink(maxLag, seed + static_cast<unsigned>(i));
        const std::int64_t length = k.delay + 1000 + 37 * i;
        holdLink.key(hold, 1000, length, k);
        const std::int64_t lastRepeat = hold.back().made;
        const std::int64_t release = lastRepeat + k.every / 2;
        const std::vector<std::int64_t> seen = replay(hold, false, 10000);
        f.overshoot = std::max(f.overshoot, countIn(seen, release, 100000));
        for (std::int64_t t = 1000 + k.delay + 2 * k.every + maxLag + tickMs; t < lastRepeat; t += tickMs)
            f.stalls += countIn(seen, t, t + tickMs) == 0 ? 1 : 0;
    }
    // Menu: presses 200-800 ms apart and holds, or a random 30 s history.
    std::vector<Sent> menu;
    Link menuLink(maxLag, seed);
    for (std::int64_t t = 1000; t < 31000;) {
        const bool hold = history ? between(0, 2) == 0 : between(0, 5) == 0;
        const std::int64_t length = hold ? between(k.delay + 100, k.delay + 2000) : 0;
        menuLink.key(menu, t, length, k);
        t += length + (history ? between(200, 1500) : between(200, 800));
    }
    judgeMenu(menu, replay(menu, true, 40000), f);
    return f;
}

void row(const char* label, const Keyboard& k, std::int64_t lag, bool history) {
    Feel worst;
    for (unsigned seed = 1; seed <= 10; ++seed) {
        const Feel f = measure(k, lag, seed, history);
        worst.tilesPerTap = std::max(worst.tilesPerTap, f.tilesPerTap);
        worst.overshoot = std::max(worst.overshoot, f.overshoot);
        worst.stalls += f.stalls;
        worst.lost += f.lost;
        worst.doubled += f.doubled;
        worst.latest = std::max(worst.latest, f.latest);
    }
    std::printf("| %-22s | %4lld ms %2lld/s | %5lld ms | %8.2f | %9lld | %6lld | %5lld | %7lld | %6lld ms |\n",
                label, static_cast<long long>(k.delay), static_cast<long long>((1000 + k.every / 2) / k.every),
                static_cast<long long>(lag), worst.tilesPerTap, static_cast<long long>(worst.overshoot),
                static_cast<long long>(worst.stalls), static_cast<long long>(worst.lost),
                static_cast<long long>(worst.doubled), static_cast<long long>(worst.latest));
}

}  // namespace

int main() {
    std::printf(
        "Key feel without releases (10 seeds each; worst tiles/tap and overshoot, summed stalls and menu "
        "errors):\n");
    std::printf("| %-22s | %-13s | %-8s | %-8s | %-9s | %-6s | %-5s | %-7s | %-9s |\n", "timing", "keyboard", "lag",
                "tile/tap", "overshoot", "stalls", "lost", "doubled", "latest");
    const Keyboard keyboards[] = {{250, 33}, {500, 33}, {660, 40}, {1000, 91}};
    for (const Keyboard& k : keyboards) row("regular repeat", k, 0, false);
    for (const Keyboard& k : keyboards) row("0-300 ms random lag", k, 300, false);
    for (const Keyboard& k : keyboards) row("random 30 s history", k, 0, true);
    for (const Keyboard& k : keyboards) row("history, 0-300 ms lag", k, 300, true);
    return 0;
}
