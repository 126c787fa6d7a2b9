#pragma once
// From the program's start to the first tick: the splash screens with music,
// the loading screen, the title menu and a new game's introduction.

struct GameState;

// Runs the whole game; returns 0 when the player quits from the title menu
// (the other menus end the program by throwing QuitGame).
int startUp();
// The same on a game state of the caller's (tests look into it afterwards).
int startUp(GameState& state);

void splashScreen();
// Loads the status panel and every map, then places the Bounty Hunters.
void loadingScreen(GameState& state);
// The title menu: a new game with its introduction, a loaded game, or quit.
// False when the player chose to quit.
bool titleMenu(GameState& state);
// The music and the first tick.
[[noreturn]] void enterGame(GameState& state);
