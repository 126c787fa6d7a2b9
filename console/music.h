#pragma once
// Background music: one wave file looping at a time.

#include <string>

#include "console/text.h"

// Whatever plays the music. play() returns false when the file cannot be
// played (missing, unreadable, no sound device); the game goes on in silence.
class MusicPlayer {
public:
    virtual ~MusicPlayer() = default;
    virtual bool play(const std::string& path) = 0;
    virtual void stop() = 0;
};

// The player in use; silent until one is installed.
void setMusicPlayer(MusicPlayer* player);
MusicPlayer& musicPlayer();

// Starts the file (a game path such as ".\Music\moody2.wav") looping in the
// background, replacing whatever played. Returns at once.
void playMusic(const String& path);
// Silences whatever plays.
void stopSound();
