// Sound test helpers: WAV files built byte by byte, OpenAL Soft pointed at a
// driver (its WAV writer, or none), and levels measured on what it wrote,
// read back by hand rather than through the decoder under test.
#pragma once

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace testing_support {

inline void putLE(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(char((value >> (8 * i)) & 0xFF));
}

// A 16-bit PCM WAV holding a sine of `hz` in every channel.
inline std::string toneWav(double hz, double seconds, int rate, int channels = 1, double amplitude = 0.5) {
    const auto frames = std::uint32_t(seconds * rate);
    const std::uint32_t dataBytes = frames * std::uint32_t(channels) * 2;
    std::string wav = "RIFF";
    putLE(wav, 36 + dataBytes, 4);
    wav += "WAVEfmt ";
    putLE(wav, 16, 4);
    putLE(wav, 1, 2);  // PCM
    putLE(wav, std::uint32_t(channels), 2);
    putLE(wav, std::uint32_t(rate), 4);
    putLE(wav, std::uint32_t(rate * channels * 2), 4);
    putLE(wav, std::uint32_t(channels * 2), 2);
    putLE(wav, 16, 2);
    wav += "data";
    putLE(wav, dataBytes, 4);
    for (std::uint32_t i = 0; i < frames; ++i) {
        const double v = amplitude * std::sin(2 * M_PI * hz * i / rate);
        for (int c = 0; c < channels; ++c) putLE(wav, std::uint32_t(std::int16_t(std::lround(v * 32767))), 2);
    }
    return wav;
}

// Interleaved samples of a 16-bit PCM WAV file, scaled to -1..1.
struct Recording {
    int channels = 0;
    int rate = 0;
    std::vector<float> samples;

    double seconds() const { return channels ? double(samples.size()) / channels / rate : 0; }
    // When the first sound starts: the output runs from the device's opening.
    double onset() const {
        std::size_t i = 0;
        while (i < samples.size() && std::fabs(samples[i]) < 0.01f) ++i;
        return channels ? double(i / std::size_t(channels)) / rate : 0;
    }
    // Root mean square of one channel (or, with -1, of all) from `from` to `to` seconds.
    double rms(double from, double to, int channel = -1) const {
        double sum = 0;
        std::size_t n = 0;
        const auto last = std::size_t(to * rate);
        for (auto f = std::size_t(from * rate); f < last && (f + 1) * channels <= samples.size(); ++f) {
            for (int c = 0; c < channels; ++c) {
                if (channel >= 0 && c != channel) continue;
                sum += double(samples[f * channels + c]) * samples[f * channels + c];
                ++n;
            }
        }
        return n ? std::sqrt(sum / double(n)) : 0;
    }
    // Sign changes of one channel between the two times.
    int zeroCrossings(double from, double to, int channel = 0) const {
        int count = 0;
        const auto at = [&](std::size_t f) { return samples[f * channels + std::size_t(channel)]; };
        for (auto f = std::size_t(from * rate) + 1; f < std::size_t(to * rate); ++f) {
            if ((at(f - 1) < 0) != (at(f) < 0)) ++count;
        }
        return count;
    }
};

inline std::uint32_t getLE(const std::string& bytes, std::size_t at, int n) {
    std::uint32_t v = 0;
    for (int i = n - 1; i >= 0; --i) v = (v << 8) | std::uint8_t(bytes[at + std::size_t(i)]);
    return v;
}

// Reads the WAV writer's output: the fmt chunk's channels, rate and 16 bits,
// and the data chunk up to the end of the file.
inline Recording readWav(const std::string& path) {
    const std::string bytes = readFile(path);
    Recording r;
    if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0) return r;
    for (std::size_t at = 12; at + 8 <= bytes.size();) {
        const std::string id = bytes.substr(at, 4);
        const std::size_t size = getLE(bytes, at + 4, 4);
        if (id == "fmt " && at + 24 <= bytes.size()) {
            r.channels = int(getLE(bytes, at + 10, 2));
            r.rate = int(getLE(bytes, at + 12, 4));
            EXPECT_EQ(getLE(bytes, at + 22, 2), 16u) << "sample bits in " << path;
        } else if (id == "data") {
            for (std::size_t p = at + 8; p + 2 <= bytes.size(); p += 2) {
                r.samples.push_back(float(std::int16_t(getLE(bytes, p, 2))) / 32768.0f);
            }
            return r;
        }
        at += 8 + size + (size & 1);
    }
    return r;
}

// Makes OpenAL Soft use only the named driver.
inline void useAudioDriver(const char* name) { setenv("ALSOFT_DRIVERS", name, 1); }

// Makes OpenAL Soft write its stereo 16-bit 44.1 kHz output, undithered, to `wav`, through
// a configuration file in the current folder. Returns the file's path.
inline std::string useWaveWriter(const std::string& wav = "out.wav") {
    const std::string path = (std::filesystem::current_path() / wav).string();
    writeFile("alsoft.ini",
              "[general]\nfrequency = 44100\nchannels = stereo\nsample-type = int16\ndither = false\n"
              "[wave]\nfile = " + path + "\n");
    setenv("ALSOFT_CONF", (std::filesystem::current_path() / "alsoft.ini").c_str(), 1);
    useAudioDriver("wave");
    return path;
}

}  // namespace testing_support
