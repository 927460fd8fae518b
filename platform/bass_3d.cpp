// 3D placement: the distance, roll-off and Doppler factors and the positions
// of 3D streams, kept pending until BASS_Apply3D pushes them to OpenAL.
//
// Distance attenuation is OpenAL's inverse distance clamped at one unit:
// gain = 1 / (1 + rolloff * (distance - 1)) beyond one unit, 1 within it.
#include "platform/bass_internal.h"

namespace bass_al {

namespace {

constexpr float kSpeedOfSound = 343.3f;  // m/s

// The open output, or null with BASS_ERROR_INIT or BASS_ERROR_NO3D.
Output* output3D() {
    Output* out = openOutput();
    if (out && !out->has3D) {
        setError(BASS_ERROR_NO3D);
        return nullptr;
    }
    return out;
}

// The 3D stream behind a handle, or null with the error code set.
Stream* find3D(std::uint32_t handle) {
    Stream* s = findStream(handle);
    if (s && !s->is3D) {
        setError(BASS_ERROR_NO3D);
        return nullptr;
    }
    return s;
}

void applyFactors(const Factors& f) {
    alSpeedOfSound(kSpeedOfSound / f.distance);  // in units per second
    alDopplerFactor(f.doppler);
}

}  // namespace

void applyPlace(Stream& s, const Factors& factors) {
    alSourcef(s.source, AL_ROLLOFF_FACTOR, factors.rolloff);
    setVector(s.source, AL_POSITION, s.place.position);
    setVector(s.source, AL_DIRECTION, s.place.orientation);
    setVector(s.source, AL_VELOCITY, s.place.velocity);
    s.placePending = false;
}

}  // namespace bass_al

using namespace bass_al;

bool BASS_Set3DFactors(float distanceFactor, float rolloffFactor, float dopplerFactor) {
    std::lock_guard lock(library().mutex);
    Output* out = output3D();
    if (!out) return false;
    Factors& f = out->pendingFactors;
    if (distanceFactor > 0) f.distance = distanceFactor;
    if (rolloffFactor >= 0) f.rolloff = rolloffFactor;
    if (dopplerFactor >= 0) f.doppler = dopplerFactor;
    out->factorsPending = true;
    return clearError();
}

bool BASS_ChannelSet3DPosition(std::uint32_t handle, const BASS_3DVECTOR* position,
                               const BASS_3DVECTOR* orientation, const BASS_3DVECTOR* velocity) {
    std::lock_guard lock(library().mutex);
    Stream* s = find3D(handle);
    if (!s) return false;
    if (position) s->place.position = *position;
    if (orientation) s->place.orientation = *orientation;
    if (velocity) s->place.velocity = *velocity;
    s->placePending = true;
    return clearError();
}

bool BASS_ChannelGet3DPosition(std::uint32_t handle, BASS_3DVECTOR* position,
                               BASS_3DVECTOR* orientation, BASS_3DVECTOR* velocity) {
    std::lock_guard lock(library().mutex);
    const Stream* s = find3D(handle);
    if (!s) return false;
    if (position) *position = s->place.position;
    if (orientation) *orientation = s->place.orientation;
    if (velocity) *velocity = s->place.velocity;
    return clearError();
}

bool BASS_Apply3D() {
    std::lock_guard lock(library().mutex);
    Output* out = output3D();
    if (!out) return false;
    const bool factorsChanged = out->factorsPending;
    if (factorsChanged) {
        out->factors = out->pendingFactors;
        out->factorsPending = false;
        applyFactors(out->factors);
    }
    for (auto& [handle, s] : out->streams) {
        if (s->is3D && (s->placePending || factorsChanged)) applyPlace(*s, out->factors);
    }
    return clearError();
}
