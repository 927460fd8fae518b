// How decoded frames reach OpenAL: as 16-bit samples at the file's own level
// (libsndfile reads every encoding as floats in -1..1, so float, double and
// 24-bit files sound as loud as 16-bit ones). Mono and stereo go as they are;
// 4, 6, 7 and 8 channels through OpenAL Soft's multichannel formats where the
// device has them; any other count of 3 to 8 is down-mixed to stereo.
#include "platform/bass_internal.h"

#include <algorithm>
#include <cmath>

namespace bass_al {

namespace {

enum Speaker { FL, FR, FC, LFE, BL, BR, BC, SL, SR };

// The speakers of 3 to 8 channels in the order WAV (WAVE_FORMAT_EXTENSIBLE's
// default mask) and FLAC files keep them; OpenAL's multichannel formats use
// the same order.
const std::vector<Speaker>& layout(int channels) {
    static const std::vector<Speaker> layouts[] = {{FL, FR, FC},
                                                   {FL, FR, BL, BR},
                                                   {FL, FR, FC, BL, BR},
                                                   {FL, FR, FC, LFE, BL, BR},
                                                   {FL, FR, FC, LFE, BC, SL, SR},
                                                   {FL, FR, FC, LFE, BL, BR, SL, SR}};
    return layouts[channels - 3];
}

struct Gains {
    float left, right;
};

// The usual down-mix: centre and surrounds at -3 dB, the LFE channel left out.
Gains gainsOf(Speaker speaker) {
    constexpr float k = 0.70710678f;
    switch (speaker) {
    case FL: return {1, 0};
    case FR: return {0, 1};
    case FC:
    case BC: return {k, k};
    case BL:
    case SL: return {k, 0};
    case BR:
    case SR: return {0, k};
    default: return {0, 0};
    }
}

short toShort(float sample) {
    return short(std::lrint(std::clamp(sample * 32768.0f, -32768.0f, 32767.0f)));
}

}  // namespace

ALenum streamFormat(int channels) {
    if (channels <= 2) return channels == 1 ? AL_FORMAT_MONO16 : AL_FORMAT_STEREO16;
    if (!alIsExtensionPresent("AL_EXT_MCFORMATS")) return 0;
    switch (channels) {
    case 4: return AL_FORMAT_QUAD16;
    case 6: return AL_FORMAT_51CHN16;
    case 7: return AL_FORMAT_61CHN16;
    case 8: return AL_FORMAT_71CHN16;
    default: return 0;
    }
}

int toPcm(const Stream& s, sf_count_t frames, short* out) {
    const float* in = s.decoded.data();
    if (s.format != 0) {
        std::transform(in, in + frames * s.channels, out, toShort);
        return s.channels;
    }
    const std::vector<Speaker>& speakers = layout(s.channels);
    for (sf_count_t frame = 0; frame < frames; ++frame, in += s.channels) {
        float left = 0, right = 0;
        for (int c = 0; c < s.channels; ++c) {
            left += gainsOf(speakers[std::size_t(c)]).left * in[c];
            right += gainsOf(speakers[std::size_t(c)]).right * in[c];
        }
        *out++ = toShort(left);
        *out++ = toShort(right);
    }
    return 2;
}

}  // namespace bass_al
