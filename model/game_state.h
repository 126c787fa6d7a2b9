#pragma once
// Everything that lives for the whole run of the game. The exploration loop
// holds one GameState and hands its pieces to the screens it opens; the
// program-wide values with the airport's baggage store (model/game_values.h)
// sit beside it.

#include "console/array.h"
#include "console/text.h"
#include "model/game_values.h"
#include "model/possessions.h"
#include "model/character.h"
#include "model/enemy.h"
#include "model/map.h"

struct GameState {
    GameState();
    GameState(const GameState&) = delete;
    GameState& operator=(const GameState&) = delete;

    Character player;
    Possessions possessions;
    Array<Map> maps;         // every map, in load order
    Array<String> mapNames;  // mapNames[i] is the name of maps[i]
    Array<Enemy> enemies;    // every enemy that walks on a map
    Map statusPanel;         // only its picture is used: the frame below the map
    int currentMap = 1;      // index into maps of the map the player stands on
};

// A new game: the player at newGameStart (model/city_places.h) with 500 hit points, strength
// and accuracy 10; fresh possessions; the program-wide values and the baggage
// of a new game. The maps and enemies stay as they are.
void resetToNewGame(GameState& state);
