// Windows: the system's audio layer writes nothing to standard error.
#include "platform/bass_internal.h"

namespace bass_al {

void quietSystemAudioErrors() {}

}  // namespace bass_al
