// The program's sound functions against a silent device (OpenAL Soft's null
// driver) and no device at all: where move3DSound places a source and at
// what frequency, read back from the audio library, and quiet failure.
#include "sound/audio_files.h"

#include "platform/bass.h"
#include "sound/sound.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace testing_support;

namespace {

struct Placed {
    BASS_3DVECTOR position;
    std::uint32_t freq;
};

Placed placeAndRead(std::uint32_t channel, Vertex source, float pitch, Vertex listenerPos, Vertex listenerDir) {
    move3DSound(channel, source.x, source.y, source.z, pitch, listenerPos, listenerDir);
    Placed p{{NAN, NAN, NAN}, 0};
    EXPECT_TRUE(BASS_ChannelGet3DPosition(channel, &p.position, nullptr, nullptr));
    EXPECT_TRUE(BASS_ChannelGetAttributes(channel, &p.freq, nullptr, nullptr));
    return p;
}

void expectAt(const BASS_3DVECTOR& v, float x, float y, float z) {
    EXPECT_NEAR(v.x, x, 1e-5f);
    EXPECT_NEAR(v.y, y, 1e-5f);
    EXPECT_NEAR(v.z, z, 1e-5f);
}

}  // namespace

TEST(SoundPlacement, TurnsTheSourceIntoTheListenersViewAndSetsThePitch) {
    TempDir dir;
    useAudioDriver("null");
    writeFile("beep.wav", toneWav(300, 0.1, 44100));
    initSound();
    const std::uint32_t channel = load3DSound("beep.wav");
    ASSERT_NE(channel, 0u);
    EXPECT_EQ(countOf(readFile("log.txt"), "Bass Sound loading: beep.wav"), 1);

    const Vertex origin = newV(0, 0, 0);
    // Looking along +z the source at 45 degrees to the right stays there.
    Placed p = placeAndRead(channel, newV(100, 0, 100), 0.5f, origin, newV(0, 0, 1));
    expectAt(p.position, 1, 0, 1);
    EXPECT_EQ(p.freq, 10500u);
    // Looking along +x it is 45 degrees to the left; a listener elsewhere sees the offset.
    p = placeAndRead(channel, newV(150, 0, 150), -1, newV(50, 0, 50), newV(1, 0, 0));
    expectAt(p.position, -1, 0, 1);
    EXPECT_EQ(p.freq, 6000u);
    // Looking along -x (a1 90 degrees, z divided by -100).
    p = placeAndRead(channel, newV(100, 0, 100), 1, origin, newV(-1, 0, 0));
    expectAt(p.position, -1, 0, -1);
    EXPECT_EQ(p.freq, 12000u);
    killSound();
}

TEST(SoundPlacement, SourcesWhereTheAnglesDivideByZeroGetTheirPlainOffset) {
    TempDir dir;
    useAudioDriver("null");
    writeFile("beep.wav", toneWav(300, 0.1, 44100));
    initSound();
    const std::uint32_t channel = load3DSound("beep.wav");
    ASSERT_NE(channel, 0u);

    const Vertex origin = newV(0, 0, 0), alongX = newV(1, 0, 0);
    const Vertex sources[] = {newV(0, 0, 100), newV(0, 0, -300), newV(0, 50, 0), newV(100, 0, 0), origin};
    for (const Vertex& s : sources) {
        for (const Vertex& dir : {alongX, newV(0, 0, 1), origin}) {
            const Placed p = placeAndRead(channel, s, 0, origin, dir);
            expectAt(p.position, s.x / 100, s.y / 100, s.z / 100);
        }
    }
    // A zero view direction with a well-placed source is no answer either.
    expectAt(placeAndRead(channel, newV(100, 0, 100), 0, origin, origin).position, 1, 0, 1);
    killSound();
}

TEST(SoundShutdown, WithoutAnyDeviceEveryCallIsQuiet) {
    TempDir dir;
    useAudioDriver("no-such-driver");
    setenv("VARNE_MESSAGEBOX", "yes", 1);
    writeFile("music.wav", toneWav(440, 0.1, 44100));

    initSound();
    playSound("music.wav", 75);
    EXPECT_EQ(soundStream, 0u);
    const std::uint32_t channel = load3DSound("music.wav");
    EXPECT_EQ(channel, 0u);
    play3DSound(channel);
    move3DSound(channel, 1, 2, 3, 0.5f, newV(0, 0, 0), newV(0, 0, 1));
    new3DPos();
    stop3DSound(channel);
    EXPECT_EQ(CPUusage(), 0.0f);
    stopSound();
    killSound();
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_INIT);

    const std::string log = readFile("log.txt");
    EXPECT_EQ(countOf(log, "Bass Sound loading and playing: music.wav"), 1);
    EXPECT_EQ(countOf(log, "Kein 3D-Sound"), 0);  // only a missing 3D device is reported
}
