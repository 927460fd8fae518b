#include "sound/sound.h"

#include "platform/bass.h"

void stopSound() { BASS_Stop(); }

void killSound() { BASS_Free(); }
