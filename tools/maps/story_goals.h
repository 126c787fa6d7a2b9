#pragma once
// The whole story as a person plays it, as goals for the player made of code:
// a new game from the title menu, every mail read at a cafe, each flight
// booked at a counter, every objective walked to, money earned in bar fights
// and spent on the doctor, medkits, a weapon and tickets, a game saved and
// loaded again, the final fight and the credits.

#include "tools/maps/story_player.h"

namespace maptools {

// What the story noted on its way, for those who check it.
struct StoryNotes {
    int savedMoney = -1;      // the cash when the game was saved
    int moneyAfterLoad = -1;  // the cash once that game was loaded again
};

// Gives the player every goal of the story, from the title menu (startUp) on.
void addWholeStory(StoryPlayer& player, GameState& state, StoryNotes& notes);

}  // namespace maptools
