// Background music and positional sound over the audio library.
#pragma once

// Stops all output.
void stopSound();
// Releases the audio library.
void killSound();
