// MD2 encoding for the asset tools.
#include "tools/md2_write.h"

#include "tools/byte_writer.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <stdexcept>

namespace {

constexpr int kHeaderSize = 68;
constexpr int kCoordSize = 4;
constexpr int kTriangleSize = 12;
constexpr int kFrameHeaderSize = 40;  // scale, translate, 16-character name
constexpr std::size_t kNameSize = 16;

void putFloat(std::vector<std::uint8_t>& out, float value) {
    put32(out, std::bit_cast<std::uint32_t>(value));
}

void check(const Md2Model& model) {
    const std::size_t kIndexLimit = 0x10000;
    if (model.vertices.size() > kIndexLimit || model.coords.size() > kIndexLimit)
        throw std::invalid_argument("EncodeMd2: more than 65536 vertices or coordinates");
    if (model.frameName.size() >= kNameSize)
        throw std::invalid_argument("EncodeMd2: frame name longer than 15 characters");
    for (const Md2Triangle& triangle : model.triangles) {
        for (int corner = 0; corner < 3; ++corner) {
            if (triangle.vertex[corner] >= model.vertices.size() ||
                triangle.coord[corner] >= model.coords.size())
                throw std::invalid_argument("EncodeMd2: triangle index out of range");
        }
    }
}

// Scale and translate of one axis, and the byte nearest to each value when
// decoded with exactly those two floats.
struct Axis {
    float scale = 0;
    float translate = 0;

    std::uint8_t quantise(float value) const {
        if (scale <= 0) return 0;
        const double step = (static_cast<double>(value) - translate) / scale;
        return static_cast<std::uint8_t>(std::clamp(std::lround(step), 0L, 255L));
    }
};

std::array<Axis, 3> axesOf(const std::vector<std::array<float, 3>>& vertices) {
    std::array<Axis, 3> axes;
    if (vertices.empty()) return axes;
    for (int a = 0; a < 3; ++a) {
        const auto [low, high] =
            std::minmax_element(vertices.begin(), vertices.end(),
                                [a](const auto& p, const auto& q) { return p[a] < q[a]; });
        axes[a].translate = (*low)[a];
        axes[a].scale = static_cast<float>((static_cast<double>((*high)[a]) - (*low)[a]) / 255);
    }
    return axes;
}

// Scale, translate, name, then x, y, z bytes and a normal index per vertex.
// The normal index is left 0: the demo works out flat normals itself.
void putFrame(std::vector<std::uint8_t>& out, const Md2Model& model) {
    const std::array<Axis, 3> axes = axesOf(model.vertices);
    for (const Axis& axis : axes) putFloat(out, axis.scale);
    for (const Axis& axis : axes) putFloat(out, axis.translate);
    std::string name = model.frameName;
    name.resize(kNameSize, '\0');
    out.insert(out.end(), name.begin(), name.end());
    for (const auto& vertex : model.vertices) {
        for (int a = 0; a < 3; ++a) out.push_back(axes[a].quantise(vertex[a]));
        out.push_back(0);
    }
}

}  // namespace

std::vector<std::uint8_t> EncodeMd2(const Md2Model& model) {
    check(model);
    const auto vertexCount = static_cast<std::uint32_t>(model.vertices.size());
    const auto coordCount = static_cast<std::uint32_t>(model.coords.size());
    const auto triangleCount = static_cast<std::uint32_t>(model.triangles.size());
    const std::uint32_t frameSize = kFrameHeaderSize + 4 * vertexCount;
    const std::uint32_t coordsAt = kHeaderSize;  // no skin names before them
    const std::uint32_t trianglesAt = coordsAt + kCoordSize * coordCount;
    const std::uint32_t framesAt = trianglesAt + kTriangleSize * triangleCount;
    const std::uint32_t end = framesAt + frameSize;

    std::vector<std::uint8_t> out = {'I', 'D', 'P', '2'};
    out.reserve(end);
    for (std::uint32_t field :
         {8u, std::uint32_t(model.skinWidth), std::uint32_t(model.skinHeight), frameSize,
          0u /* skins */, vertexCount, coordCount, triangleCount, 0u /* GL command words */,
          1u /* frames */, coordsAt /* skin names: none */, coordsAt, trianglesAt, framesAt,
          end /* GL commands: none */, end})
        put32(out, field);
    for (const Md2Coord& coord : model.coords) {
        put16(out, static_cast<std::uint16_t>(coord.s));
        put16(out, static_cast<std::uint16_t>(coord.t));
    }
    for (const Md2Triangle& triangle : model.triangles) {
        for (std::uint16_t index : triangle.vertex) put16(out, index);
        for (std::uint16_t index : triangle.coord) put16(out, index);
    }
    putFrame(out, model);
    return out;
}
