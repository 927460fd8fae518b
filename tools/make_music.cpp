// make_music <out.wav>: synthesizes the demo's background music, a slow
// chord progression in A minor (pads, bass, and a plucked arpeggio with an
// echo), as a mono 16-bit 44.1 kHz WAV. scripts/assets.sh encodes it to Ogg.
//
// The piece is 16 whole bars and every note is written modulo its length, so
// what rings past the last bar sounds over the first: played in a loop, the
// end runs into the start like any other bar line.
#include "tools/byte_writer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRate = 44100;
constexpr double kBeat = 60.0 / 90.0;  // s, 90 beats per minute
constexpr int kBeatsPerBar = 4;
constexpr int kBars = 16;
constexpr std::size_t kFrames = std::size_t(kBars * kBeatsPerBar * kBeat * kRate + 0.5);
constexpr double kPeak = 0.6;  // headroom for the lossy encoder

// One chord every two bars: the bass note and three pad notes (MIDI numbers).
struct Chord {
    int bass;
    std::array<int, 3> pad;
};
constexpr std::array<Chord, 8> kChords{{
    {45, {57, 60, 64}},  // Am
    {41, {57, 60, 65}},  // F
    {48, {55, 60, 64}},  // C
    {43, {55, 59, 62}},  // G
    {45, {57, 60, 64}},  // Am
    {41, {57, 60, 65}},  // F
    {50, {57, 62, 65}},  // Dm
    {40, {56, 59, 64}},  // E, leading back to Am
}};

double hz(double midi) { return 440.0 * std::pow(2.0, (midi - 69.0) / 12.0); }

// One period of a tone with the given harmonic amplitudes, looked up with
// linear interpolation.
class Wave {
public:
    explicit Wave(std::vector<double> harmonics) : table(kSize + 1) {
        for (int i = 0; i <= kSize; ++i) {
            double v = 0;
            for (std::size_t h = 0; h < harmonics.size(); ++h) {
                v += harmonics[h] * std::sin(2 * M_PI * double(h + 1) * i / kSize);
            }
            table[std::size_t(i)] = v;
        }
    }
    double at(double phase) const {  // phase in periods, 0 to 1
        const double x = phase * kSize;
        const auto i = std::size_t(x);
        return table[i] + (table[i + 1] - table[i]) * (x - double(i));
    }

private:
    static constexpr int kSize = 4096;
    std::vector<double> table;
};

// Loudness over a note's life: a raised-cosine attack, then `decay` (an
// exponential time constant, 0 for none) until `length`, then a raised-cosine
// release. All times in seconds.
struct Envelope {
    double attack, decay, length, release;
    double total() const { return length + release; }
    double at(double t) const {
        double g = t < attack ? 0.5 - 0.5 * std::cos(M_PI * t / attack) : 1.0;
        if (decay > 0) g *= std::exp(-t / decay);
        if (t > length) g *= 0.5 + 0.5 * std::cos(M_PI * std::min(1.0, (t - length) / release));
        return g;
    }
};

// Adds a note to the loop, wrapping past the end back to the start.
void addNote(std::vector<double>& mix, const Wave& wave, const Envelope& env, double startSeconds,
             double freq, double gain) {
    const auto start = std::size_t(startSeconds * kRate + 0.5);
    const auto frames = std::size_t(env.total() * kRate);
    double phase = 0;
    for (std::size_t k = 0; k < frames; ++k) {
        mix[(start + k) % kFrames] += gain * env.at(double(k) / kRate) * wave.at(phase);
        phase += freq / kRate;
        phase -= std::floor(phase);
    }
}

void addPads(std::vector<double>& mix) {
    const Wave pad({1.0, 0.35, 0.19, 0.12, 0.09, 0.07, 0.05, 0.04});
    const double chordSeconds = 2 * kBeatsPerBar * kBeat;
    const Envelope env{1.2, 0, chordSeconds, 1.8};
    for (std::size_t c = 0; c < kChords.size(); ++c) {
        for (int note : kChords[c].pad) {
            for (double cents : {-6.0, 6.0}) {  // two detuned voices: a slow chorus
                addNote(mix, pad, env, double(c) * chordSeconds, hz(note + cents / 100), 0.07);
            }
        }
    }
}

void addBass(std::vector<double>& mix) {
    const Wave bass({1.0, 0.3, 0.08});
    const Envelope env{0.03, 1.5, 2 * kBeat - 0.1, 0.1};
    for (std::size_t c = 0; c < kChords.size(); ++c) {
        for (int half = 0; half < 4; ++half) {  // half notes over the chord's two bars
            addNote(mix, bass, env, (double(c) * 8 + half * 2) * kBeat, hz(kChords[c].bass), 0.26);
        }
    }
}

// Eighth notes up and down the chord, from an octave above the pad.
void addArpeggio(std::vector<double>& mix) {
    const Wave pluck({1.0, 0.35, 0.12, 0.05});
    const Envelope env{0.004, 0.35, 1.2, 0.3};
    constexpr std::array<int, 8> kPattern{0, 1, 2, 3, 4, 3, 2, 1};
    const double eighth = kBeat / 2;
    for (std::size_t c = 0; c < kChords.size(); ++c) {
        const auto& p = kChords[c].pad;
        const std::array<int, 5> tones{p[0] + 12, p[1] + 12, p[2] + 12, p[0] + 24, p[1] + 24};
        for (int i = 0; i < 16; ++i) {
            const double t = (double(c) * 16 + i) * eighth;
            const double freq = hz(tones[std::size_t(kPattern[std::size_t(i % 8)])]);
            addNote(mix, pluck, env, t, freq, 0.16);
            addNote(mix, pluck, env, t + 3 * eighth, freq, 0.05);  // echo a dotted quarter later
            addNote(mix, pluck, env, t + 6 * eighth, freq, 0.015);
        }
    }
}

std::vector<std::uint8_t> wavFile(const std::vector<double>& mix) {
    const double peak = *std::max_element(mix.begin(), mix.end(), [](double a, double b) {
        return std::fabs(a) < std::fabs(b);
    });
    const double scale = kPeak / std::fabs(peak) * 32767;
    const auto dataBytes = std::uint32_t(mix.size() * 2);
    std::vector<std::uint8_t> out{'R', 'I', 'F', 'F'};
    put32(out, 36 + dataBytes);
    for (char c : {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '}) out.push_back(std::uint8_t(c));
    put32(out, 16);
    put16(out, 1);  // PCM
    put16(out, 1);  // mono
    put32(out, kRate);
    put32(out, kRate * 2);
    put16(out, 2);
    put16(out, 16);
    for (char c : {'d', 'a', 't', 'a'}) out.push_back(std::uint8_t(c));
    put32(out, dataBytes);
    for (double v : mix) put16(out, std::uint16_t(std::int16_t(std::lround(v * scale))));
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_music <out.wav>\n");
        return 2;
    }
    std::vector<double> mix(kFrames, 0.0);
    addPads(mix);
    addBass(mix);
    addArpeggio(mix);
    const std::vector<std::uint8_t> bytes = wavFile(mix);
    std::FILE* f = std::fopen(argv[1], "wb");
    if (!f || std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size() ||
        std::fclose(f) != 0) {
        std::fprintf(stderr, "make_music: cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf("Wrote %s: %zu frames, %.2f s\n", argv[1], kFrames, double(kFrames) / kRate);
    return 0;
}
