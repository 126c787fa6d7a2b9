#pragma once
// The sound device of the browser page: the page plays the game's tunes
// through Web Audio, made from their note files by the synthesizer in a
// worker of the page (tools/web/music_worker.*), so no wave file is
// downloaded and the game never waits for a tune. Browsers allow sound only
// after the player's first key: until then, and wherever audio is refused,
// the game plays on in silence.

#include <memory>

#include "platform/music_device.h"

std::unique_ptr<SoundDevice> makeWebSoundDevice();
