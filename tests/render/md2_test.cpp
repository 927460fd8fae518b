// MD2 decoding of the hand-built seeds of the fuzz corpus: vertices, and every
// damaged file refused with its log line.
#include "render/md2.h"
#include "render/md2_decode.h"
#include "support/image_files.h"

#include <gtest/gtest.h>

#include <cstdio>

using namespace testing_support;

// A heap copy of exactly the file's length, so the sanitizers see any overread.
static bool decode(const std::string& bytes, MD2Data* out) {
    const std::vector<unsigned char> copy(bytes.begin(), bytes.end());
    return DecodeMD2(copy.data(), copy.size(), "m.md2", out);
}

TEST(Md2Decode, PackedVerticesAreScaledAndTranslatedInEveryFrame) {
    MD2Data m;
    ASSERT_TRUE(decode(seed("md2/two_frames.md2"), &m));
    ASSERT_EQ(m.vertices.size(), 6u);
    // Frame 1 packs (4, 5, 6) with scale (0.5, 1, 2) and translate (-1, 0, 3): exact in floats.
    EXPECT_TRUE(m.vertices[3].x == 1 && m.vertices[3].y == 5 && m.vertices[3].z == 15);
}

TEST(Md2Decode, DamagedFilesAreRefusedWithTheBadFieldAndLeaveNothing) {
    struct Case {
        const char* file;
        const char* logged;
        std::size_t at = 0;  // where four bytes are replaced first, if not 0
        const char* bytes = nullptr;
    } cases[] = {
        {"empty", "header length 0"},
        {"header_cut_67", "header length 67"},
        {"negative_counts.md2", "vertex count -1"},
        {"huge_counts.md2", "frame size 52"},
        {"frame_size_too_small.md2", "frame size 40"},
        {"negative_offset.md2", "frame offset -68"},
        {"triangles_without_frames.md2", "frame count 0"},
        {"frames_cut_short.md2", "frame offset 88"},
        {"offset_past_end.md2", "texture coordinate offset 100000"},
        {"vertex_index_out_of_range.md2", "vertex index 3"},
        {"coord_index_out_of_range.md2", "texture coordinate index 2"},
        // Found by fuzzing: frame 0's translate y made +infinity.
        {"one_triangle.md2", "vertex out of range in frame 0: inf, not within 10000 of the origin",
         88 + 16, "\0\0\x80\x7f"},
        // Finite, but no model reaches that far: 1e15 as frame 0's translate y.
        {"one_triangle.md2",
         "vertex out of range in frame 0: 1e+15, not within 10000 of the origin", 88 + 16,
         "\xa9\x5f\x63\x58"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        std::string file = seed(std::string("md2/") + c.file);
        if (c.bytes) file.replace(c.at, 4, c.bytes, 4);
        MD2Data m;
        EXPECT_FALSE(decode(file, &m)) << c.file;
        EXPECT_TRUE(m.vertices.empty() && m.pixelCoords.empty() && m.triangles.empty()) << c.file;
        EXPECT_EQ(readLog(), std::string("bad MD2 m.md2: ") + c.logged + "\n");
    }
}

TEST(ModelDescription, AMissingLabelIsNamedWithItsFile) {
    TempDir dir;
    modelfile_t files;
    std::snprintf(files.descFile, sizeof files.descFile, "gem.txt");
    EXPECT_FALSE(ParseModelDescription("\xEF\xBB\xBFMODELFILE: gem.md2\nMODELTEX: gem.tga\n",
                                       &files));
    EXPECT_TRUE(files.modelFile[0] == '\0' && files.skinFile[0] == '\0');
    EXPECT_EQ(readLog(), "gem.txt: does not begin with the label MODELFILE:\n");
}
