#include "ImageCheck.h"
#include "RaisedError.h"

#include "toolkit/Canvas.h"
#include "toolkit/Extended.h"
#include "toolkit/Picture.h"
#include "toolkit/TextDisplay.h"
#include "unitSetRange/StrToInt.h"

#include <QTest>

#include <cfloat>
#include <cmath>
#include <set>
#include <utility>

namespace {

using PixelSet = std::set<std::pair<int, int>>;

QImage FilledImage(int width, int height, TColor colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(ToQRgb(colour));
    return image;
}


// The pixels of a horizontal, vertical or diagonal line from start, end
// point excluded.
PixelSet StraightLine(QPoint start, QPoint end)
{
    PixelSet pixels;
    const int steps = std::max(std::abs(end.x() - start.x()), std::abs(end.y() - start.y()));
    const int sx = end.x() > start.x() ? 1 : end.x() < start.x() ? -1 : 0;
    const int sy = end.y() > start.y() ? 1 : end.y() < start.y() ? -1 : 0;
    for (int i = 0; i < steps; ++i)
        pixels.emplace(start.x() + i * sx, start.y() + i * sy);
    return pixels;
}

bool Contains(const PixelSet &pixels, int x, int y)
{
    return pixels.count({x, y}) != 0;
}

}

class TestToolkit : public QObject
{
    Q_OBJECT

private slots:
    void lineExcludesItsEndPoint_data();
    void lineExcludesItsEndPoint();
    void polylineContinuesFromEachEndPoint();
    void fillRectExcludesRightAndBottom_data();
    void fillRectExcludesRightAndBottom();
    void linesAndPixelsOutsideTheBitmapAreClipped();
    void coloursAreStoredRedInTheLowByte();
    void invertingOutlineTwiceRestoresTheBitmap();
    void dottedLineTouchesOnlyItsOwnPixels_data();
    void dottedLineTouchesOnlyItsOwnPixels();
    void copyRectCopiesPixelForPixel();

    void firstDrawingCreatesWhiteBitmapOfComponentSize_data();
    void firstDrawingCreatesWhiteBitmapOfComponentSize();
    void readingAndPenSettingsDoNotCreateTheBitmap();
    void assignCopiesTheBitmap();

    void divide_data();
    void divide();
    void logarithm_data();
    void logarithm();
    void truncate_data();
    void truncate();
    void store_data();
    void store();
    void quotientIsRoundedToExtendedBeforeTheProduct();

    void strToInt_data();
    void strToInt();

    void displayText_data();
    void displayText();
};

void TestToolkit::lineExcludesItsEndPoint_data()
{
    QTest::addColumn<QPoint>("start");
    QTest::addColumn<QPoint>("end");

    QTest::newRow("horizontal, to the right") << QPoint(2, 5) << QPoint(9, 5);
    QTest::newRow("horizontal, to the left") << QPoint(9, 5) << QPoint(2, 5);
    QTest::newRow("vertical, downward") << QPoint(4, 1) << QPoint(4, 12);
    QTest::newRow("vertical, upward") << QPoint(4, 12) << QPoint(4, 1);
    QTest::newRow("diagonal, down and right") << QPoint(1, 1) << QPoint(8, 8);
    QTest::newRow("diagonal, up and left") << QPoint(8, 8) << QPoint(1, 1);
    QTest::newRow("diagonal, up and right") << QPoint(2, 10) << QPoint(9, 3);
    QTest::newRow("one pixel long") << QPoint(3, 3) << QPoint(4, 3);
    QTest::newRow("zero length draws nothing") << QPoint(6, 6) << QPoint(6, 6);
}

