// The program's sound functions over the audio library (platform/bass.h).
#include "sound/sound.h"

#include "platform/bass.h"
#include "platform/log.h"

#include <cmath>
#include <string>

std::uint32_t soundStream = 0;

namespace {

constexpr double kRadPerDeg = 0.017453292522222223;
// Below this |sin| or |cos| of the source's angle to +z the quotients in
// listenerRelative are 0/0 in the limit and their value is noise.
constexpr double kDegenerate = 1e-6;

// The source's place for the library, one library unit per 100 scene units:
// the offset from the listener turned by the listener's angle to +z. Where
// the angles give no answer (source straight ahead of, behind, beside or on
// the listener, or a zero view direction) the plain offset is used.
BASS_3DVECTOR listenerRelative(Vertex source, Vertex listenerPos, Vertex listenerDir) {
    const Vertex forward = newV(0, 0, 1);
    const Vertex rel = sub(source, listenerPos);
    const float a1 = dotProduct(listenerDir, forward);
    const float a2 = dotProduct(forward, rel);
    const float d = a1 - a2;
    const double sinA2 = std::sin(a2 * kRadPerDeg);
    const double cosA2 = std::cos(a2 * kRadPerDeg);
    if (!std::isfinite(d) || !(std::fabs(sinA2) > kDegenerate) ||
        !(std::fabs(cosA2) > kDegenerate)) {
        return {rel.x / 100, rel.y / 100, rel.z / 100};
    }
    const float s = listenerDir.x >= 0 ? 100.0f : -100.0f;
    return {float(std::sin(-d * kRadPerDeg) * (rel.x / 100) / sinA2), rel.y / 100,
            float(std::cos(d * kRadPerDeg) * (rel.z / s) / cosA2)};
}

// What an error code of the audio library means, for the log.
const char* errorMeaning(int code) {
    switch (code) {
    case BASS_ERROR_FILEOPEN: return "the file cannot be opened";
    case BASS_ERROR_FORMAT: return "not an audio format that can be read";
    case BASS_ERROR_NO3D: return "no 3D sound for this file";
    case BASS_ERROR_EMPTY: return "the file is empty: it holds no sound";
    default: return "the audio library refused it";
    }
}

// Says how music of more than two channels reaches the speakers.
void logChannels(const char* file) {
    BASS_CHANNELINFO info{};
    if (!BASS_ChannelGetInfo(soundStream, &info) || info.chans <= 2) return;
    log_txt("Bass Sound: %s has %u channels, %s", file, unsigned(info.chans),
            info.downmixed ? "down-mixed to stereo" : "played in the device's own format for them");
}

}  // namespace

// The audio layer needs no window, so none is passed.
void initSound() {
    bool opened = BASS_Init(-1, 44100, BASS_DEVICE_3D, nullptr);
    if (!opened && BASS_ErrorGetCode() == BASS_ERROR_NO3D) {
        log_msg("Kein 3D-Sound unterstuetzt! Es wird nur Hintergrundmusik gespielt");
        opened = BASS_Init(-1, 44100, 0, nullptr);
    }
    if (!opened) log_txt("no audio device: running silent");
    BASS_Set3DFactors(0.0001f, 0.6f, -1.0f);
}

void playSound(const char* file, int volume) {
    log_txt("Bass Sound loading and playing: %s", file);
    soundStream = BASS_StreamCreateFile(false, file, 0, 0, 0);
    const int error = BASS_ErrorGetCode();
    if (!soundStream && error != BASS_ERROR_INIT) {  // no device was said at initSound
        const std::string reason = BASS_ErrorGetReason();
        log_txt("Bass Sound: %s is not played (error %i: %s%s%s)", file, error, errorMeaning(error),
                reason.empty() ? "" : ": ", reason.c_str());
    }
    logChannels(file);
    BASS_Start();
    BASS_StreamPlay(soundStream, false, BASS_SAMPLE_LOOP);
    BASS_ChannelSetAttributes(soundStream, -1, volume, -101);
}

void setMusicVolume(int volume) { BASS_ChannelSetAttributes(soundStream, -1, volume, -101); }

void stopSound() { BASS_Stop(); }

void killSound() { BASS_Free(); }

std::uint32_t load3DSound(const char* file) {
    log_txt("Bass Sound loading: %s", file);
    return BASS_StreamCreateFile(false, file, 0, 0, BASS_SAMPLE_3D);
}

void play3DSound(std::uint32_t channel) {
    BASS_Start();
    BASS_StreamPlay(channel, false, BASS_SAMPLE_LOOP);
}

void move3DSound(std::uint32_t channel, float x, float y, float z, float pitch, Vertex listenerPos,
                 Vertex listenerDir) {
    const BASS_3DVECTOR position = listenerRelative(newV(x, y, z), listenerPos, listenerDir);
    BASS_ChannelSetAttributes(channel, int(pitch * 3000 + 9000), -1, -101);
    BASS_ChannelSet3DPosition(channel, &position, nullptr, nullptr);
}

void stop3DSound(std::uint32_t channel) { BASS_ChannelStop(channel); }

void new3DPos() { BASS_Apply3D(); }

float CPUusage() { return BASS_GetCPU(); }
