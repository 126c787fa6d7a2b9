#pragma once
// The close of the story after Abbott Gates falls: the last scene, line by
// line with Enter between, then "THE END" and the credits faded in and out.

void endingSequence();