void TestToolkit::lineExcludesItsEndPoint()
{
    QFETCH(QPoint, start);
    QFETCH(QPoint, end);

    QImage image = FilledImage(16, 16, Colours::White);
    Canvas canvas(image);
    canvas.setPenColor(Colours::Black);
    canvas.moveTo(start.x(), start.y());
    canvas.lineTo(end.x(), end.y());

    const PixelSet line = StraightLine(start, end);
    const QString mismatch = FirstMismatch(image, [&](int x, int y) { return Contains(line, x, y) ? Colours::Black : Colours::White; });
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
}

void TestToolkit::polylineContinuesFromEachEndPoint()
{
    QImage image = FilledImage(12, 12, Colours::White);
    Canvas canvas(image);
    canvas.setPenColor(Colours::Black);
    canvas.moveTo(2, 2);
    canvas.lineTo(8, 2);
    canvas.lineTo(8, 8);

    // The corner (8, 2) is the second line's start point; (8, 8) is no line's.
    PixelSet outline = StraightLine({2, 2}, {8, 2});
    outline.merge(StraightLine({8, 2}, {8, 8}));
    const QString mismatch = FirstMismatch(image, [&](int x, int y) { return Contains(outline, x, y) ? Colours::Black : Colours::White; });
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
}

void TestToolkit::fillRectExcludesRightAndBottom_data()
{
    QTest::addColumn<QRect>("corners"); // left, top, right, bottom as passed to fillRect
    QTest::addColumn<QRect>("filled");

    const auto corners = [](int left, int top, int right, int bottom) { return QRect(QPoint(left, top), QPoint(right, bottom)); };
    QTest::newRow("inside") << corners(2, 3, 5, 7) << QRect(2, 3, 3, 4);
    QTest::newRow("one pixel") << corners(4, 4, 5, 5) << QRect(4, 4, 1, 1);
    QTest::newRow("right equal to left") << corners(4, 4, 4, 9) << QRect();
    QTest::newRow("reversed corners") << corners(8, 8, 2, 2) << QRect();
    QTest::newRow("over the top left edge") << corners(-5, -5, 2, 3) << QRect(0, 0, 2, 3);
    QTest::newRow("over the bottom right edge") << corners(18, 17, 100, 100) << QRect(18, 17, 2, 3);
    QTest::newRow("over the whole bitmap") << corners(-1, -1, 21, 21) << QRect(0, 0, 20, 20);
    QTest::newRow("entirely below and right") << corners(25, 25, 30, 30) << QRect();
    QTest::newRow("entirely left") << corners(-30, 2, -20, 5) << QRect();
    QTest::newRow("starting right of the bitmap") << corners(30, 2, 40, 5) << QRect();
}

void TestToolkit::fillRectExcludesRightAndBottom()
{
    QFETCH(QRect, corners);
    QFETCH(QRect, filled);

    QImage image = FilledImage(20, 20, Colours::White);
    Canvas canvas(image);
    canvas.setBrushColor(Colours::Red);
    canvas.fillRect(corners.left(), corners.top(), corners.right(), corners.bottom());

    const QString mismatch = FirstMismatch(image, [&](int x, int y) { return filled.contains(x, y) ? Colours::Red : Colours::White; });
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
}

void TestToolkit::linesAndPixelsOutsideTheBitmapAreClipped()
{
    QImage image = FilledImage(20, 20, Colours::White);
    Canvas canvas(image);
    canvas.setPenColor(Colours::Black);
    canvas.moveTo(-5, 3);
    canvas.lineTo(25, 3);
    canvas.moveTo(4, -10);
    canvas.lineTo(4, 30);
    canvas.moveTo(-3, -3);
    canvas.lineTo(5, 5);
    canvas.moveTo(-10, -10);
    canvas.lineTo(-1, 30);
    canvas.moveTo(30, 30);
    canvas.lineTo(40, 45);
    for (const QPoint outside : {QPoint(-1, 5), QPoint(20, 5), QPoint(5, -1), QPoint(5, 20), QPoint(-100000, 100000)})
        canvas.setPixel(outside.x(), outside.y(), Colours::Red);

    const QString mismatch = FirstMismatch(image, [](int x, int y) {
        const bool onLine = y == 3 || x == 4 || (x == y && x < 5);
        return onLine ? Colours::Black : Colours::White;
    });
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
}

