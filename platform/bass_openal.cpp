// The audio library API over OpenAL Soft.
#include "platform/bass.h"

#include <AL/al.h>
#include <AL/alc.h>

namespace {

struct Device {
    ALCdevice* device = nullptr;
    ALCcontext* context = nullptr;
};

Device& output() {
    static Device d;
    return d;
}

}  // namespace

bool BASS_Stop() {
    if (!output().device) return false;
    alcSuspendContext(output().context);
    return true;
}

bool BASS_Free() {
    Device& d = output();
    if (!d.device) return false;
    alcMakeContextCurrent(nullptr);
    alcDestroyContext(d.context);
    alcCloseDevice(d.device);
    d = Device{};
    return true;
}
