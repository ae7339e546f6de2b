#include "Canvas.h"

#include "Picture.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

namespace {
// Dotted pens draw three pixels and leave three, counted from the start of
// each line; the gaps keep what lies beneath.
constexpr int DotOn = 3;
constexpr int DotPeriod = 6;
}

QImage &Canvas::target()
{
    if (owner_)
        return owner_->bitmapForDrawing();
    return *image_;
}

const QImage *Canvas::sourceImage() const
{
    if (owner_)
        return &owner_->bitmap();
    return image_;
}

QImage &Canvas::image(int width, int height)
{
    QImage &bitmap = target();
    if (bitmap.width() < width || bitmap.height() < height || bitmap.format() != QImage::Format_RGB32)
        throw std::invalid_argument("bitmap smaller than the picture drawn into it");
    return bitmap;
}

void Canvas::changed()
{
    if (owner_)
        owner_->update();
}

void Canvas::moveTo(int x, int y)
{
    penX_ = x;
    penY_ = y;
}

void Canvas::plot(const Pixels &pixels, int x, int y, int index)
{
    if (x < 0 || y < 0 || x >= pixels.width || y >= pixels.height)
        return;
    if (penStyle_ == PenStyle::Dotted && index % DotPeriod >= DotOn)
        return;
    QRgb &pixel = reinterpret_cast<QRgb *>(pixels.bits + y * pixels.bytesPerLine)[x];
    if (penMode_ == PenMode::Invert)
        pixel = 0xFF000000u | (~pixel & 0x00FFFFFFu);
    else
        pixel = ToQRgb(penColor_);
}

void Canvas::lineTo(int x, int y)
{
    QImage &image = target();
    const Pixels pixels{image.bits(), image.bytesPerLine(), image.width(), image.height()};
    // Bresenham from the pen position, the end point excluded.
    int cx = penX_;
    int cy = penY_;
    const int dx = std::abs(x - cx);
    const int dy = -std::abs(y - cy);
    const int sx = cx < x ? 1 : -1;
    const int sy = cy < y ? 1 : -1;
    int error = dx + dy;
    for (int index = 0; cx != x || cy != y; ++index) {
        plot(pixels, cx, cy, index);
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            cx += sx;
        }
        if (twice <= dx) {
            error += dx;
            cy += sy;
        }
    }
    penX_ = x;
    penY_ = y;
    changed();
}

void Canvas::fillRect(int left, int top, int right, int bottom)
{
    QImage &image = target();
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, image.width());
    bottom = std::min(bottom, image.height());
    const QRgb colour = ToQRgb(brushColor_);
    if (left < right)
        for (int y = top; y < bottom; ++y) {
            auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
            std::fill(row + left, row + right, colour);
        }
    changed();
}

void Canvas::setPixel(int x, int y, TColor colour)
{
    QImage &image = target();
    if (x < 0 || y < 0 || x >= image.width() || y >= image.height())
        return;
    reinterpret_cast<QRgb *>(image.scanLine(y))[x] = ToQRgb(colour);
    changed();
}

TColor Canvas::pixel(int x, int y) const
{
    const QImage *image = sourceImage();
    if (!image || x < 0 || y < 0 || x >= image->width() || y >= image->height())
        return Colours::White;
    return FromQRgb(reinterpret_cast<const QRgb *>(image->constScanLine(y))[x]);
}

void Canvas::copyRect(const QRect &destRect, const Canvas &source, const QRect &sourceRect)
{
    QImage &image = target();
    const QImage *from = source.sourceImage();
    if (!from || from->isNull())
        return;
    const QImage converted = from->format() == QImage::Format_RGB32 ? *from : from->convertToFormat(QImage::Format_RGB32);
    for (int row = 0; row < destRect.height() && row < sourceRect.height(); ++row) {
        const int ty = destRect.top() + row;
        const int fy = sourceRect.top() + row;
        if (ty < 0 || ty >= image.height() || fy < 0 || fy >= converted.height())
            continue;
        auto *to = reinterpret_cast<QRgb *>(image.scanLine(ty));
        const auto *src = reinterpret_cast<const QRgb *>(converted.constScanLine(fy));
        for (int column = 0; column < destRect.width() && column < sourceRect.width(); ++column) {
            const int tx = destRect.left() + column;
            const int fx = sourceRect.left() + column;
            if (tx >= 0 && tx < image.width() && fx >= 0 && fx < converted.width())
                to[tx] = src[fx] | 0xFF000000u;
        }
    }
    changed();
}
