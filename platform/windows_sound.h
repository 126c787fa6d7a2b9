#pragma once
// The sound device of the Windows multimedia library (winmm): a wave file
// streamed from the disk through a short chain of waveOut buffers, looped
// without a gap, in the file's own format. Silent on a machine without a wave
// output device.

#include <memory>

#include "platform/music_device.h"

std::unique_ptr<SoundDevice> makeWinmmSoundDevice();
