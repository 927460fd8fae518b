// The program's sound functions on OpenAL Soft's WAV writer: the fallback without 3D, and
// what the music sounds like, read back by hand from what the writer recorded
// in real time.
#include "platform/bass_internal.h"
#include "platform/window.h"
#include "sound/sound.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <sndfile.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <thread>
#include <vector>

using namespace testing_support;

// OpenAL Soft reads its configuration once a process, so all tests share one:
// the WAV writer (stereo, 16 bits, 44.1 kHz, undithered) into a file of this
// process, removed at exit with its configuration.
const struct WaveWriter {
    WaveWriter() {
        const char* settings = "[general]\nfrequency = 44100\nchannels = stereo\n"
                               "sample-type = int16\ndither = false\n[wave]\nfile = ";
        writeFile(base + ".ini", settings + base + ".wav\n");
        plat::SetEnvironmentVariable("ALSOFT_CONF", (base + ".ini").c_str());
        plat::SetEnvironmentVariable("ALSOFT_DRIVERS", "wave");
    }
    ~WaveWriter() { std::filesystem::remove_all(folder); }

    std::filesystem::path folder = makeTempFolder("varne-sound-");
    std::string base = (folder / "out").generic_string();
} output;

// A mono 16-bit WAV of a sine of `hz` at amplitude 0.5.
static void writeTone(const char* name, double hz, double seconds, int rate) {
    SF_INFO info{0, rate, 1, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 0, 0};
    std::vector<float> samples(std::size_t(seconds * rate));
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = float(0.5 * std::sin(2 * M_PI * hz * i / rate));
    SNDFILE* file = sf_open(name, SFM_WRITE, &info);
    sf_write_float(file, samples.data(), sf_count_t(samples.size())), sf_close(file);
}

// The left channel of the recording from its first sound on: the output runs from the device's
// opening.
static std::vector<float> recordedLeft() {
    const std::string bytes = readFile(output.base + ".wav");
    std::vector<float> left;
    for (std::size_t at = bytes.find("data") + 8; at + 4 <= bytes.size(); at += 4)
        left.push_back(float(std::int16_t(std::uint8_t(bytes[at]) | bytes[at + 1] << 8)) / 32768);
    left.erase(left.begin(), std::find_if(left.begin(), left.end(),
                                          [](float s) { return std::fabs(s) > 0.01f; }));
    return left;
}

// Root mean square and sign changes of the samples from `from` to `to` seconds.
static std::pair<double, int> measure(const std::vector<float>& s, double from, double to) {
    const std::size_t first = std::size_t(from * 44100),
                      last = std::min(std::size_t(to * 44100), s.size());
    double sum = 0;
    int changes = 0;
    for (std::size_t i = first; i < last; ++i) {
        sum += s[i] * s[i];
        changes += i > first && (s[i - 1] < 0) != (s[i] < 0);
    }
    return {last > first ? std::sqrt(sum / double(last - first)) : 0, changes};
}

class Sound : public testing::Test {
protected:
    void SetUp() override {
        writeTone("mono.wav", 440, 0.1, 22050);
        plat::SetEnvironmentVariable("VARNE_AUDIO_NO3D", nullptr);
        plat::SetEnvironmentVariable("VARNE_MESSAGEBOX", "yes");
    }
    void TearDown() override { killSound(); }

    TempDir dir;
};

TEST_F(Sound, WithoutA3DDeviceItWarnsOnceAndStillPlaysTheMusic) {
    plat::SetEnvironmentVariable("VARNE_AUDIO_NO3D", "1");
    initSound();
    playSound("mono.wav", 75);
    EXPECT_NE(soundStream, 0u);
    EXPECT_EQ(load3DSound("mono.wav"), 0u);  // positional sources need 3D
    EXPECT_EQ(
        countOf(readLog(), "Kein 3D-Sound unterstuetzt! Es wird nur Hintergrundmusik gespielt"), 1);
}

// Makes a file of a 440 Hz tone at 0.2 for 0.5 s with sox and these options, and gives its RMS
// amplitude over all its channels by sox; 0 where sox cannot be run.
static double soxTone(const std::string& options, const std::string& name) {
    const std::string report = "sox-stat.txt";
    const std::string make = "sox -n -r 44100 " + options + " " + name + " synth 0.5 sine 440";
    if (std::system((make + " vol 0.2 && sox " + name + " -n stat 2>" + report).c_str()) != 0)
        return 0;
    const std::string text = readFile(report);
    const std::size_t at = text.find("RMS     amplitude:");
    return at == std::string::npos ? 0 : std::atof(text.c_str() + at + 18);
}

