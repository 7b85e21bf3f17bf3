#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <numeric>
#include <vector>

#include "platform/core/MathUtils.h"
#include "platform/core/Random.h"
#include "skin/engine/TeEffectProcs.h"

namespace {

uint8_t PercentOf255(int p)
{
    return static_cast<uint8_t>(Round(p / 100.0 * 255));
}

// The first Round(w * h * p / 100) cells of one shuffle of all cells, from a generator seeded
// with w * h: the same cells for the same p, and a set that only grows with p.
std::vector<int> PickedCells(int w, int h, int p)
{
    const int total = w * h;
    const int count = static_cast<int>(Round(double(total) * p / 100));
    TRandomGenerator random(static_cast<uint32_t>(total));
    std::vector<int> cells(total);
    std::iota(cells.begin(), cells.end(), 0);
    for (int i = 0; i < count; ++i)
        std::swap(cells[i], cells[i + random.Next(total - i)]);
    cells.resize(count);
    return cells;
}

void PixelCells(uint8_t* mask, int w, int h, int p, uint8_t value)
{
    if (p <= 0 || w <= 0 || h <= 0)
        return;
    for (int cell : PickedCells(w, h, p))
        mask[cell] = value;
}

} // namespace

void FadeEffect(uint8_t* mask, int w, int h, int p)
{
    if (p > 0)
        std::fill(mask, mask + w * h, PercentOf255(p));
}

void PixelEffect(uint8_t* mask, int w, int h, int p)
{
    PixelCells(mask, w, h, p, 255);
}

void PixelFadeEffect(uint8_t* mask, int w, int h, int p)
{
    PixelCells(mask, w, h, p, PercentOf255(p));
}

void PixelLineEffect(uint8_t* mask, int w, int h, int p)
{
    if (p <= 0 || w <= 0 || h <= 0)
        return;
    std::vector<uint8_t> picked(static_cast<size_t>(w) * h);
    for (int cell : PickedCells(w, h, p))
        picked[cell] = 1;
    const int lastColumn = std::min(w - 1, static_cast<int>(Round(p / 100.0 * (2 * w - 1))));
    for (int x = 0; x <= lastColumn; ++x) {
        const int v = std::max<int>(0, static_cast<int>(Round(2.0 * p - x * 0.1 * w / p)));
        const uint8_t value = static_cast<uint8_t>(std::min<int64_t>(255, Round(v / 100.0 * 255)));
        for (int y = 0; y < h; ++y)
            if (picked[y * w + x])
                mask[y * w + x] = value;
    }
}

void StreamEffect(uint8_t* mask, int w, int h, int p)
{
    if (p <= 0 || w <= 0 || h <= 0)
        return;
    TRandomGenerator random(static_cast<uint32_t>(w * h));
    std::vector<int> head(w), bottom(w, h - 1);
    for (int& row : head)
        row = -random.Next(80);
    for (int k = 1; k <= 8; ++k)
        for (int x = k; x <= w - 1 - k; ++x)
            head[x] = (head[x - 1] + 2 * head[x] + head[x + 1]) / 4;
    const int steps = MulDiv(h + 79, p, 100) + 1;
    for (int step = 0; step < steps; ++step) {
        for (int x = 0; x < w; ++x) {
            if (head[x] > bottom[x])
                continue;
            if (head[x] >= 0)
                mask[head[x] * w + x] = 255;
            if (++head[x] > bottom[x]) {
                head[x] = 0;
                --bottom[x];
            }
        }
    }
}

namespace {

struct PlasmaTables {
    std::array<int, 512> sine{}, cosine{}, ramp{};

    PlasmaTables()
    {
        for (int i = 0; i < 512; ++i) {
            const double angle = 2 * std::numbers::pi * i / 512;
            sine[i] = static_cast<int>(Trunc(std::sin(angle) * 256) + 256) & 511;
            cosine[i] = static_cast<int>(Trunc(std::cos(angle) * 256) + 256) & 511;
        }
        constexpr int key[13] = {255, 255, 0, 0, 255, 255, 0, 0, 255, 255, 0, 0, 255};
        constexpr int step = (12 * 65536) / 511;
        int b = key[12];
        for (int i = 0; i <= 510; ++i) {
            const int position = i * step, k = position / 65536, f = position % 65536;
            const int a = key[k];
            b = key[std::min(k + 1, 12)];
            const int g = 65536 - f;
            if (g < step - g)
                ramp[i] = b;
            else if (step - f <= f)
                ramp[i] = (a * g + b * f) / 65536;
            else
                ramp[i] = a;
        }
        ramp[511] = b;
    }
};

} // namespace

void PlasmaEffect(uint8_t* mask, int w, int h, int p)
{
    if (p <= 0)
        return;
    static const PlasmaTables t;
    const int level = MulDiv(2 * p, 255, 100);
    for (int y = 0; y < h; ++y) {
        const int sy = t.sine[y & 511], cy = t.cosine[y & 511];
        for (int x = 0; x < w; ++x)
            mask[y * w + x] = static_cast<uint8_t>(std::clamp(level - t.ramp[(t.sine[(sy + x) & 511] + cy) & 511], 0, 255));
    }
}
