#pragma once
// The player the screen tests play: a new game's (at the start in Vancouver
// with 500 of 500 hit points, strength and accuracy 10, a Fist and no money)
// in a world of no maps yet, the music noted. A test hands him weapons and
// items by name.

#include <gtest/gtest.h>

#include <initializer_list>

#include "model/game_state.h"
#include "support/screen_recorder.h"

// Adds the weapons and items of these names, in order; a name that is
// neither, or a thing refused, fails the test.
inline void give(Possessions& owner, std::initializer_list<const char*> names) {
    for (const char* name : names)
        if (!owner.addWeapon(makeWeaponByName(name)) && !owner.addItem(makeItemByName(name)))
            ADD_FAILURE() << "no room for a " << name;
}

// Adds the item named until the bag holds count items.
inline void fillBag(Possessions& owner, int count = Possessions::MaxItems, const char* item = "Medkit") {
    for (int held = owner.itemCount(); held < count; ++held) give(owner, {item});
}

class PlayerTest : public ScreenTest {
protected:
    RecordingMusic music;
    GameState state;
    Character& player = state.player;
    Possessions& possessions = state.possessions;
};
