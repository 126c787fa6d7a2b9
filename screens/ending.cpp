#include "screens/ending.h"

#include <iostream>
#include <string>
#include <vector>

#include "console/console.h"
#include "console/music.h"

namespace {

constexpr int narration = 15;  // white
constexpr int speech = 8;      // dark grey

// One line of the scene: its colour, its text, whether a blank line follows,
// and whether the player presses Enter after it.
struct SceneLine {
    int colour;
    const char* text;
    bool blank;
    bool waitAfter;
};

const SceneLine scene[] = {
    {narration, "Gates has passed out from blood loss...", true, true},
    {narration, "News crews bust in the door, followed by paramedics.", true, true},
    {narration, "The news crews are frantically asking questions...", true, true},
    {speech,
     "You:       Don't worry, I believe in this country. It will be restored to\n"
     "           its previous democratic state!",
     false, false},
    {speech, "You:       What's Gates condition?", true, true},
    {speech, "Paramedic: He's critical but he should make a full recovery.", true, true},
    {narration, "You grab Gates by the head, and drag him into the center of the room.", true, true},
    {speech, "You:       This is what happens to traitors to the United States.", true, false},
    {narration, "You shoot Gates in the head...", true, true},
    {speech,
     "You:       I am employing a $1,000,000 bounty on all MacroCorp employees,\n"
     "           who remain loyal to Gates.",
     false, false},
    {speech, "You:       Have a nice day...", false, true},
};

// A credits screen: a role and the person who held it (or the thanks).
struct Credit {
    int holdMs;
    std::vector<std::string> lines;
};

// The name placed so that its middle stands under the middle of the role.
std::string centredUnder(const std::string& role, const std::string& name) {
    const std::size_t roleStart = role.find_first_not_of(' ');
    const std::size_t middleTwice = 2 * roleStart + (role.size() - roleStart);
    const std::size_t start = (middleTwice - name.size()) / 2;
    return std::string(start, ' ') + name;
}

Credit role(const char* title, const char* person) { return {3000, {title, centredUnder(title, person)}}; }

std::vector<Credit> credits() {
    return {
        {3000, {"                                    THE END"}},
        {3000, {"                                    CREDITS"}},
        role("                                    PRODUCER", "Marta Okonkwo"),
        role("                                    DESIGNER", "Hal Brennick"),
        role("                                TECHNICAL DIRECTOR", "Ines Valcourt"),
        role("                                  PRODUCT MANAGER", "Tobias Ferrante"),
        role("                                    ART DIRECTOR", "Yuki Ashdown"),
        role("                                        MUSIC", "Rolf Kettering"),
        role("                                       TESTER", "Dana Mirsky"),
        {4000,
         {"                                       THANKS", "                                       Coffee",
          "                                      Caffeine", "                                     Extensions"}},
    };
}

// Fades one screen in and out; the five line-feed entries put its first line
// on row 10. Escape skips it.
void fadeCredit(const Credit& credit) {
    std::vector<const char*> lines(5, "\n");
    for (const std::string& line : credit.lines) lines.push_back(line.c_str());
    lines.push_back(nullptr);
    fadeText(lines.data(), credit.holdMs, 200, VK::Escape);
}

}  // namespace

void endingSequence() {
    clearScreen();
    setColor(0, narration);
    stopSound();
    playMusic(".\\Music\\brighter.wav");
    for (const SceneLine& line : scene) {
        setColor(0, line.colour);
        std::cout << line.text << (line.blank ? "\n\n" : "\n");
        if (line.waitAfter) waitForEnter();
    }
    for (const Credit& credit : credits()) fadeCredit(credit);
}
