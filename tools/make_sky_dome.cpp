// The sky, the land and the haze between them, seen from a point a unit above
// a flat ground plane, with a cloud layer a unit above it. Looking along a
// direction finds, nearest first: the ground, the hills, the ground behind
// them, the mountains, the ground up to the horizon, and the sky.
#include "tools/make_sky_dome.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

constexpr Rgba kZenith{0.20f, 0.40f, 0.82f, 1}, kHorizon{0.70f, 0.80f, 0.93f, 1};
constexpr Rgba kHaze{0.68f, 0.76f, 0.86f, 1};
constexpr Rgba kSunlight{1.00f, 0.93f, 0.78f, 1};
constexpr Rgba kCloudLit{0.98f, 0.98f, 0.97f, 1}, kCloudShade{0.58f, 0.63f, 0.72f, 1};
constexpr Direction kSun{0.30f, 0.62f, 0.72f};  // behind the start view, as the scene's light

constexpr float kHillDistance = 12, kMountainDistance = 30;  // in heights of the eye
constexpr float kHazeDensity = 0.07f;                        // per height of the eye

Rgba operator+(Rgba a, Rgba b) { return {a.r + b.r, a.g + b.g, a.b + b.b, a.a}; }
Rgba operator*(Rgba a, float k) { return {a.r * k, a.g * k, a.b * k, a.a}; }

Direction normalised(Direction d) {
    const float length = std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z);
    return {d.x / length, d.y / length, d.z / length};
}

// A value from 0 to 1 per lattice point.
float lattice(int x, int y, int z) {
    std::uint32_t h = std::uint32_t(x) * 0x8da6b343u ^ std::uint32_t(y) * 0xd8163841u ^
                      std::uint32_t(z) * 0xcb1ab31fu;
    h ^= h >> 15;
    h *= 0x2c1b3c6du;
    h ^= h >> 12;
    h *= 0x297a2d39u;
    h ^= h >> 15;
    return float(h >> 8) / float(1u << 24);
}

float fade(float t) { return t * t * t * (t * (t * 6 - 15) + 10); }
float lerp(float a, float b, float t) { return a + (b - a) * t; }

// Smooth value noise from 0 to 1, mean 0.5, features about one unit across.
float noise(float x, float y, float z) {
    const float fx = std::floor(x), fy = std::floor(y), fz = std::floor(z);
    const int ix = int(fx), iy = int(fy), iz = int(fz);
    const float u = fade(x - fx), v = fade(y - fy), w = fade(z - fz);
    auto row = [&](int dy, int dz) {
        return lerp(lattice(ix, iy + dy, iz + dz), lattice(ix + 1, iy + dy, iz + dz), u);
    };
    return lerp(lerp(row(0, 0), row(1, 0), v), lerp(row(0, 1), row(1, 1), v), w);
}

// Octaves each twice as fine and half as strong. An octave whose features
// are under about two footprints across (footprint in the same units as x, y,
// z) gives way to its mean.
float fractal(float x, float y, float z, int octaves, float footprint) {
    float sum = 0, weight = 0, amplitude = 1, frequency = 1;
    for (int i = 0; i < octaves; ++i) {
        // Skipping faded octaves also keeps far-off coordinates out of noise().
        const float keep = 1 - Smoothstep(0.25f, 0.5f, frequency * footprint);
        float n = 0.5f;
        if (keep > 0)
            n += keep * (noise(x * frequency + 31.7f * i, y * frequency, z * frequency) - 0.5f);
        sum += amplitude * n;
        weight += amplitude;
        amplitude *= 0.5f;
        frequency *= 2;
    }
    return sum / weight;
}

// Aerial perspective over a distance in heights of the eye.
Rgba hazed(Rgba colour, float distance) {
    return Mix(colour, kHaze, 1 - std::exp(-distance * kHazeDensity));
}

// Meadows, forests and fields on the plane a unit below the eye.
Rgba ground(Direction d, float footprint) {
    const float distance = -1 / d.y;
    const float x = d.x * distance, z = d.z * distance;
    const float across = footprint * distance * distance;  // ground units per pixel
    const float meadow = fractal(x * 3, z * 3, 1.5f, 6, across * 3);
    Rgba colour = Mix(Rgba{0.26f, 0.40f, 0.16f, 1}, Rgba{0.46f, 0.56f, 0.24f, 1}, meadow);
    // Fields in some places: a rotated grid, each row shifted by half a field,
    // each field sown with its own crop; they fade out where they get too
    // small to show.
    const float farmland = fractal(x * 0.7f, z * 0.7f, 4.5f, 3, across * 0.7f);
    const float farmed =
        Smoothstep(0.5f, 0.56f, farmland) * (1 - Smoothstep(0.15f, 0.4f, across * 7));
    if (farmed > 0) {
        const float row = std::floor((z * 0.8f - x * 0.6f) * 7);
        const float column = std::floor((x * 0.8f + z * 0.6f) * 5 + 0.5f * row);
        const float crop = lattice(int(column), int(row), 7);
        const Rgba field = crop < 0.3f   ? Rgba{0.72f, 0.64f, 0.34f, 1}
                           : crop < 0.5f ? Rgba{0.50f, 0.42f, 0.28f, 1}
                                         : colour;
        colour = Mix(colour, Mix(field, colour, 0.25f), farmed);
    }
    const float forest = fractal(x * 1.2f, z * 1.2f, 8.2f, 6, across * 1.2f);
    colour = Mix(colour, Rgba{0.17f, 0.30f, 0.13f, 1}, Smoothstep(0.55f, 0.64f, forest));
    return hazed(colour, distance);
}

