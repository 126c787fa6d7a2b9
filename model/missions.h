#pragma once
// The missions the mail hands out, in the order it sends them: what each asks
// of the player (the mail's text, which the pause menu's brief recalls), what
// its mail hands over, and the mission maps it is played on. A new mission is
// a row here beside its rows of the event script (model/event_rows.h): its
// way in, its goods and its objective.

#include <vector>

class Possessions;

struct MissionText {
    const char* heading;
    const char* lines[3];  // the unused ones null
};

struct Mission {
    int number;                   // missionNumber while it runs
    int mapCount;                 // its maps: "map N-1" .. "map N-mapCount", N its number
    MissionText text;             // the mail's text and the brief
    const char* received[2];      // the mail's lines on what it hands over, the unused one null
    int cash;                     // paid on reading the mail
    void (*goods)(Possessions&);  // handed over on reading the mail, if any
};

// Every mission, in the order the mail sends them.
const std::vector<Mission>& missions();
// The mission the mail sends while missionNumber is number (the first while it
// is 0); null after the last one or for a number no mission has.
const Mission* missionAfter(int number);
// The mission of that number, or null.
const Mission* missionNumbered(int number);
