#include "tools/texture_renderer.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace {

// Lattice noise that wraps every `period` cells, so the picture tiles.
class TilingNoise {
public:
    explicit TilingNoise(std::uint32_t seed)
        : seed(seed)
    { }

    double At(double x, double y, int period) const
    {
        const int x0 = static_cast<int>(std::floor(x));
        const int y0 = static_cast<int>(std::floor(y));
        const double fx = Smooth(x - x0);
        const double fy = Smooth(y - y0);
        auto corner = [this, period](int cx, int cy) {
            return Hash(((cx % period) + period) % period, ((cy % period) + period) % period);
        };
        const double top = Mix(corner(x0, y0), corner(x0 + 1, y0), fx);
        const double bottom = Mix(corner(x0, y0 + 1), corner(x0 + 1, y0 + 1), fx);
        return Mix(top, bottom, fy);
    }

    // Several octaves, each twice as fine and half as strong; 0 to 1.
    double Turbulence(double u, double v, int basePeriod, int octaves) const
    {
        double sum = 0;
        double weight = 0;
        double amplitude = 1;
        int period = basePeriod;
        for (int i = 0; i < octaves; ++i) {
            sum += amplitude * At(u * period, v * period, period);
            weight += amplitude;
            amplitude /= 2;
            period *= 2;
        }
        return sum / weight;
    }

private:
    static double Smooth(double t) { return t * t * (3 - 2 * t); }
    static double Mix(double a, double b, double t) { return a + (b - a) * t; }

    double Hash(int x, int y) const
    {
        std::uint32_t h = seed ^ (static_cast<std::uint32_t>(x) * 0x8da6b343u)
            ^ (static_cast<std::uint32_t>(y) * 0xd8163841u);
        h ^= h >> 13;
        h *= 0x5bd1e995u;
        h ^= h >> 15;
        return (h & 0xFFFFFF) / double(0xFFFFFF);
    }

    std::uint32_t seed;
};

QRgb Shade(double r, double g, double b)
{
    auto channel = [](double c) { return std::clamp(static_cast<int>(std::lround(c)), 0, 255); };
    return qRgb(channel(r), channel(g), channel(b));
}

// Rings of a log seen from the side, bent by noise.
QRgb WoodAt(const TilingNoise& noise, double u, double v)
{
    const double bend = noise.Turbulence(u, v, 4, 4);
    const double rings = std::sin((v * 12 + bend * 3) * 2 * std::numbers::pi);
    const double grain = noise.Turbulence(u, v * 8, 16, 2);
    const double light = 0.82 + 0.10 * rings + 0.08 * grain;
    return Shade(255 * light, 236 * light, 204 * light);
}

// Veins where a noisy sine wave crosses zero.
QRgb MarbleAt(const TilingNoise& noise, double u, double v)
{
    const double t = noise.Turbulence(u, v, 3, 5);
    const double vein = std::abs(std::sin((u + v + t * 2.5) * 2 * std::numbers::pi));
    const double light = 0.78 + 0.22 * std::pow(vein, 0.35);
    return Shade(250 * light, 250 * light, 246 * light);
}

// A fine weave of threads across and down.
QRgb LinenAt(const TilingNoise& noise, double u, double v, int size)
{
    const double across = std::sin(u * size * std::numbers::pi / 2);
    const double down = std::sin(v * size * std::numbers::pi / 2);
    const double fleck = noise.Turbulence(u, v, 32, 2);
    const double light = 0.86 + 0.05 * across * down + 0.09 * fleck;
    return Shade(252 * light, 248 * light, 236 * light);
}

} // namespace

QImage RenderTexture(TextureKind kind, int size)
{
    const TilingNoise noise(0x5eed0000u + static_cast<std::uint32_t>(kind));
    QImage picture(size, size, QImage::Format_RGB32);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const double u = double(x) / size;
            const double v = double(y) / size;
            QRgb colour = 0;
            switch (kind) {
            case TextureKind::Wood:
                colour = WoodAt(noise, u, v);
                break;
            case TextureKind::Marble:
                colour = MarbleAt(noise, u, v);
                break;
            case TextureKind::Linen:
                colour = LinenAt(noise, u, v, size);
                break;
            }
            picture.setPixel(x, y, colour);
        }
    }
    return picture;
}
