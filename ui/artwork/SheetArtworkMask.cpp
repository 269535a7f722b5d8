#include "ui/artwork/SheetArtworkMask.h"

#include <algorithm>
#include <cmath>

namespace {

struct Reach {
    int dx;
    int dy;
    int weight;
};

// Neighbours whose coverage reaches a pixel when shapes grow by radius: a neighbour d pixels away covers
// the pixel fully while d <= radius and fades out over the next pixel, which keeps the grown edge smooth.
std::vector<Reach> DiscOffsets(qreal radius) {
    std::vector<Reach> disc;
    const int span = static_cast<int>(std::ceil(radius + 1.0));
    for (int dy = -span; dy <= span; ++dy) {
        for (int dx = -span; dx <= span; ++dx) {
            const qreal share = std::clamp(radius + 1.0 - std::hypot(qreal(dx), qreal(dy)), 0.0, 1.0);
            if (share > 0)
                disc.push_back({dx, dy, static_cast<int>(share * 256)});
        }
    }
    return disc;
}

} // namespace

CoverageMask::CoverageMask(int width, int height)
    : m_width(width), m_height(height), m_values(static_cast<size_t>(width * height), 0) {}

CoverageMask CoverageMask::FromAlpha(const QImage& image) {
    CoverageMask mask(image.width(), image.height());
    for (int y = 0; y < mask.m_height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < mask.m_width; ++x)
            mask.At(x, y) = static_cast<std::uint8_t>(qAlpha(line[x]));
    }
    return mask;
}

CoverageMask CoverageMask::Grown(qreal radius) const {
    const std::vector<Reach> disc = DiscOffsets(radius);
    CoverageMask grown(m_width, m_height);
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            int best = 0;
            for (const Reach& reach : disc) {
                const int sx = x + reach.dx;
                const int sy = y + reach.dy;
                if (sx >= 0 && sy >= 0 && sx < m_width && sy < m_height)
                    best = std::max(best, At(sx, sy) * reach.weight >> 8);
            }
            grown.At(x, y) = static_cast<std::uint8_t>(best);
        }
    }
    return grown;
}

CoverageMask CoverageMask::Blurred() const {
    CoverageMask blurred = *this;
    CoverageMask scratch(m_width, m_height);
    for (int pass = 0; pass < 2; ++pass) {
        for (int y = 0; y < m_height; ++y) {
            for (int x = 0; x < m_width; ++x) {
                const int left = x > 0 ? blurred.At(x - 1, y) : 0;
                const int right = x + 1 < m_width ? blurred.At(x + 1, y) : 0;
                scratch.At(x, y) = static_cast<std::uint8_t>((left + 2 * blurred.At(x, y) + right) / 4);
            }
        }
        for (int y = 0; y < m_height; ++y) {
            for (int x = 0; x < m_width; ++x) {
                const int above = y > 0 ? scratch.At(x, y - 1) : 0;
                const int below = y + 1 < m_height ? scratch.At(x, y + 1) : 0;
                blurred.At(x, y) = static_cast<std::uint8_t>((above + 2 * scratch.At(x, y) + below) / 4);
            }
        }
    }
    return blurred;
}

CoverageMask CoverageMask::Joined(const CoverageMask& other, qreal weight) const {
    CoverageMask joined = *this;
    const int scale = static_cast<int>(weight * 256);
    for (size_t i = 0; i < joined.m_values.size(); ++i)
        joined.m_values[i] =
            static_cast<std::uint8_t>(std::max(joined.m_values[i] * 256, other.m_values[i] * scale) >> 8);
    return joined;
}

QImage CoverageMask::Tinted(const QColor& colour, qreal opacity) const {
    QImage tinted(m_width, m_height, QImage::Format_ARGB32_Premultiplied);
    const int scale = static_cast<int>(opacity * 256);
    const int red = colour.red();
    const int green = colour.green();
    const int blue = colour.blue();
    for (int y = 0; y < m_height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(tinted.scanLine(y));
        for (int x = 0; x < m_width; ++x) {
            const int alpha = std::min(255, At(x, y) * scale >> 8);
            line[x] = qRgba(red * alpha / 255, green * alpha / 255, blue * alpha / 255, alpha);
        }
    }
    return tinted;
}
