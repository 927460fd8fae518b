// What the music and positional sources sound like: OpenAL Soft's WAV writer
// records the real output in real time, and the recording is read back by
// hand. Volume is linear amplitude, so volume 75 plays at 0.75 of volume 100.
#include "sound/audio_files.h"

#include "platform/bass.h"
#include "sound/sound.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

using namespace testing_support;

namespace {

void waitSeconds(double s) { std::this_thread::sleep_for(std::chrono::duration<double>(s)); }

// Plays the file as the scene's music for `seconds` and returns the recording.
Recording recordMusic(const std::string& out, const char* file, int volume, double seconds) {
    initSound();
    playSound(file, volume);
    waitSeconds(seconds);
    stopSound();
    killSound();
    return readWav(out);
}

// No 10 ms stretch between the two times is much quieter than the whole.
void expectNoGap(const Recording& r, double from, double to) {
    ASSERT_GT(r.seconds(), to);
    const double whole = r.rms(from, to);
    ASSERT_GT(whole, 0.05);
    for (double t = from; t + 0.01 <= to; t += 0.01) {
        ASSERT_GT(r.rms(t, t + 0.01), 0.5 * whole) << "a gap at " << t << " s";
    }
}

}  // namespace

TEST(AudioOutput, MusicLoopsWithoutAGapAtItsVolume) {
    TempDir dir;
    const std::string out = useWaveWriter();
    writeFile("tone.wav", toneWav(440, 0.5, 44100));  // 220 whole periods: loops cleanly

    const Recording loud = recordMusic(out, "tone.wav", 100, 1.8);
    ASSERT_EQ(loud.channels, 2);
    ASSERT_EQ(loud.rate, 44100);
    // Three times through the half-second file, without a pause at the seams.
    const double t = loud.onset();
    expectNoGap(loud, t + 0.1, t + 1.2);
    EXPECT_NEAR(loud.zeroCrossings(t + 0.1, t + 1.1), 880, 10);
    EXPECT_LT(loud.rms(t + 0.1, t + 1.2), 0.5 / std::sqrt(2.0));  // mono spread over two channels, no clipping

    const Recording quiet = recordMusic(out, "tone.wav", 75, 1.8);
    const double q = quiet.onset();
    EXPECT_NEAR(quiet.rms(q + 0.1, q + 1.2) / loud.rms(t + 0.1, t + 1.2), 0.75, 0.02);
    EXPECT_EQ(countOf(readFile("log.txt"), "Bass Sound loading and playing: tone.wav"), 2);
}

TEST(AudioOutput, WithoutA3DDeviceWarnsOnceAndStillPlaysTheMusic) {
    TempDir dir;
    const std::string out = useWaveWriter();
    setenv("VARNE_AUDIO_NO3D", "1", 1);
    setenv("VARNE_MESSAGEBOX", "yes", 1);
    writeFile("short.wav", toneWav(400, 0.05, 22050));  // shorter than one decoded chunk

    initSound();
    playSound("short.wav", 100);
    EXPECT_NE(soundStream, 0u);
    EXPECT_EQ(load3DSound("short.wav"), 0u);  // positional sources need 3D
    waitSeconds(1.2);
    stopSound();
    killSound();

    EXPECT_EQ(countOf(readFile("log.txt"), "Kein 3D-Sound unterstuetzt! Es wird nur Hintergrundmusik gespielt"),
              1);
    const Recording r = readWav(out);
    const double t = r.onset();
    expectNoGap(r, t + 0.1, t + 0.7);
    EXPECT_NEAR(r.zeroCrossings(t + 0.1, t + 0.7), 480, 10);
}

TEST(AudioOutput, PositionalSourceMovesAtApply) {
    TempDir dir;
    const std::string out = useWaveWriter();
    writeFile("beep.wav", toneWav(300, 0.5, 44100));
    const Vertex origin = newV(0, 0, 0), ahead = newV(0, 0, 1);

    initSound();
    const std::uint32_t channel = load3DSound("beep.wav");
    ASSERT_NE(channel, 0u);
    play3DSound(channel);
    move3DSound(channel, 200, 0, 0, 0, origin, ahead);  // to the right, not yet applied
    waitSeconds(0.8);
    new3DPos();
    waitSeconds(0.8);
    move3DSound(channel, -200, 0, 0, 0, origin, ahead);
    new3DPos();
    waitSeconds(0.8);
    stopSound();
    killSound();

    // Each 0.8 s stretch, measured in its middle.
    const Recording r = readWav(out);
    const double t = r.onset();
    ASSERT_GT(r.seconds(), t + 2.2);
    const auto balance = [&r, t](double from) { return r.rms(t + from, t + from + 0.4, 1) / r.rms(t + from, t + from + 0.4, 0); };
    EXPECT_NEAR(balance(0.2), 1.0, 0.05);
    EXPECT_GT(balance(1.0), 2.0);
    EXPECT_LT(balance(1.8), 0.5);
    // Pitch 0 plays the 300 Hz file at 9000 Hz instead of 44100 Hz.
    EXPECT_NEAR(r.zeroCrossings(t + 1.0, t + 1.4, 1) / 0.4, 2 * 300 * 9000.0 / 44100, 10);
}
