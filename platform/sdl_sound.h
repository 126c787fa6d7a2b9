#pragma once
// The sound device of SDL2_mixer (only built when SDL2_mixer is present).

#include <memory>

#include "platform/music_device.h"

std::unique_ptr<SoundDevice> makeSdlSoundDevice();
