#pragma once
// The game kept when play ends without the player choosing to quit (the
// terminal closed or hung up, a shutdown, Ctrl+C: console/interruption.h): it
// is written to save\interrupted.sav in the saved-game format, and the load
// screen offers it back once.

#include <string>

struct GameState;

// The exploration loop's game is in play while this lives: an interruption
// keeps it. The player's own Quit ends play without keeping anything.
class GameInPlay {
public:
    explicit GameInPlay(GameState& state);
    ~GameInPlay();
    GameInPlay(const GameInPlay&) = delete;
    GameInPlay& operator=(const GameInPlay&) = delete;
};

// While this lives, an interruption keeps the game as it stood when it began:
// a battle, a theft or the final fight cannot be taken up again half way, so
// the game before it is kept. Nested ones keep the outermost's game.
class GameBeforeThis {
public:
    GameBeforeThis();
    ~GameBeforeThis();
    GameBeforeThis(const GameBeforeThis&) = delete;
    GameBeforeThis& operator=(const GameBeforeThis&) = delete;

private:
    bool outermost;
};

// Writes the game in play to the interrupted game's file (installed as the
// keeper of console/interruption.h while a game is in play). Why it failed,
// or an empty text; nothing is written when no game is in play.
std::string keepInterruptedGame();