void TestToolkit::coloursAreStoredRedInTheLowByte()
{
    QImage image = FilledImage(4, 1, Colours::White);
    Canvas canvas(image);
    canvas.setPixel(0, 0, Colours::Red);
    canvas.setPixel(1, 0, Colours::Aqua);
    canvas.setPixel(2, 0, 0x123456);
    canvas.setPixel(3, 0, GreyLevel(202));

    QCOMPARE(image.pixel(0, 0), qRgb(255, 0, 0));
    QCOMPARE(image.pixel(1, 0), qRgb(0, 255, 255));
    QCOMPARE(image.pixel(2, 0), qRgb(0x56, 0x34, 0x12));
    QCOMPARE(image.pixel(3, 0), qRgb(202, 202, 202));
    QCOMPARE(canvas.pixel(2, 0), TColor{0x123456});
}

void TestToolkit::invertingOutlineTwiceRestoresTheBitmap()
{
    const QImage original = PatternImage(16, 16);
    QImage image = original;
    Canvas canvas(image);
    canvas.setPenMode(PenMode::Invert);

    // The rubber band: two polylines from the fixed corner s to the far corner p.
    const QPoint s(3, 4);
    const QPoint p(12, 10);
    const auto outline = [&] {
        canvas.moveTo(s.x(), s.y());
        canvas.lineTo(p.x(), s.y());
        canvas.lineTo(p.x(), p.y());
        canvas.moveTo(s.x(), s.y());
        canvas.lineTo(s.x(), p.y());
        canvas.lineTo(p.x(), p.y());
    };

    outline();
    // s lies on both first lines and is inverted twice; p lies on no line.
    const auto onOutline = [&](int x, int y) {
        const bool edge = ((y == s.y() || y == p.y()) && x >= s.x() && x <= p.x()) || ((x == s.x() || x == p.x()) && y >= s.y() && y <= p.y());
        return edge && QPoint(x, y) != s && QPoint(x, y) != p;
    };
    QString mismatch = FirstMismatch(image, [&](int x, int y) { return onOutline(x, y) ? ~Pattern(x, y) & 0xFFFFFFu : Pattern(x, y); });
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));

    outline();
    mismatch = FirstMismatch(image, [&](int x, int y) { return Pattern(x, y); });
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
}

void TestToolkit::dottedLineTouchesOnlyItsOwnPixels_data()
{
    QTest::addColumn<QPoint>("start");
    QTest::addColumn<QPoint>("end");

    QTest::newRow("horizontal, over the full width") << QPoint(0, 7) << QPoint(40, 7);
    QTest::newRow("vertical, over the full height") << QPoint(5, 0) << QPoint(5, 24);
    QTest::newRow("diagonal") << QPoint(30, 2) << QPoint(10, 22);
}

void TestToolkit::dottedLineTouchesOnlyItsOwnPixels()
{
    QFETCH(QPoint, start);
    QFETCH(QPoint, end);

    QImage image = FilledImage(40, 24, Colours::Grey);
    Canvas canvas(image);
    canvas.setPenColor(Colours::Red);
    canvas.setPenStyle(PenStyle::Dotted);
    canvas.moveTo(start.x(), start.y());
    canvas.lineTo(end.x(), end.y());

    const PixelSet line = StraightLine(start, end);
    // The gaps keep what lies beneath.
    const QString rejected = FirstRejected(image, [&](int x, int y, TColor colour) {
        return colour == Colours::Grey || (colour == Colours::Red && Contains(line, x, y));
    });
    QVERIFY2(rejected.isEmpty(), qPrintable(rejected));

    QCOMPARE(PixelAt(image, start.x(), start.y()), Colours::Red);
    int dots = 0;
    int gaps = 0;
    for (const auto &[x, y] : line)
        (PixelAt(image, x, y) == Colours::Red ? dots : gaps) += 1;
    QVERIFY2(dots > 0 && gaps > 0, "a dotted line has both dots and gaps");
    // The dots go on to the end of the line: one lies among its last eight pixels.
    const int steps = static_cast<int>(line.size());
    const int sx = end.x() > start.x() ? 1 : end.x() < start.x() ? -1 : 0;
    const int sy = end.y() > start.y() ? 1 : end.y() < start.y() ? -1 : 0;
    bool dotNearEnd = false;
    for (int i = steps - 8; i < steps; ++i)
        dotNearEnd = dotNearEnd || PixelAt(image, start.x() + i * sx, start.y() + i * sy) == Colours::Red;
    QVERIFY(dotNearEnd);
}

