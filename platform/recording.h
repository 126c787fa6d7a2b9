#pragma once
// drifter --record FILE: what the game sends to the terminal is also kept in
// FILE as an asciicast (platform/asciicast.h) that asciinema plays.

#include <string>

// Starts the recording before the terminal is set up; false, with the reason
// in why, when the file cannot be made (or there is no terminal to record,
// on the Windows console or in a browser page).
bool startRecording(const std::string& file, std::string& why);
// Ends the recording; the one line saying why it stopped early, "" when it ran to the end.
std::string stopRecording();
