#pragma once
// Thrown by a screen that ends the program (the Quit options of the title,
// pause and game-over menus). main catches it, after everything on the way
// has been unwound and the terminal restored, and ends with status 0.

struct QuitGame {};