void TestToolkit::copyRectCopiesPixelForPixel()
{
    QImage sourceImage = PatternImage(10, 10);
    Canvas source(sourceImage);
    Picture target(nullptr, QStringLiteral("target"), QRect(0, 0, 12, 12));

    target.canvas().copyRect(QRect(2, 3, 4, 5), source, QRect(1, 1, 4, 5));
    // Over the edge of the target: only its 2 x 2 corner receives pixels.
    target.canvas().copyRect(QRect(10, 10, 5, 5), source, QRect(0, 0, 5, 5));

    const QString mismatch = FirstMismatch(target.bitmap(), [](int x, int y) {
        if (QRect(2, 3, 4, 5).contains(x, y))
            return Pattern(x - 1, y - 2);
        if (x >= 10 && y >= 10)
            return Pattern(x - 10, y - 10);
        return Colours::White;
    });
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
}

enum class FirstDrawing { Pixel, Line, Fill, Copy };
Q_DECLARE_METATYPE(FirstDrawing)

void TestToolkit::firstDrawingCreatesWhiteBitmapOfComponentSize_data()
{
    QTest::addColumn<FirstDrawing>("drawing");

    QTest::newRow("set a pixel") << FirstDrawing::Pixel;
    QTest::newRow("draw a line") << FirstDrawing::Line;
    QTest::newRow("fill a rectangle") << FirstDrawing::Fill;
    QTest::newRow("copy a rectangle") << FirstDrawing::Copy;
}

void TestToolkit::firstDrawingCreatesWhiteBitmapOfComponentSize()
{
    QFETCH(FirstDrawing, drawing);

    Picture picture(nullptr, QStringLiteral("picture"), QRect(8, 8, 37, 23));
    QVERIFY(picture.isEmpty());
    QImage sourceImage = FilledImage(3, 3, Colours::Blue);
    Canvas source(sourceImage);

    Canvas &canvas = picture.canvas();
    canvas.setPenColor(Colours::Blue);
    canvas.setBrushColor(Colours::Blue);
    switch (drawing) {
    case FirstDrawing::Pixel:
        canvas.setPixel(5, 6, Colours::Blue);
        break;
    case FirstDrawing::Line:
        canvas.moveTo(5, 6);
        canvas.lineTo(6, 6);
        break;
    case FirstDrawing::Fill:
        canvas.fillRect(5, 6, 6, 7);
        break;
    case FirstDrawing::Copy:
        canvas.copyRect(QRect(5, 6, 1, 1), source, QRect(0, 0, 1, 1));
        break;
    }

    QCOMPARE(picture.bitmap().size(), QSize(37, 23));
    const QString mismatch = FirstMismatch(picture.bitmap(), [](int x, int y) { return x == 5 && y == 6 ? Colours::Blue : Colours::White; });
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
}

