#pragma once
// Play that ends without the player choosing to quit: the terminal closed or
// hung up, a shutdown, Ctrl+C, the Windows console closed. The host that
// notices it keeps the game in play first, from the main loop, then throws
// PlayInterrupted; main lets the program end as the interruption would have
// ended it. (The player's own way out is QuitGame, console/quit.h.)

#include <string>

struct PlayInterrupted {
    int cause;            // the system's number for it: a signal, a console control event
    std::string failure;  // why the game in play could not be kept, or empty
};

// What keeps the game in play; the game installs one while a game is in play
// and removes it (nullptr) afterwards. It returns why it failed, or an empty text.
using GameKeeper = std::string (*)();
void setGameKeeper(GameKeeper keeper);

// Keeps the game in play as the interrupted game, once: any host may call it
// when play is about to end (a terminal's hang-up, a console's close event).
// Nothing when no game is in play. Why it failed, or an empty text.
std::string keepGameInPlay();

// Keeps the game in play as the interrupted game and lets play go on: a web
// page that was left may yet be shown again. False when no game is in play;
// otherwise failure tells why it could not be kept, or is empty.
bool keepGameInPlaySoFar(std::string& failure);
