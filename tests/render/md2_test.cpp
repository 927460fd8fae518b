#include "render/md2.h"
#include "render/md2_decode.h"
#include "support/md2_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

using namespace testing_support;

namespace {

Md2File oneTriangle() {
    Md2File f;
    f.frames = {{{10, 0, 255}, {1, 2, 3}, {4, 5, 6}}};
    f.scale[0] = 0.5f, f.scale[1] = 1, f.scale[2] = 2;
    f.translate[0] = -1, f.translate[1] = 0, f.translate[2] = 3;
    f.coords = {{64, 32}, {0, 0}};
    f.triangles = {{{0, 1, 2}, {0, 1, 1}}};
    f.layOut();
    return f;
}

bool decode(const std::string& bytes, MD2Data* out) {
    // A heap copy of exactly the file's length, so the sanitizers see any overread.
    std::unique_ptr<unsigned char[]> copy(new unsigned char[bytes.size()]);
    std::memcpy(copy.get(), bytes.data(), bytes.size());
    return DecodeMD2(copy.get(), bytes.size(), "m.md2", out);
}

}  // namespace

TEST(Md2Decode, PackedVerticesAreScaledAndTranslated) {
    Md2File f = oneTriangle();
    f.header[0] = 0x12345678;  // identification and version are not looked at
    f.header[1] = -3;
    MD2Data m;
    ASSERT_TRUE(decode(f.bytes(), &m));
    ASSERT_EQ(m.vertices.size(), 3u);
    EXPECT_FLOAT_EQ(m.vertices[0].x, 4.0f);
    EXPECT_FLOAT_EQ(m.vertices[0].y, 0.0f);
    EXPECT_FLOAT_EQ(m.vertices[0].z, 513.0f);
    EXPECT_EQ(m.pixelCoords[0], 64);
    EXPECT_EQ(m.triangles[0].vertexIndex[2], 2);
}

TEST(Md2Decode, EveryFrameIsDecodedAndFrameZeroIsHandedOut) {
    Md2File f;
    for (int frame = 0; frame < 3; ++frame)
        f.frames.push_back(std::vector<std::array<int, 3>>(100, {frame + 1, 2, 3}));
    f.layOut();
    TempDir dir;
    writeFile("m.md2", f.bytes());
    writeFile("m.txt", "MODELFILE: m.md2\nMODELTEX: none.bmp\nOVERBLEND BLACK?: 1\n");
    CMD2Model model;
    modelfile_t files;
    std::snprintf(files.descFile, sizeof files.descFile, "m.txt");
    ASSERT_EQ(model.Load(&files), 1);
    EXPECT_STREQ(files.skinFile, "none.bmp");
    EXPECT_TRUE(model.overblend);
    EXPECT_EQ(model.vertices.size(), 300u);
    EXPECT_FLOAT_EQ(model.vertices[200].x, 3.0f);
    std::unique_ptr<float[]> doubled(model.getAllVertices(2.0f));
    ASSERT_NE(doubled, nullptr);
    EXPECT_FLOAT_EQ(doubled[297], 2.0f);
    EXPECT_FLOAT_EQ(doubled[299], 6.0f);
}

TEST(Md2Decode, OverblendIsOnlyTheValueOne) {
    TempDir dir;
    writeFile("m.md2", oneTriangle().bytes());
    for (const char* flag : {"2", "x", ""}) {
        writeFile("m.txt", std::string("MODELFILE: m.md2\nMODELTEX: s.bmp\nOVERBLEND BLACK?: ") + flag);
        modelfile_t files;
        std::snprintf(files.descFile, sizeof files.descFile, "m.txt");
        CMD2Model model;
        EXPECT_EQ(model.Load(&files), 1);
        EXPECT_FALSE(model.overblend) << flag;
    }
}

TEST(Md2Decode, DamagedFilesAreRefusedWithTheBadField) {
    struct Case {
        const char* field;
        int index;
        int value;
    };
    const Case cases[] = {
        {"vertex count", 6, -1},       {"frame count", 10, -5},
        {"triangle count", 8, -2},     {"frame size", 4, 40},
        {"frame offset", 14, 1 << 20}, {"texture coordinate offset", 12, -4},
        {"triangle offset", 13, 1000}, {"triangle offset", 8, 1000000},
    };
    for (const Case& c : cases) {
        TempDir dir;
        Md2File f = oneTriangle();
        f.header[c.index] = c.value;
        MD2Data m;
        EXPECT_FALSE(decode(f.bytes(), &m)) << c.field;
        EXPECT_TRUE(m.vertices.empty());
        EXPECT_NE(readFile("log.txt").find(std::string("bad MD2 m.md2: ") + c.field), std::string::npos)
            << readFile("log.txt");
    }
}

TEST(Md2Decode, TruncatedFilesAndIndicesOutOfRangeAreRefused) {
    TempDir dir;
    MD2Data m;
    std::string whole = oneTriangle().bytes();
    for (size_t cut : {size_t(0), size_t(67), whole.size() - 1}) EXPECT_FALSE(decode(whole.substr(0, cut), &m));
    Md2File badVertex = oneTriangle();
    badVertex.triangles[0].vertex[1] = 3;
    EXPECT_FALSE(decode(badVertex.bytes(), &m));
    Md2File badCoord = oneTriangle();
    badCoord.triangles[0].coord[2] = 2;
    EXPECT_FALSE(decode(badCoord.bytes(), &m));
    std::string log = readFile("log.txt");
    EXPECT_NE(log.find("bad MD2 m.md2: header length 67"), std::string::npos);
    EXPECT_NE(log.find("bad MD2 m.md2: vertex index 3"), std::string::npos);
    EXPECT_NE(log.find("bad MD2 m.md2: texture coordinate index 2"), std::string::npos);
}