void TestToolkit::readingAndPenSettingsDoNotCreateTheBitmap()
{
    Picture picture(nullptr, QStringLiteral("picture"), QRect(0, 0, 10, 10));
    Canvas &canvas = picture.canvas();
    canvas.setPenColor(Colours::Red);
    canvas.setPenStyle(PenStyle::Dotted);
    canvas.setPenMode(PenMode::Invert);
    canvas.setBrushColor(Colours::Red);
    canvas.moveTo(3, 3);
    canvas.pixel(3, 3);
    QVERIFY(picture.isEmpty());
}

void TestToolkit::assignCopiesTheBitmap()
{
    Picture first(nullptr, QStringLiteral("first"), QRect(0, 0, 6, 4));
    Picture second(nullptr, QStringLiteral("second"), QRect(0, 0, 9, 7));
    Picture empty(nullptr, QStringLiteral("empty"), QRect(0, 0, 6, 4));
    first.canvas().setPixel(1, 2, Colours::Red);

    second.assign(first);
    QCOMPARE(second.bitmap(), first.bitmap());

    // The copy is a copy: drawing on either leaves the other alone.
    second.canvas().setPixel(3, 3, Colours::Lime);
    first.canvas().setPixel(0, 0, Colours::Blue);
    QCOMPARE(PixelAt(first.bitmap(), 3, 3), Colours::White);
    QCOMPARE(PixelAt(second.bitmap(), 0, 0), Colours::White);
    QCOMPARE(PixelAt(second.bitmap(), 1, 2), Colours::Red);

    // An empty picture empties the target; its next drawing starts afresh at
    // the target's own size.
    second.assign(empty);
    QVERIFY(second.isEmpty());
    second.canvas().setPixel(8, 6, Colours::Red);
    QCOMPARE(second.bitmap().size(), QSize(9, 7));
    QCOMPARE(PixelAt(second.bitmap(), 1, 2), Colours::White);
}

void TestToolkit::divide_data()
{
    QTest::addColumn<double>("dividend");
    QTest::addColumn<double>("divisor");
    QTest::addColumn<double>("quotient");
    QTest::addColumn<QString>("error");

    QTest::newRow("ordinary") << 1.0 << 4.0 << 0.25 << QString();
    QTest::newRow("positive by zero") << 1.0 << 0.0 << 0.0 << Texts::ZeroDivide;
    QTest::newRow("negative by zero") << -5.0 << 0.0 << 0.0 << Texts::ZeroDivide;
    QTest::newRow("by negative zero") << 3.0 << -0.0 << 0.0 << Texts::ZeroDivide;
    QTest::newRow("zero by zero") << 0.0 << 0.0 << 0.0 << Texts::InvalidOperation;
}

void TestToolkit::divide()
{
    QFETCH(double, dividend);
    QFETCH(double, divisor);
    QFETCH(double, quotient);
    QFETCH(QString, error);

    Extended result = 0;
    QCOMPARE(RaisedError([&] { result = Fpu::Divide(dividend, divisor); }), error);
    if (error.isEmpty())
        QCOMPARE(static_cast<double>(result), quotient);
}

void TestToolkit::logarithm_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("error");

    QTest::newRow("of one") << 1.0 << QString();
    QTest::newRow("of a tiny positive number") << 1e-300 << QString();
    QTest::newRow("of zero") << 0.0 << Texts::ZeroDivide;
    QTest::newRow("of a negative number") << -1.0 << Texts::InvalidOperation;
}

void TestToolkit::logarithm()
{
    QFETCH(double, value);
    QFETCH(QString, error);

    Extended result = 0;
    QCOMPARE(RaisedError([&] { result = Fpu::Ln(value); }), error);
    if (error.isEmpty())
        QVERIFY(result == std::log(Extended{value}));
}

