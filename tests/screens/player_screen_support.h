#pragma once
// Screens that take the whole game: a new player in Vancouver, run in an
// empty folder so that no saved game is found.

#include "model/possessions.h"
#include "support/screen_recorder.h"
#include "support/temp_folder.h"
#include "model/character.h"
#include "model/map.h"

class PlayerScreenTest : public ScreenTest {
protected:
    ScratchFolder folder;
    Character player{20, 10};
    Possessions possessions;
    Array<Map> maps;
    int currentMap = 1;
};
