#pragma once

#include "Colour.h"

#include <QImage>
#include <QRect>

class Picture;

enum class PenStyle { Solid, Dotted };
enum class PenMode { Copy, Invert };

// Drawing on one bitmap in Format_RGB32, with the drawing rules the program
// relies on: a line covers its start point and stops one pixel before its end
// point, everything is clipped to the bitmap, an inverting pen complements
// each pixel it passes. A canvas of a Picture creates the picture's white
// bitmap on first drawing.
class Canvas
{
public:
    explicit Canvas(QImage &image) : image_(&image) { }

    void setPenColor(TColor colour) { penColor_ = colour; }
    TColor penColor() const { return penColor_; }
    void setPenStyle(PenStyle style) { penStyle_ = style; }
    PenStyle penStyle() const { return penStyle_; }
    void setPenMode(PenMode mode) { penMode_ = mode; }
    PenMode penMode() const { return penMode_; }
    void setBrushColor(TColor colour) { brushColor_ = colour; }
    TColor brushColor() const { return brushColor_; }

    void moveTo(int x, int y);
    void lineTo(int x, int y);
    // Fills columns left .. right - 1 and rows top .. bottom - 1 with the brush.
    void fillRect(int left, int top, int right, int bottom);
    void setPixel(int x, int y, TColor colour);
    TColor pixel(int x, int y) const;
    // Plain pixel copy of sourceRect of source into destRect (same size).
    void copyRect(const QRect &destRect, const Canvas &source, const QRect &sourceRect);

    // The bitmap itself, created if the canvas belongs to an empty picture.
    QImage &image() { return target(); }
    // The bitmap, for routines that write whole rows; it must be at least
    // width x height pixels.
    QImage &image(int width, int height);
    void changed();

private:
    friend class Picture;
    explicit Canvas(Picture *owner) : owner_(owner) { }
    QImage &target();
    const QImage *sourceImage() const;
    struct Pixels
    {
        uchar *bits;
        qsizetype bytesPerLine;
        int width;
        int height;
    };
    void plot(const Pixels &pixels, int x, int y, int index);

    QImage *image_ = nullptr;
    Picture *owner_ = nullptr;
    TColor penColor_ = Colours::Black;
    TColor brushColor_ = Colours::White;
    PenStyle penStyle_ = PenStyle::Solid;
    PenMode penMode_ = PenMode::Copy;
    int penX_ = 0;
    int penY_ = 0;
};