void TestToolkit::truncate_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("truncated");
    QTest::addColumn<QString>("error");

    QTest::newRow("positive fraction") << 127.999 << 127 << QString();
    QTest::newRow("negative fraction") << -127.9 << -127 << QString();
    QTest::newRow("small negative") << -0.5 << 0 << QString();
    QTest::newRow("largest value") << 2147483647.0 << 2147483647 << QString();
    QTest::newRow("just below the upper limit") << 2147483647.99 << 2147483647 << QString();
    QTest::newRow("upper limit") << 2147483648.0 << 0 << Texts::InvalidOperation;
    QTest::newRow("smallest value") << -2147483648.0 << -2147483647 - 1 << QString();
    QTest::newRow("just above the lower limit") << -2147483648.99 << -2147483647 - 1 << QString();
    QTest::newRow("lower limit") << -2147483649.0 << 0 << Texts::InvalidOperation;
    QTest::newRow("far beyond, positive") << 1e10 << 0 << Texts::InvalidOperation;
    QTest::newRow("far beyond, negative") << -1e10 << 0 << Texts::InvalidOperation;
    QTest::newRow("not a number") << std::nan("") << 0 << Texts::InvalidOperation;
}

void TestToolkit::truncate()
{
    QFETCH(double, value);
    QFETCH(int, truncated);
    QFETCH(QString, error);

    std::int32_t result = 0;
    QCOMPARE(RaisedError([&] { result = Fpu::Trunc(value); }), error);
    if (error.isEmpty())
        QCOMPARE(result, truncated);
}

void TestToolkit::store_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<float>("stored");
    QTest::addColumn<QString>("error");

    QTest::newRow("largest float") << double{FLT_MAX} << FLT_MAX << QString();
    QTest::newRow("beyond the float range") << 3.5e38 << 0.0f << Texts::Overflow;
    // The largest float plus half its last place is a tie that goes to 2^128.
    QTest::newRow("just short of half a place above the largest") << std::ldexp(double(0x1FFFFFF), 103) - std::ldexp(1.0, 90) << FLT_MAX << QString();
    QTest::newRow("half a place above the largest") << std::ldexp(double(0x1FFFFFF), 103) << 0.0f << Texts::Overflow;
    QTest::newRow("half a place below the most negative") << -std::ldexp(double(0x1FFFFFF), 103) << 0.0f << Texts::Overflow;
    QTest::newRow("far beyond, negative") << -1e300 << 0.0f << Texts::Overflow;
    QTest::newRow("underflow passes") << 1e-50 << 0.0f << QString();
    // Above 2^24 the spacing is 2; halfway cases go to the even significand.
    QTest::newRow("halfway, down to even") << 16777217.0 << 16777216.0f << QString();
    QTest::newRow("halfway, up to even") << 16777219.0 << 16777220.0f << QString();
    QTest::newRow("above halfway rounds up") << 16777217.5 << 16777218.0f << QString();
}

void TestToolkit::store()
{
    QFETCH(double, value);
    QFETCH(float, stored);
    QFETCH(QString, error);

    float result = 0;
    QCOMPARE(RaisedError([&] { result = Fpu::Store(value); }), error);
    if (error.isEmpty())
        QCOMPARE(result, stored);
}

void TestToolkit::quotientIsRoundedToExtendedBeforeTheProduct()
{
    // 256 / 90 rounds to just below 128 / 45 with a 64-bit significand, so the
    // product lies just below 128; in double it would round up to 128.
    QCOMPARE(Fpu::Trunc(Fpu::Divide(256, 90) * 45), 127);
}

