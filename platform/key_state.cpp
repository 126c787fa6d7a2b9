#include "platform/key_state.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr std::size_t maxPending = 32;

bool within(std::int64_t v, std::int64_t low, std::int64_t high) { return v >= low && v <= high; }
}  // namespace

std::int64_t KeyState::Learned::at(std::int64_t now) const {
    if (!known) return usual;
    const double age = static_cast<double>(std::max<std::int64_t>(0, now - learnedAt));
    const double kept = std::exp2(-age / static_cast<double>(forgetHalfLifeMs));
    return usual + std::llround(static_cast<double>(value - usual) * kept);
}

void KeyState::Learned::learn(std::int64_t sample, std::int64_t now) {
    value = std::clamp(sample, low, high);
    learnedAt = now;
    known = true;
}

void KeyState::record(const InputEvent& e) {
    if (e.kind != InputEvent::Kind::Key) return;
    if (!exactMode || e.legacy) recordEmulated(e);
    else recordExact(e);
}

void KeyState::recordExact(const InputEvent& e) {
    Slot& s = slot(e.key);
    s.lastEvent = e.time;
    switch (e.action) {
    case KeyAction::Press:
        s.down = true;
        s.pressTaken = false;
        s.pressedAt = e.time;
        addPress(e.key, e.time, 0);
        break;
    case KeyAction::Repeat: s.down = true; break;
    case KeyAction::Release: s.down = false; break;
    }
}

bool KeyState::continuesRun(const Slot& s, std::int64_t gap) const {
    return s.repeating && gap < s.runInterval + repeatMarginMs;
}

bool KeyState::startsRun(const Slot& s, std::int64_t gap) const {
    // The last event came a keyboard's delay after the one before, and this
    // one an interval after it: the last was the first auto-repeat. Clumped
    // events (a link delivering several at once) start no run, and neither
    // does a delay shorter than quick taps: such a keyboard's runs are found
    // by their even gaps alone.
    return within(s.gaps[0], quickTapsMs, maxRepeatDelayMs) &&
           within(gap, minRepeatIntervalMs / 2, maxRepeatIntervalMs);
}

void KeyState::recordEmulated(const InputEvent& e) {
    Slot& s = slot(e.key);
    const std::int64_t gap = e.time - s.lastEvent;
    if (e.action == KeyAction::Release) {
        s.repeating = false;
    } else if (e.action == KeyAction::Repeat || continuesRun(s, gap)) {
        if (!s.repeating) s.runInterval = interval.at(e.time);
        s.repeating = true;
    } else if (startsRun(s, gap)) {
        // The first auto-repeat was taken for a press: withdraw it if no view
        // has taken it yet.
        withdrawPress(e.key, s.lastEvent);
        s.repeating = true;
        s.runInterval = std::clamp(gap, minRepeatIntervalMs, maxRepeatIntervalMs);
        s.runDelay = s.gaps[0];
    } else {
        s.repeating = false;
        s.runDelay = 0;
        // An event just the keyboard's repeat delay after the last one may be
        // the first auto-repeat: it waits to see whether another follows.
        const bool maybeRepeat = delay.known && std::abs(gap - delay.at(e.time)) <= repeatDelayTolerance;
        addPress(e.key, e.time, maybeRepeat ? interval.at(e.time) + repeatMarginMs : 0);
    }
    s.gaps = {gap, s.gaps[0], s.gaps[1]};
    s.lastEvent = e.time;
    learnFromRun(s, e.time);
}

void KeyState::learnFromRun(Slot& s, std::int64_t now) {
    const auto [low, high] = std::minmax_element(s.gaps.begin(), s.gaps.end());
    if (*low < minRepeatIntervalMs || *high > maxRepeatIntervalMs || *high - *low > evenGapsMs) return;
    const std::int64_t mean = (s.gaps[0] + s.gaps[1] + s.gaps[2]) / 3;
    interval.learn(mean, now);
    s.runInterval = interval.at(now);
    s.repeating = true;
    if (s.runDelay > 0) delay.learn(s.runDelay, now);
    s.runDelay = 0;
}

void KeyState::addPress(int key, std::int64_t at, std::int64_t holdBack) {
    pending.push_back(Pending{key, at, at + holdBack});
    if (pending.size() > maxPending) pending.pop_front();
}

void KeyState::withdrawPress(int key, std::int64_t at) {
    for (auto it = pending.begin(); it != pending.end(); ++it)
        if (it->key == key && it->at == at) {
            pending.erase(it);
            return;
        }
}

bool KeyState::waitsItsTurn(std::deque<Pending>::const_iterator press, std::int64_t now) const {
    for (auto it = pending.cbegin(); it != press; ++it)
        if (it->visibleAt <= now) return true;
    return false;
}

bool KeyState::takePress(int key, std::int64_t now, bool evenIfHidden) {
    // Presses come in the order they were made, so the oldest are in front.
    while (!pending.empty() && pending.front().at + pressLifetimeMs < now) pending.pop_front();
    for (auto it = pending.begin(); it != pending.end(); ++it) {
        if (it->key != key) continue;
        if (!evenIfHidden && (it->visibleAt > now || waitsItsTurn(it, now))) return false;
        pending.erase(it);
        slot(key).pressTaken = true;
        return true;
    }
    return false;
}

bool KeyState::physicallyDown(int key, std::int64_t now) const {
    const Slot& s = slot(key);
    if (exactMode && s.down) return true;
    return s.repeating && now - s.lastEvent < s.runInterval + repeatMarginMs;
}

bool KeyState::held(int key, std::int64_t now) {
    if (physicallyDown(key, now)) {
        takePress(key, now, true);  // the press of this same hold
        slot(key).pressTaken = true;
        return true;
    }
    return takePress(key, now, false);
}

bool KeyState::pressed(int key, std::int64_t now) {
    if (takePress(key, now, false)) return true;
    // In exact mode a key that is down is a press under way even when its
    // press is old, as long as no view has taken that press yet.
    Slot& s = slot(key);
    if (!down(key) || s.pressTaken) return false;
    s.pressTaken = true;
    return true;
}

bool KeyState::down(int key) const { return exactMode && slot(key).down; }

void KeyState::screenCleared(std::int64_t now) {
    while (!pending.empty() && pending.front().at <= now) pending.pop_front();
    for (Slot& s : slots)
        if (s.down) s.pressTaken = true;
}

void KeyState::dropPresses(int key, std::int64_t madeBefore) {
    pending.erase(std::remove_if(pending.begin(), pending.end(),
                                 [&](const Pending& p) { return p.key == key && p.at < madeBefore; }),
                  pending.end());
    Slot& s = slot(key);
    if (s.down && s.pressedAt < madeBefore) s.pressTaken = true;
}

void KeyState::releaseAll() {
    for (Slot& s : slots) {
        s.down = false;
        s.repeating = false;
    }
}

void KeyState::forget() {
    for (Slot& s : slots) s = Slot{};
    pending.clear();
}
