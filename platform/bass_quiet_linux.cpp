// Linux: ALSA reports each device it cannot open on standard error.
#include "platform/bass_internal.h"

#include <alsa/asoundlib.h>

namespace bass_al {

namespace {
void ignoreAlsaError(const char*, int, const char*, int, const char*, ...) {}
}  // namespace

void quietSystemAudioErrors() { snd_lib_error_set_handler(ignoreAlsaError); }

}  // namespace bass_al
