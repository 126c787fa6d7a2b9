#pragma once
// What each mission asks of the player. The mail that hands a mission out and
// the pause menu's brief that recalls it show the same heading and lines.

struct MissionText {
    const char* heading;
    const char* lines[3];  // the unused ones null
};

// Vancouver, Cape Kennedy, Silicon Valley, Roswell and Washington, in order.
constexpr int missionTextCount = 5;
extern const MissionText missionTexts[missionTextCount];
