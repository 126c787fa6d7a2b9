#pragma once
// The sound device of the Windows multimedia library (winmm): PlaySoundW
// loops a wave file straight from the disk. Silent on a machine without a
// wave output device.

#include <memory>

#include "platform/music_device.h"

std::unique_ptr<SoundDevice> makeWinmmSoundDevice();