// The elevation, in radians, of a range's ridge at azimuth a. Sampling the
// noise on a circle makes the ridge close on itself all the way round.
float ridge(float a, float radius, float seed, float low, float high, float footprint) {
    const float n =
        fractal(std::cos(a) * radius, std::sin(a) * radius, seed, 6, footprint * radius);
    return low + (high - low) * Smoothstep(0.3f, 0.8f, n);
}

// Noise over the land's silhouette bands: round the horizon on a circle, so
// that it closes on itself, and up by elevation; scale features per radian.
float bandNoise(float a, float elevation, float scale, int octaves, float footprint) {
    return fractal(std::cos(a) * scale, std::sin(a) * scale, elevation * scale, octaves,
                   footprint * scale);
}

Rgba hills(float a, float elevation, float footprint) {
    const float n = bandNoise(a, elevation, 120, 4, footprint);
    return hazed(Mix(Rgba{0.12f, 0.22f, 0.14f, 1}, Rgba{0.26f, 0.36f, 0.20f, 1}, n), kHillDistance);
}

// Blue-grey rock, paler towards the foot, with snow on the high peaks.
Rgba mountains(float a, float elevation, float top, float footprint) {
    const float n = bandNoise(a, elevation, 90, 5, footprint);
    Rgba rock = Mix(Rgba{0.30f, 0.36f, 0.46f, 1}, Rgba{0.42f, 0.47f, 0.56f, 1}, n);
    const float height = elevation / top + 0.3f * (n - 0.5f);  // ragged snow line
    const float snow = Smoothstep(0.06f, 0.09f, top) * Smoothstep(0.7f, 0.9f, height);
    rock = Mix(rock, Rgba{0.90f, 0.92f, 0.96f, 1}, snow);
    const float foot = 1 - std::clamp(elevation / top, 0.0f, 1.0f);
    return Mix(rock, kHaze, 0.45f + 0.35f * foot);
}

// Clouds on the layer a unit above the eye, lit from the sun's side.
Rgba clouds(Direction d, Rgba behind, float footprint) {
    const float fade = Smoothstep(0.02f, 0.15f, d.y);  // thin towards the horizon
    if (fade <= 0) return behind;
    const float distance = 1 / d.y;
    const float x = d.x * distance, z = d.z * distance;
    const float across = footprint * distance * distance;
    const float scale = 0.9f;
    const float body = fractal(x * scale, z * scale, 3.3f, 7, across * scale);
    const float spread = fractal(x * 0.25f, z * 0.25f, 9.4f, 2, across * 0.25f);
    const float cover = Smoothstep(0.5f, 0.66f, body + 0.3f * (spread - 0.5f));
    if (cover <= 0) return behind;
    // Thicker cloud towards the sun means shade on this side.
    const float toward = fractal((x + kSun.x * 0.12f) * scale, (z + kSun.z * 0.12f) * scale, 3.3f,
                                 7, across * scale);
    const float lit = std::clamp(0.65f + (body - toward) * 6 - 0.5f * (body - 0.5f), 0.0f, 1.0f);
    const Rgba cloud = hazed(Mix(kCloudShade, kCloudLit, lit), distance * 0.8f);
    return Mix(behind, cloud, cover * fade);
}

Rgba sky(Direction d, float footprint) {
    Rgba colour = Mix(kZenith, kHorizon, std::exp(-std::max(d.y, 0.0f) * 3.5f));
    const Direction sun = normalised(kSun);
    const float toward = std::max(0.0f, d.x * sun.x + d.y * sun.y + d.z * sun.z);
    const float glow = 0.25f * std::pow(toward, 8.0f) + 0.5f * std::pow(toward, 300.0f);
    colour = colour + kSunlight * glow;
    colour = Mix(colour, Rgba{1, 0.98f, 0.92f, 1}, Smoothstep(0.99955f, 0.99975f, toward));
    return clouds(d, colour, footprint);
}

}  // namespace

Rgba SkyColour(Direction d, float footprint) {
    const Direction u = normalised(d);
    const float elevation = std::asin(std::clamp(u.y, -1.0f, 1.0f));
    const float a = std::atan2(u.x, u.z);
    Rgba colour;
    if (elevation < -std::atan(1 / kHillDistance)) colour = ground(u, footprint);
    else if (elevation < ridge(a, 5, 4.2f, -0.012f, 0.025f, footprint))
        colour = hills(a, elevation, footprint);
    else if (elevation < -std::atan(1 / kMountainDistance)) colour = ground(u, footprint);
    else if (const float top = ridge(a, 2.2f, 9.1f, 0.004f, 0.11f, footprint); elevation < top)
        colour = mountains(a, elevation, top, footprint);
    else if (elevation < 0) colour = ground(u, footprint);
    else colour = sky(u, footprint);
    colour.a = 1;
    return colour;
}
