// Per-stream attributes: volume as the source's gain, frequency as its pitch
// against the file's own rate, and pan as a place in front of the listener.
#include "platform/bass_internal.h"

#include <cmath>

namespace bass_al {

namespace {

constexpr int kKeepFreq = -1, kKeepVolume = -1, kKeepPan = -101;

// Where a mono stream that is not 3D sits for its pan: on a circle of one
// unit around the listener, from hard left through ahead to hard right.
BASS_3DVECTOR panPosition(int pan) {
    const double angle = pan / 100.0 * std::acos(0.0);
    return {float(std::sin(angle)), 0.0f, float(std::cos(angle))};
}

bool inRange(int value, int keep, int low, int high) {
    return value == keep || (value >= low && value <= high);
}

}  // namespace

void applyAttributes(Stream& s) {
    alSourcef(s.source, AL_GAIN, float(s.volume) / 100.0f);
    alSourcef(s.source, AL_PITCH, float(s.freq) / float(s.rate));
    if (!s.is3D && s.channels == 1) setVector(s.source, AL_POSITION, panPosition(s.pan));
}

}  // namespace bass_al

using namespace bass_al;

bool BASS_ChannelSetAttributes(std::uint32_t handle, int freq, int volume, int pan) {
    std::lock_guard lock(library().mutex);
    Stream* s = findStream(handle);
    if (!s) return false;
    const bool freqOk = freq == 0 || inRange(freq, kKeepFreq, 100, 100000);
    if (!freqOk || !inRange(volume, kKeepVolume, 0, 100) || !inRange(pan, kKeepPan, -100, 100)) {
        return setError(BASS_ERROR_ILLPARAM);
    }
    if (freq != kKeepFreq) s->freq = std::uint32_t(freq == 0 ? s->rate : freq);
    if (volume != kKeepVolume) s->volume = volume;
    if (pan != kKeepPan) s->pan = pan;
    applyAttributes(*s);
    return clearError();
}

bool BASS_ChannelGetAttributes(std::uint32_t handle, std::uint32_t* freq, std::uint32_t* volume,
                               int* pan) {
    std::lock_guard lock(library().mutex);
    const Stream* s = findStream(handle);
    if (!s) return false;
    if (freq) *freq = s->freq;
    if (volume) *volume = std::uint32_t(s->volume);
    if (pan) *pan = s->pan;
    return clearError();
}
