#pragma once

#include "toolkit/Colour.h"

#include <QImage>
#include <QString>

// Pixel checks for the tests: each walks the image row by row and describes
// the first pixel that fails, so that a failing test names its coordinates.
// An empty result means every pixel passed.

inline QString ColourText(TColor colour)
{
    return QStringLiteral("$%1").arg(colour, 6, 16, QLatin1Char('0')).toUpper();
}

// A background in which neighbouring pixels differ, so that a pixel that is
// touched by mistake shows.
inline TColor Pattern(int x, int y)
{
    return (static_cast<TColor>(x) * 0x0B0713u + static_cast<TColor>(y) * 0x11051Du) & 0xFFFFFFu;
}

inline QImage PatternImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, ToQRgb(Pattern(x, y)));
    return image;
}

inline TColor PixelAt(const QImage &image, int x, int y)
{
    return FromQRgb(image.pixel(x, y));
}

// expected(x, y) gives the colour that pixel (x, y) must have.
template <typename Expected>
QString FirstMismatch(const QImage &image, Expected expected)
{
    if (image.isNull())
        return QStringLiteral("the image is empty");
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const TColor actual = PixelAt(image, x, y);
            const TColor wanted = expected(x, y);
            if (actual != wanted)
                return QStringLiteral("pixel (%1, %2) is %3, expected %4").arg(x).arg(y).arg(ColourText(actual), ColourText(wanted));
        }
    return {};
}

// accepts(x, y, colour) tells whether pixel (x, y) may have that colour.
template <typename Accepts>
QString FirstRejected(const QImage &image, Accepts accepts)
{
    if (image.isNull())
        return QStringLiteral("the image is empty");
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const TColor actual = PixelAt(image, x, y);
            if (!accepts(x, y, actual))
                return QStringLiteral("pixel (%1, %2) has the unexpected colour %3").arg(x).arg(y).arg(ColourText(actual));
        }
    return {};
}
