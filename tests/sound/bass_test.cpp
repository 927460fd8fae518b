// The audio library layer on OpenAL Soft's null driver (a device that plays
// to nowhere): its life cycle, what it refuses and why, and attributes.
#include "sound/audio_files.h"

#include "platform/bass.h"

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

class BassOnNullDevice : public ::testing::Test {
protected:
    void SetUp() override {
        useAudioDriver("null");
        writeFile("mono.wav", toneWav(440, 0.1, 22050));
        writeFile("stereo.wav", toneWav(440, 0.1, 44100, 2));
    }
    void TearDown() override { BASS_Free(); }

    TempDir dir;
};

void expectError(bool ok, int code) {
    EXPECT_FALSE(ok);
    EXPECT_EQ(BASS_ErrorGetCode(), code);
}

bool create(const char* file, std::uint32_t flags) { return BASS_StreamCreateFile(false, file, 0, 0, flags) != 0; }

}  // namespace

TEST_F(BassOnNullDevice, OpensOnceAndRefusesEverythingWhileClosed) {
    expectError(create("mono.wav", 0), BASS_ERROR_INIT);
    expectError(BASS_Start(), BASS_ERROR_INIT);
    expectError(BASS_Init(0, 44100, 0, nullptr), BASS_ERROR_DEVICE);

    ASSERT_TRUE(BASS_Init(-1, 44100, BASS_DEVICE_3D, nullptr));
    expectError(BASS_Init(-1, 44100, 0, nullptr), BASS_ERROR_ALREADY);
    const std::uint32_t stream = BASS_StreamCreateFile(false, "mono.wav", 0, 0, 0);
    EXPECT_TRUE(BASS_StreamPlay(stream, false, BASS_SAMPLE_LOOP));
    EXPECT_TRUE(BASS_Stop());
    EXPECT_TRUE(BASS_Start());
    EXPECT_TRUE(BASS_Free());
    expectError(BASS_Free(), BASS_ERROR_INIT);
    // A new device knows nothing of the old one's streams.
    ASSERT_TRUE(BASS_Init(-1, 44100, 0, nullptr));
    expectError(BASS_ChannelStop(stream), BASS_ERROR_HANDLE);
}

TEST_F(BassOnNullDevice, RefusesWhatItCannotPlay) {
    ASSERT_TRUE(BASS_Init(-1, 44100, BASS_DEVICE_3D, nullptr));
    writeFile("garbage.wav", std::string(200, 'x'));
    writeFile("quad.wav", toneWav(440, 0.1, 44100, 4));
    expectError(create("missing.wav", 0), BASS_ERROR_FILEOPEN);
    expectError(create("garbage.wav", 0), BASS_ERROR_FORMAT);
    expectError(create("quad.wav", 0), BASS_ERROR_FORMAT);
    expectError(create("stereo.wav", BASS_SAMPLE_3D), BASS_ERROR_NO3D);
    expectError(BASS_StreamCreateFile(true, "stereo.wav", 0, 0, 0) != 0, BASS_ERROR_ILLPARAM);
    expectError(BASS_StreamCreateFile(false, "stereo.wav", 44, 0, 0) != 0, BASS_ERROR_ILLPARAM);
    const std::uint32_t flat = BASS_StreamCreateFile(false, "mono.wav", 0, 0, 0);
    const BASS_3DVECTOR here{1, 2, 3};
    expectError(BASS_ChannelSet3DPosition(flat, &here, nullptr, nullptr), BASS_ERROR_NO3D);

    // A device opened without 3D makes no 3D streams and takes no factors.
    BASS_Free();
    ASSERT_TRUE(BASS_Init(-1, 44100, 0, nullptr));
    expectError(create("mono.wav", BASS_SAMPLE_3D), BASS_ERROR_NO3D);
    expectError(BASS_Set3DFactors(1, 1, 1), BASS_ERROR_NO3D);
}

TEST_F(BassOnNullDevice, AttributesChangeOnlyWhatIsGivenAndInRange) {
    ASSERT_TRUE(BASS_Init(-1, 44100, 0, nullptr));
    const std::uint32_t stream = BASS_StreamCreateFile(false, "mono.wav", 0, 0, 0);
    std::uint32_t freq = 0, volume = 0;
    int pan = 1;
    const auto expectNow = [&](std::uint32_t f, std::uint32_t v, int p) {
        ASSERT_TRUE(BASS_ChannelGetAttributes(stream, &freq, &volume, &pan));
        EXPECT_EQ(freq, f);
        EXPECT_EQ(volume, v);
        EXPECT_EQ(pan, p);
    };
    expectNow(22050, 100, 0);  // the file's rate
    EXPECT_TRUE(BASS_ChannelSetAttributes(stream, -1, 40, -101));
    EXPECT_TRUE(BASS_ChannelSetAttributes(stream, 30000, -1, -60));
    expectNow(30000, 40, -60);
    // Out of range anywhere changes nothing.
    expectError(BASS_ChannelSetAttributes(stream, 99, 10, 0), BASS_ERROR_ILLPARAM);
    expectError(BASS_ChannelSetAttributes(stream, 8000, 101, 0), BASS_ERROR_ILLPARAM);
    expectError(BASS_ChannelSetAttributes(stream, 8000, 10, 101), BASS_ERROR_ILLPARAM);
    expectNow(30000, 40, -60);
    EXPECT_TRUE(BASS_ChannelSetAttributes(stream, 0, -1, -101));
    expectNow(22050, 40, -60);
    expectError(BASS_ChannelSetAttributes(stream + 1, -1, 50, -101), BASS_ERROR_HANDLE);
}

TEST_F(BassOnNullDevice, OpensTheCommittedMusic) {
    ASSERT_TRUE(BASS_Init(-1, 44100, 0, nullptr));
    const std::string music = std::string(VARNE_SOURCE_DIR) + "/data/music/varne_theme.ogg";
    const std::uint32_t stream = BASS_StreamCreateFile(false, music.c_str(), 0, 0, 0);
    ASSERT_NE(stream, 0u) << music;
    EXPECT_TRUE(BASS_StreamPlay(stream, false, BASS_SAMPLE_LOOP));
}