TEST(Md2Model, MissingOrOverlongFilesLeaveAnEmptyModel) {
    TempDir dir;
    CMD2Model model;
    modelfile_t files;
    std::snprintf(files.descFile, sizeof files.descFile, "missing.txt");
    EXPECT_EQ(model.Load(&files), 0);
    writeFile("m.txt", "MODELFILE: " + std::string(50, 'n') + "\nMODELTEX: s.bmp\n");
    std::snprintf(files.descFile, sizeof files.descFile, "m.txt");
    EXPECT_EQ(model.Load(&files), 0);
    EXPECT_STREQ(files.modelFile, "");
    EXPECT_EQ(model.getAllVertices(1.0f), nullptr);
    EXPECT_EQ(model.RenderFrame(0), 0);
}

// The shipped models, read back by the loader, have the shapes they were made as.
TEST(Md2Assets, TheCylinderIsUnitLengthAlongXWithUnitDiameter) {
    MD2Data m;
    std::string path = std::string(VARNE_SOURCE_DIR) + "/data/models/cylinder.md2";
    std::string bytes = readFile(path);
    ASSERT_TRUE(decode(bytes, &m));
    ASSERT_GT(m.vertexCount, 32);
    const float step = 1.0f / 255;  // the format keeps 8 bits per axis
    float minX = 1, maxX = -1;
    for (int i = 0; i < m.vertexCount; ++i) {
        const Vertex& v = m.vertices[size_t(i)];
        minX = std::min(minX, v.x);
        maxX = std::max(maxX, v.x);
        const float r = std::sqrt(v.y * v.y + v.z * v.z);
        const bool onCap = std::fabs(std::fabs(v.x) - 0.5f) < step;
        EXPECT_TRUE(onCap || std::fabs(r - 0.5f) < 2 * step) << i;
        EXPECT_LE(r, 0.5f + 2 * step) << i;
    }
    EXPECT_NEAR(minX, -0.5f, step);
    EXPECT_NEAR(maxX, 0.5f, step);
}

TEST(Md2Assets, TheGemIsTenUnitsAcrossAroundItsOrigin) {
    MD2Data m;
    ASSERT_TRUE(decode(readFile(std::string(VARNE_SOURCE_DIR) + "/data/models/gem.md2"), &m));
    Vertex lo{1e9f, 1e9f, 1e9f}, hi{-1e9f, -1e9f, -1e9f};
    for (int i = 0; i < m.vertexCount; ++i) {
        const Vertex& v = m.vertices[size_t(i)];
        lo = {std::min(lo.x, v.x), std::min(lo.y, v.y), std::min(lo.z, v.z)};
        hi = {std::max(hi.x, v.x), std::max(hi.y, v.y), std::max(hi.z, v.z)};
    }
    const float step = 10.0f / 255;
    EXPECT_NEAR(lo.x, -5.0f, step);
    EXPECT_NEAR(hi.x, 5.0f, step);
    EXPECT_NEAR(lo.z, -5.0f, step);
    EXPECT_NEAR(hi.z, 5.0f, step);
    EXPECT_NEAR(lo.y + hi.y, 0.0f, step);  // centred on its origin
}

// Found by fuzzing: parts with a count of 0 made the decoder copy 0 bytes into
// a null buffer. The first file is the 68-byte header that was found.
TEST(Md2Decode, FilesWithEmptyPartsDecode) {
    TempDir dir;
    Md2File nothing;
    nothing.layOut();
    Md2File onlyFrames;
    onlyFrames.frames = {{{1, 2, 3}}};
    onlyFrames.layOut();
    Md2File noTriangles = onlyFrames;
    noTriangles.coords = {{5, 6}};
    noTriangles.layOut();
    MD2Data m;
    ASSERT_EQ(nothing.bytes().size(), 68u);
    EXPECT_TRUE(decode(nothing.bytes(), &m));
    EXPECT_TRUE(m.vertices.empty() && m.pixelCoords.empty() && m.triangles.empty());
    ASSERT_TRUE(decode(onlyFrames.bytes(), &m));
    EXPECT_EQ(m.vertices.size(), 1u);
    EXPECT_TRUE(m.pixelCoords.empty() && m.triangles.empty());
    ASSERT_TRUE(decode(noTriangles.bytes(), &m));
    EXPECT_EQ(m.pixelCoords.size(), 2u);
    EXPECT_EQ(m.pixelCoords[1], 6);
    EXPECT_TRUE(m.triangles.empty());
}

TEST(Md2Decode, FramesThatWouldGiveNonFiniteVerticesAreRefused) {
    TempDir dir;
    for (float bad : {INFINITY, NAN}) {
        Md2File f = oneTriangle();
        f.translate[1] = bad;
        MD2Data m;
        EXPECT_FALSE(decode(f.bytes(), &m));
        EXPECT_TRUE(m.vertices.empty());
    }
    EXPECT_NE(readFile("log.txt").find("bad MD2 m.md2: vertex out of range in frame 0"), std::string::npos);
}
