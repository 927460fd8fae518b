// MD2 decoding, with the checks the model's drawing relies on after a
// successful decode: every frame has its vertices, every triangle's indices
// address existing vertices and texture coordinates, and the coordinates
// divided by a skin size (0 standing for 1, as the model does without a skin)
// stay finite. A failed decode leaves an empty result.
#include "fuzz_support.h"
#include "render/md2_decode.h"

#include <cmath>
#include <cstdint>

namespace {

void checkMesh(const MD2Data& mesh) {
    FUZZ_CHECK(mesh.vertexCount >= 0 && mesh.frameCount >= 0);
    FUZZ_CHECK(mesh.vertices.size() ==
               std::size_t(mesh.frameCount) * std::size_t(mesh.vertexCount));
    FUZZ_CHECK(mesh.pixelCoords.size() % 2 == 0);
    const std::size_t coordCount = mesh.pixelCoords.size() / 2;
    for (const md2Triangle_t& t : mesh.triangles)
        for (int k = 0; k < 3; ++k) {
            FUZZ_CHECK(t.vertexIndex[k] < mesh.vertexCount);
            FUZZ_CHECK(t.coordIndex[k] < coordCount);
        }
    FUZZ_CHECK(mesh.triangles.empty() || mesh.frameCount > 0);
    for (const Vertex& v : mesh.vertices)
        FUZZ_CHECK(std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z));
    for (std::uint32_t skinSide : {0u, 1u, 7u, 256u, 65535u}) {
        const double side = skinSide ? skinSide : 1.0;
        for (std::int16_t c : mesh.pixelCoords) FUZZ_CHECK(std::isfinite(float(c / side)));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TrimFuzzLog();
    MD2Data mesh;
    if (DecodeMD2(data, size, "fuzz.md2", &mesh)) {
        checkMesh(mesh);
    } else {
        FUZZ_CHECK(mesh.vertices.empty() && mesh.triangles.empty() && mesh.pixelCoords.empty());
    }
    return 0;
}