void TestToolkit::strToInt_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("value");

    QTest::newRow("digits") << "30" << true << 30;
    QTest::newRow("two leading spaces") << "  30" << true << 30;
    QTest::newRow("trailing space") << "30 " << false << 0;
    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("only a space") << " " << false << 0;
    QTest::newRow("leading tab") << "\t30" << false << 0;
    QTest::newRow("space inside") << "3 0" << false << 0;
    QTest::newRow("hexadecimal, upper case") << "$FF" << true << 255;
    QTest::newRow("hexadecimal, lower case") << "$ff" << true << 255;
    QTest::newRow("hexadecimal after spaces") << " $1a" << true << 26;
    QTest::newRow("plus sign") << "+7" << true << 7;
    QTest::newRow("minus sign") << "-7" << true << -7;
    QTest::newRow("minus zero") << "-0" << true << 0;
    QTest::newRow("sign before hexadecimal") << "-$10" << false << 0;
    QTest::newRow("sign after dollar") << "$-1" << false << 0;
    QTest::newRow("space after sign") << "- 7" << false << 0;
    QTest::newRow("smallest integer") << "-2147483648" << true << -2147483647 - 1;
    QTest::newRow("largest integer") << "2147483647" << true << 2147483647;
    QTest::newRow("one above the largest") << "2147483648" << false << 0;
    QTest::newRow("one below the smallest") << "-2147483649" << false << 0;
    QTest::newRow("twenty digits") << "99999999999999999999" << false << 0;
    QTest::newRow("leading zeros") << "000000000000000042" << true << 42;
    QTest::newRow("all ones in hexadecimal") << "$FFFFFFFF" << true << -1;
    QTest::newRow("high bit in hexadecimal") << "$80000000" << true << -2147483647 - 1;
    QTest::newRow("hexadecimal beyond 32 bits") << "$100000000" << false << 0;
    QTest::newRow("leading zeros in hexadecimal") << "$0000000000FF" << true << 255;
    QTest::newRow("full-width digits") << "３０" << false << 0;
    QTest::newRow("decimal point") << "1.5" << false << 0;
    QTest::newRow("letters") << "abc" << false << 0;
    QTest::newRow("hexadecimal letter without dollar") << "1F" << false << 0;
    QTest::newRow("sign alone") << "+" << false << 0;
    QTest::newRow("dollar alone") << "$" << false << 0;
    QTest::newRow("hexadecimal with a bad digit") << "$FG" << false << 0;
}

void TestToolkit::strToInt()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(int, value);

    std::int32_t result = 0;
    const QString error = RaisedError([&] { result = StrToInt(text); });
    if (valid) {
        QCOMPARE(error, QString());
        QCOMPARE(result, value);
    } else {
        QCOMPARE(error, QStringLiteral("'") + text + QStringLiteral("' は整数ではありません"));
    }
}

void TestToolkit::displayText_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("shown");

    QTest::newRow("blanks kept") << QByteArray("B4  ") << QStringLiteral("B4  ");
    QTest::newRow("zero bytes shown") << QByteArray("B\0\0\0", 4) << QString::fromUtf16(u"B\u2400\u2400\u2400");
    QTest::newRow("control bytes and delete") << QByteArray("\x01\x09\x1f\x7f") << QString::fromUtf16(u"\u2401\u2409\u241F\u2421");
    QTest::newRow("half-width katakana") << QByteArray("\xb1\xdd") << QString::fromUtf16(u"\uFF71\uFF9D");
    QTest::newRow("kanji") << QByteArray("\x93\xfa\x96\x7b") << QString::fromUtf16(u"\u65E5\u672C");
    QTest::newRow("kanji between zero bytes") << QByteArray("\0\x93\xfa\0", 4) << QString::fromUtf16(u"\u2400\u65E5\u2400");
    QTest::newRow("byte that is no character") << QByteArray("A\xa0Z") << QString::fromUtf16(u"A\uFFFDZ");
    QTest::newRow("lead byte without its trail byte") << QByteArray("\x82 A") << QString::fromUtf16(u"\uFFFD A");
    QTest::newRow("lead byte at the end") << QByteArray("AB\x82") << QString::fromUtf16(u"AB\uFFFD");
    QTest::newRow("lead byte before a zero byte") << QByteArray("\x82\0", 2) << QString::fromUtf16(u"\uFFFD\u2400");
}

void TestToolkit::displayText()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);

    QCOMPARE(DisplayText(bytes), shown);
}

QTEST_MAIN(TestToolkit)
#include "tst_toolkit.moc"
