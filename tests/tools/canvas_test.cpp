// The asset tools' supersampled canvas: compositing, the averaging down to
// pixels, and the straight colour a partly covered pixel keeps.
#include "tools/canvas.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::uint8_t> pixel(const Image& image, int x, int y) {
    return {image.at(x, y), image.at(x, y) + image.channels};
}

TEST(Canvas, HalfCoveredPixelKeepsItsColourWithHalfAlpha) {
    Canvas canvas(1, 1, 2);  // samples at x = 0.25 and 0.75
    canvas.Paint([](float x, float) { return x < 0.5f ? Rgba{1, 0.5f, 0, 1} : Rgba{}; });
    EXPECT_EQ(pixel(canvas.Resolve(4), 0, 0), (std::vector<std::uint8_t>{255, 128, 0, 128}));
    // Without alpha the pixel is the colour over black.
    EXPECT_EQ(pixel(canvas.Resolve(3), 0, 0), (std::vector<std::uint8_t>{128, 64, 0}));
}

TEST(Canvas, LayersCompositeOneOverTheOther) {
    Canvas canvas(1, 1, 1);
    canvas.Paint([](float, float) { return Rgba{0, 0, 1, 1}; });
    canvas.Paint([](float, float) { return Rgba{1, 0, 0, 0.5f}; });
    canvas.Paint([](float, float) { return Rgba{0, 1, 0, 0}; });  // fully transparent: no effect
    EXPECT_EQ(pixel(canvas.Resolve(4), 0, 0), (std::vector<std::uint8_t>{128, 0, 128, 255}));
}

TEST(Canvas, PolygonCoversTheSameSamplesInEitherWinding) {
    // Right triangle with legs of 4.5 pixels: the centres (x + 0.5, y + 0.5)
    // of the pixels with x + y <= 3 lie inside, the others outside.
    const std::vector<Point> clockwise = {{0, 0}, {4.5f, 0}, {0, 4.5f}};
    const std::vector<Point> anticlockwise = {{0, 0}, {0, 4.5f}, {4.5f, 0}};
    for (const auto& corners : {clockwise, anticlockwise}) {
        Canvas canvas(4, 4, 1);
        canvas.PaintPolygon(corners, {1, 1, 1, 1});
        const Image image = canvas.Resolve(4);
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x)
                EXPECT_EQ(image.at(x, y)[3], x + y <= 3 ? 255 : 0) << x << "," << y;
    }
}

}  // namespace
