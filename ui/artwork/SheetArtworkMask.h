#pragma once

#include <QColor>
#include <QImage>

#include <cstdint>
#include <vector>

// A coverage map, 0..255 per pixel, from which shadows, outlines and glows are built around painted shapes:
// far cheaper than stroking complex outlines such as lettering with wide pens.
class CoverageMask {
public:
    // The alpha channel of a premultiplied ARGB image.
    static CoverageMask FromAlpha(const QImage& image);

    // The coverage spread outwards by radius pixels, with an antialiased edge.
    CoverageMask Grown(qreal radius) const;

    // The coverage softened by two passes of a 1-2-1 kernel in each direction.
    CoverageMask Blurred() const;

    // Per pixel, the larger of this coverage and other's scaled by weight; other must have the same size.
    CoverageMask Joined(const CoverageMask& other, qreal weight) const;

    // A premultiplied image of colour whose alpha is this coverage scaled by opacity.
    QImage Tinted(const QColor& colour, qreal opacity) const;

private:
    CoverageMask(int width, int height);

    int At(int x, int y) const { return m_values[static_cast<size_t>(y * m_width + x)]; }
    std::uint8_t& At(int x, int y) { return m_values[static_cast<size_t>(y * m_width + x)]; }

    int m_width;
    int m_height;
    std::vector<std::uint8_t> m_values;
};
