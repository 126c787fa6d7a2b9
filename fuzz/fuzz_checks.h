#pragma once
// What the fuzz targets do with one input each, kept apart from libFuzzer's
// entry so that the test suite can replay the inputs that once failed. Each
// check runs the game's own code on untrusted bytes and throws FuzzFinding
// when the game breaks a promise (an exception no player should meet, a wrong
// answer); the sanitizers catch the rest.

#include <stdexcept>
#include <string>

struct FuzzFinding : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The bytes as a map file: read and checked as at start-up; a map the checks
// accept is walked on, drawn and has an enemy placed on it.
void checkMapBytes(const std::string& bytes);

// The bytes as a saved game in slot 1 and as the interrupted game: listed,
// loaded from the load screen against the shipped maps (the interrupted game
// is then removed), saved again and read back unchanged.
void checkSaveBytes(const std::string& bytes);

// A saved game followed by keys: the part before the first NUL byte is
// loaded as by checkSaveBytes, and a game that loads is played for a few ticks
// of the exploration loop on the shipped maps with the keys the rest encodes.
void checkPlayBytes(const std::string& bytes);

// The bytes as terminal input, fed to the key decoder in pieces read at
// moments the bytes choose, its events taken in by the key state.
void checkKeyBytes(const std::string& bytes);
