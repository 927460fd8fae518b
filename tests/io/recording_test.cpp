// Recorded input: a run's frames come back bit for bit, and a damaged file
// is refused whole with a line naming the file and its fault.
#include "io/recording.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <zlib.h>

#include <bit>
#include <limits>

using namespace testing_support;

namespace {

std::vector<FrameInput> oddFrames() {
    // A NaN with a payload, the smallest subnormal, -0 and infinity.
    const float nan = std::bit_cast<float>(0x7fc12345u), tiny = std::bit_cast<float>(1u);
    FrameInput first{{}, std::numeric_limits<std::int32_t>::min(), -1, true, nan, tiny};
    first.keys[0] = 0x01, first.keys[31] = 0x80;  // virtual keys 0 and 255
    first.panel = {255, {tiny, nan, -0.0f}};
    return {first, {{}, 7, 0, false, -0.0f, std::numeric_limits<float>::infinity()}};
}

auto bitsOf(const FrameInput& f) {
    return std::tuple(f.keys, f.lookX, f.lookY, f.pointerHeld,
                      std::bit_cast<std::uint32_t>(f.seconds), std::bit_cast<std::uint32_t>(f.fps),
                      f.panel.op, std::bit_cast<std::array<std::uint32_t, 3>>(f.panel.value));
}

std::string withCrc(const std::string& bytes) {
    const auto crc =
        std::uint32_t(crc32(0, reinterpret_cast<const Bytef*>(bytes.data()), uInt(bytes.size())));
    return bytes + std::string({char(crc), char(crc >> 8), char(crc >> 16), char(crc >> 24)});
}

// The bytes of a version-2 recording of oddFrames (version 3's header without
// the scene), and of a version-1 one (the record as version 2's without the
// panel's 13 bytes), as the releases before wrote them.
std::string versionTwoOf(const std::string& v3) {
    std::string v2 = v3.substr(0, 24) + v3.substr(28, v3.size() - 32);
    v2[8] = 2;
    return withCrc(v2);
}
std::string versionOneOf(const std::string& v2) {
    std::string v1 = v2.substr(0, 24);
    v1[8] = 1, v1[12] = 49;
    for (std::size_t at = 24; at + 8 < v2.size(); at += 62) v1 += v2.substr(at, 49);
    return withCrc(v1 + v2.substr(v2.size() - 8, 4));
}

void writeRecording(RecordingHeader header) {
    RecordingWriter writer;
    std::string error;
    ASSERT_TRUE(writer.Open("run.rec", header, error)) << error;
    for (const FrameInput& frame : oddFrames()) ASSERT_TRUE(writer.Append(frame));
    ASSERT_TRUE(writer.Close(error)) << error;
}

}  // namespace

TEST(Recording, FramesComeBackBitForBitAndTheFileEndsWithTheCrcOfAllBefore) {
    TempDir dir;
    writeRecording({8, 10000, 5});
    std::string error;
    const auto read = ReadRecording("run.rec", error);
    ASSERT_TRUE(read) << error;
    EXPECT_EQ(std::tuple(read->header.mode, read->header.boxes, read->header.scene),
              std::tuple(8, 10000, 5));
    ASSERT_EQ(read->frames.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) EXPECT_EQ(bitsOf(read->frames[i]), bitsOf(oddFrames()[i]));
    const std::string bytes = readFile("run.rec");
    ASSERT_EQ(bytes.size(), 160u);  // a 28-byte header, two 62-byte frames, an 8-byte trailer
    EXPECT_EQ(bytes, withCrc(bytes.substr(0, 156)));
    // A version-2 file gives the same frames in the demo's own scene.
    writeFile("v2.rec", versionTwoOf(bytes));
    const auto v2 = ReadRecording("v2.rec", error);
    ASSERT_TRUE(v2) << error;
    EXPECT_EQ(std::tuple(v2->header.mode, v2->header.boxes, v2->header.scene),
              std::tuple(8, 10000, 0));
    for (std::size_t i = 0; i < 2; ++i) EXPECT_EQ(bitsOf(v2->frames[i]), bitsOf(oddFrames()[i]));
    // A version-1 file gives the same frames, without panel commands.
    writeFile("v1.rec", versionOneOf(versionTwoOf(bytes)));
    const auto v1 = ReadRecording("v1.rec", error);
    ASSERT_TRUE(v1) << error;
    ASSERT_EQ(v1->frames.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        FrameInput expected = oddFrames()[i];
        expected.panel = {};
        EXPECT_EQ(bitsOf(v1->frames[i]), bitsOf(expected));
    }
}

TEST(Recording, EachDamageIsRefusedWithItsOwnLineAndAFailedWriteIsReported) {
    TempDir dir;
    // Header 0-27 (magic, version, record size, mode, boxes, scene), frames 28-151, count, CRC.
    // The file is cut to `length` after `flip` is XOR-ed into byte `at`.
    const struct {
        RecordingHeader header;
        std::size_t length, at;
        unsigned char flip;
        const char* refusal;
    } cases[] = {
        {{0, 0}, 10, 0, 0, "run.rec: truncated at 10 bytes"},
        {{0, 0}, 35, 0, 0, "run.rec: truncated at 35 bytes"},
        {{0, 0}, 157, 0, 0, "run.rec: truncated: 157 bytes"},
        {{0, 0}, 160, 0, 0x01, "run.rec: not a 3D-Varne recording"},
        {{0, 0}, 160, 8, 0x07, "run.rec: format version 4, this program reads versions 1 to 3"},
        {{0, 0}, 160, 8, 0x02, "run.rec: frame records of 62 bytes, expected 49"},  // version 1
        {{0, 0}, 160, 12, 0x03, "run.rec: frame records of 61 bytes, expected 62"},
        {{0, 0}, 160, 152, 0x01, "run.rec: the trailer counts 3 frames, the file holds 2"},
        {{0, 0}, 160, 60, 0x10, "run.rec: damaged: the checksum"},
        {{9, 0}, 160, 0, 0, "run.rec: mode 9 is not an entry of the launcher"},
        {{0, 10001}, 160, 0, 0, "run.rec: 10001 extra boxes"},
        {{0, 0, 6}, 160, 0, 0, "run.rec: scene 6 is not one of the 6 scenes (0-5)"},
    };
    std::string error;
    for (const auto& c : cases) {
        writeRecording(c.header);
        std::string bytes = readFile("run.rec");
        bytes[c.at] = char(bytes[c.at] ^ c.flip);
        writeFile("run.rec", bytes.substr(0, c.length));
        EXPECT_FALSE(ReadRecording("run.rec", error));
        EXPECT_EQ(error.rfind(c.refusal, 0), 0u) << error;
    }
    RecordingWriter writer;
    EXPECT_FALSE(writer.Open("no/folder.rec", {}, error));
    EXPECT_EQ(error.rfind("no/folder.rec: cannot be written", 0), 0u) << error;
    // A full disk shows at the latest when the file is closed.
    if (std::string(VARNE_FULL_DEVICE).empty()) GTEST_SKIP() << "no device refuses every write";
    ASSERT_TRUE(writer.Open(VARNE_FULL_DEVICE, {}, error));
    writer.Append(FrameInput());
    EXPECT_FALSE(writer.Close(error));
    EXPECT_EQ(error, VARNE_FULL_DEVICE ": cannot be written: No space left on device");
}