// Volume is linear amplitude. At 100 a centred source leaves each of the two
// speakers at the -6 to -3 dB of the usual panning laws (0.5 to 0.71 of the
// file's level; OpenAL Soft's is -4.5 dB), and the left channel of a stereo
// file reaches the left speaker whole. Every encoding plays at its own level:
// float WAV (double goes the same way, read as float) as loud as 16-bit. 5 channels are down-mixed
// to stereo: front left, with centre and back left at -3 dB (1 + 2 x 0.707 = 2.41 times one
// channel, all channels carrying the same tone); 6 go through OpenAL Soft's
// 5.1 format, whose own stereo mix puts 2.5 times one channel on the left. A file shorter than one
// decoded piece loops as seamlessly as a longer one: 400 and 440 Hz tones change sign
// 800 and 880 times a second, and no 10 ms stretch is much quieter than the whole,
// even when a busy machine keeps the feeder from the streams for 0.6 s.
TEST_F(Sound, MusicLoopsWithoutAGapAtItsVolume) {
    writeTone("short.wav", 400, 0.05, 22050);
    writeTone("long.wav", 440, 0.5, 44100);  // whole periods
    const struct {
        const char* file;
        std::string sox;  // sox's options for its tone; none for the tones above
        int volume, changes, starvedMs;
        double level;  // the recording's left RMS over the file's by sox (or 0.5 / sqrt 2)
        const char* channelsLine = nullptr;
    } cases[] = {
        {"short.wav", "", 100, 800, 0, 0.6},
        {"long.wav", "", 75, 880, 600, 0.45},
        {"float.wav", "-c 2 -e floating-point -b 32", 100, 880, 0, 1.0},
        {"five.flac", "-c 5", 100, 880, 0, 2.41, "has 5 channels, down-mixed to stereo"},
        {"six.flac", "-c 6", 100, 880, 0, 2.5,
         "has 6 channels, played in the device's own format for them"},
    };
    double rms[std::size(cases)];
    int withoutSox = 0;  // rows sox could not make here (Windows)
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const auto& c = cases[i];
        const double reference = c.sox.empty() ? 0.5 / std::sqrt(2.0) : soxTone(c.sox, c.file);
        if (reference == 0 && ++withoutSox) continue;
        initSound();
        playSound(c.file, c.volume);
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        {
            std::lock_guard feederWaits(bass_al::library().mutex);
            std::this_thread::sleep_for(std::chrono::milliseconds(c.starvedMs));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1050 - c.starvedMs));
        killSound();
        const std::vector<float> left = recordedLeft();
        const auto [whole, changes] = measure(left, 0.1, 1.1);
        EXPECT_NEAR(changes, c.changes, 10) << c.file;
        rms[i] = whole;
        EXPECT_NEAR(whole / reference / c.level, 1.0, 0.1) << c.file << ": " << whole;
        if (c.channelsLine) EXPECT_EQ(countOf(readLog(), c.channelsLine), 1) << c.file;
        for (double t = 0.1; t + 0.01 <= 1.1; t += 0.01)
            ASSERT_GT(measure(left, t, t + 0.01).first, 0.5 * rms[i])
                << c.file << ": a gap at " << t << " s";
    }
    EXPECT_NEAR(rms[1] / rms[0], 0.75, 0.02);
    if (withoutSox) GTEST_SKIP() << withoutSox << " files need sox to be made";
}

// Music that is not played says why, with libsndfile's own words where it gave them, and
// leaves no stream playing on nothing.
TEST_F(Sound, MusicThatCannotBePlayedIsNamedWithTheReason) {
    for (const auto& [name, channels] : {std::pair{"empty.wav", 2}, {"nine.wav", 9}}) {
        SF_INFO info{0, 44100, channels, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 0, 0};
        sf_close(sf_open(name, SFM_WRITE, &info));  // a WAV that holds no frame
    }
    writeFile("noise.ogg", std::string(300, '\x5a'));
    const struct {
        const char* file;
        const char* reason;  // after "<file> is not played (error "
    } cases[] = {
        {"empty.wav", "31: the file is empty: it holds no sound)"},
        {"nine.wav", "6: not an audio format that can be read: 9 channels at 44100 Hz)"},
        {"noise.ogg", "6: not an audio format that can be read: Format not recognised)"},
        {"gone.ogg", "2: the file cannot be opened: System error : "},  // the system's own words
    };
    initSound();
    for (const auto& c : cases) {
        playSound(c.file, 75);
        EXPECT_EQ(soundStream, 0u) << c.file;
        const std::string line = std::string(c.file) + " is not played (error " + c.reason;
        EXPECT_EQ(countOf(readLog(), line), 1) << line;
    }
}

TEST_F(Sound, WithoutADeviceItSaysOnceThatItRunsSilentAndNothingOnStandardError) {
    const std::string writerFile = output.base + ".wav";
    std::filesystem::remove(writerFile),
        std::filesystem::create_directory(writerFile);  // the writer cannot open its file
    testing::internal::CaptureStderr();
    initSound();
    playSound("mono.wav", 100);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    std::filesystem::remove(writerFile);
    const std::string log = readLog();
    EXPECT_EQ(countOf(log, "no audio device: running silent\n"), 1);
    EXPECT_EQ(countOf(log, "is not played"), 0);
}
