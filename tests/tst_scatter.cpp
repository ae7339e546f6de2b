#include "Rasters.h"
#include "ImageCheck.h"
#include "RaisedError.h"

#include "scatter/Scatter.h"
#include "toolkit/Picture.h"

#include <QRandomGenerator>
#include <QTest>

#include <memory>

namespace {

using Counts = std::unique_ptr<ScatterCounts>;


Counts NoCounts()
{
    return std::make_unique<ScatterCounts>();
}

// The 2 x 2 block of the value pair (a, b) in the plot.
QRect Cell(int a, int b)
{
    return QRect(2 * a, 510 - 2 * b, 2, 2);
}

const QList<int> VerticalGrid{100, 200, 300, 400, 500};
const QList<int> HorizontalGrid{411, 311, 211, 111, 11};

bool OnGrid(int x, int y)
{
    return VerticalGrid.contains(x) || HorizontalGrid.contains(y);
}

std::unique_ptr<Picture> ScatterPicture()
{
    return std::make_unique<Picture>(nullptr, QStringLiteral("imgWholeScatter"), QRect(8, 8, 512, 512));
}

// Every pixel off the grid has the colour of its cell; a grid pixel is grey
// where the dotted pen is on and shows its cell elsewhere.
template <typename CellColour>
QString FirstWrongPlotPixel(const QImage &plot, CellColour cellColour)
{
    return FirstRejected(plot, [&](int x, int y, TColor colour) {
        const TColor cell = cellColour(x / 2, (511 - y) / 2);
        return colour == cell || (OnGrid(x, y) && colour == Colours::Grey);
    });
}

// Each grid line has grey dots at both of its ends and gaps between them.
QString FirstBadGridLine(const QImage &plot)
{
    const auto greyBetween = [&](bool vertical, int line, int from, int to) {
        for (int along = from; along <= to; ++along)
            if (PixelAt(plot, vertical ? line : along, vertical ? along : line) == Colours::Grey)
                return true;
        return false;
    };
    for (const bool vertical : {true, false})
        for (const int line : vertical ? VerticalGrid : HorizontalGrid) {
            const QString name = QStringLiteral("%1 = %2").arg(vertical ? 'x' : 'y').arg(line);
            if (!greyBetween(vertical, line, 0, 7) || !greyBetween(vertical, line, 504, 511))
                return QStringLiteral("grid line %1 does not reach both edges").arg(name);
            int grey = 0;
            for (int along = 0; along < 512; ++along)
                grey += PixelAt(plot, vertical ? line : along, vertical ? along : line) == Colours::Grey;
            if (grey == 512)
                return QStringLiteral("grid line %1 is not dotted").arg(name);
        }
    return {};
}

}

class TestScatter : public QObject
{
    Q_OBJECT

private slots:
    void countScatter_data();
    void countScatter();
    void sceneOfOnePairGivesOneWhiteBlock_data();
    void sceneOfOnePairGivesOneWhiteBlock();
    void greyLevel_data();
    void greyLevel();
    void plotOfMaximumFour();
    void emptyRectanglePlotsBlackWithGrid();
    void secondPlotLeavesNothingOfTheFirst();
    void gridIsDrawnOverTheCells();
};

void TestScatter::countScatter_data()
{
    QTest::addColumn<QPoint>("first");
    QTest::addColumn<QPoint>("second");
    QTest::addColumn<int>("total");

    QTest::newRow("whole scene") << QPoint(0, 0) << QPoint(511, 399) << 204800;
    QTest::newRow("single pixel") << QPoint(10, 20) << QPoint(10, 20) << 1;
    QTest::newRow("both corners included") << QPoint(10, 20) << QPoint(12, 21) << 6;
    QTest::newRow("last pixel of the scene") << QPoint(511, 399) << QPoint(511, 399) << 1;
    QTest::newRow("second corner one column left") << QPoint(10, 20) << QPoint(9, 25) << 0;
    QTest::newRow("second corner above") << QPoint(10, 20) << QPoint(15, 19) << 0;
    QTest::newRow("reversed in both") << QPoint(300, 300) << QPoint(100, 100) << 0;
    // Corners outside the scene: only the scene pixels in the rectangle count.
    QTest::newRow("corners beyond every edge") << QPoint(-5, -7) << QPoint(600, 450) << 204800;
    QTest::newRow("over the left edge") << QPoint(-3, 0) << QPoint(1, 0) << 2;
    QTest::newRow("over the bottom right corner") << QPoint(510, 398) << QPoint(513, 402) << 4;
    QTest::newRow("right of and below the scene") << QPoint(600, 450) << QPoint(700, 500) << 0;
    QTest::newRow("left of and above the scene") << QPoint(-100, -100) << QPoint(-1, -1) << 0;
}

void TestScatter::countScatter()
{
    QFETCH(QPoint, first);
    QFETCH(QPoint, second);
    QFETCH(int, total);

    QRandomGenerator random(7);
    const Band band1 = MakeBand([&](int, int) { return random.bounded(256); });
    const Band band2 = MakeBand([&](int, int) { return random.bounded(256); });
    Counts counts = NoCounts();
    (*counts)[3][4] = 99; // left from an earlier count

    CountScatter(*band1, *band2, first, second, *counts);

    Counts expected = NoCounts();
    int expectedTotal = 0;
    for (int y = std::max(first.y(), 0); y <= std::min(second.y(), 399); ++y)
        for (int x = std::max(first.x(), 0); x <= std::min(second.x(), 511); ++x) {
            ++(*expected)[(*band1)[x + 1][y + 1]][(*band2)[x + 1][y + 1]];
            ++expectedTotal;
        }
    QCOMPARE(expectedTotal, total);
    for (int a = 0; a < 256; ++a)
        for (int b = 0; b < 256; ++b)
            if ((*counts)[a][b] != (*expected)[a][b])
                QFAIL(qPrintable(QStringLiteral("pair (%1, %2) counted %3 times, expected %4").arg(a).arg(b).arg((*counts)[a][b]).arg((*expected)[a][b])));
}

void TestScatter::sceneOfOnePairGivesOneWhiteBlock_data()
{
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<QRect>("block");

    QTest::newRow("(0, 0) at the lower left") << 0 << 0 << QRect(0, 510, 2, 2);
    QTest::newRow("(255, 255) at the upper right") << 255 << 255 << QRect(510, 0, 2, 2);
    QTest::newRow("(1, 0), one block right") << 1 << 0 << QRect(2, 510, 2, 2);
    QTest::newRow("(0, 1), one block up") << 0 << 1 << QRect(0, 508, 2, 2);
    QTest::newRow("(17, 203)") << 17 << 203 << QRect(34, 104, 2, 2);
}

void TestScatter::sceneOfOnePairGivesOneWhiteBlock()
{
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(QRect, block);

    const Band band1 = MakeBand([&](int, int) { return a; });
    const Band band2 = MakeBand([&](int, int) { return b; });
    Counts counts = NoCounts();
    CountScatter(*band1, *band2, QPoint(0, 0), QPoint(511, 399), *counts);
    QCOMPARE((*counts)[a][b], 204800);

    const auto picture = ScatterPicture();
    PlotScatter(*counts, picture->canvas());
    QCOMPARE(picture->bitmap().size(), QSize(512, 512));
    const QString wrong = FirstWrongPlotPixel(picture->bitmap(), [&](int cellA, int cellB) { return Cell(cellA, cellB) == block ? Colours::White : Colours::Black; });
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    const QString mismatch = FirstMismatch(picture->bitmap().copy(block), [](int, int) { return Colours::White; });
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));

    // Filling the pair's cell with the brush covers the same block.
    QImage image(512, 512, QImage::Format_RGB32);
    image.fill(ToQRgb(Colours::Black));
    Canvas canvas(image);
    canvas.setBrushColor(Colours::Lime);
    FillScatterCell(canvas, a, b);
    const QString filled = FirstMismatch(image, [&](int x, int y) { return block.contains(x, y) ? Colours::Lime : Colours::Black; });
    QVERIFY2(filled.isEmpty(), qPrintable(filled));
}

void TestScatter::greyLevel_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("level");

    QTest::newRow("empty cell") << 0 << 4 << 0;
    QTest::newRow("count 1 of 4") << 1 << 4 << 0;
    QTest::newRow("count 2 of 4") << 2 << 4 << 128;
    QTest::newRow("count 3 of 4") << 3 << 4 << 202;
    QTest::newRow("count 4 of 4") << 4 << 4 << 255;
    QTest::newRow("maximum of one") << 1 << 1 << 255;
    QTest::newRow("just below the maximum") << 99 << 100 << 255;
    QTest::newRow("empty table") << 0 << 0 << 0;
    QTest::newRow("whole scene in one cell") << 204800 << 204800 << 255;
}

void TestScatter::greyLevel()
{
    QFETCH(int, count);
    QFETCH(int, maximum);
    QFETCH(int, level);

    std::int32_t result = -1;
    QCOMPARE(RaisedError([&] { result = ScatterGreyLevel(count, maximum); }), QString());
    QCOMPARE(result, level);
}

void TestScatter::plotOfMaximumFour()
{
    Counts counts = NoCounts();
    (*counts)[10][10] = 1;
    (*counts)[20][30] = 2;
    (*counts)[40][60] = 3;
    (*counts)[70][80] = 4;

    const auto picture = ScatterPicture();
    PlotScatter(*counts, picture->canvas());

    const QString wrong = FirstWrongPlotPixel(picture->bitmap(), [](int a, int b) -> TColor {
        if (a == 20 && b == 30)
            return 0x808080;
        if (a == 40 && b == 60)
            return 0xCACACA;
        if (a == 70 && b == 80)
            return 0xFFFFFF;
        return 0x000000;
    });
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
}

void TestScatter::emptyRectanglePlotsBlackWithGrid()
{
    const Band band1 = MakeBand([](int x, int) { return x % 256; });
    const Band band2 = MakeBand([](int, int y) { return y % 256; });
    Counts counts = NoCounts();
    const auto picture = ScatterPicture();

    const QString error = RaisedError([&] {
        CountScatter(*band1, *band2, QPoint(200, 100), QPoint(199, 300), *counts);
        PlotScatter(*counts, picture->canvas());
    });
    QCOMPARE(error, QString());

    const QString wrong = FirstWrongPlotPixel(picture->bitmap(), [](int, int) { return Colours::Black; });
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    const QString badGrid = FirstBadGridLine(picture->bitmap());
    QVERIFY2(badGrid.isEmpty(), qPrintable(badGrid));
}

void TestScatter::secondPlotLeavesNothingOfTheFirst()
{
    // Every pair once: every cell of the first plot is white.
    Counts everyPair = NoCounts();
    for (auto &row : *everyPair)
        row.fill(1);
    Counts onePair = NoCounts();
    (*onePair)[123][45] = 3;

    const auto picture = ScatterPicture();
    PlotScatter(*everyPair, picture->canvas());
    PlotScatter(*onePair, picture->canvas());

    const QString wrong = FirstWrongPlotPixel(picture->bitmap(), [](int a, int b) { return a == 123 && b == 45 ? Colours::White : Colours::Black; });
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
}

void TestScatter::gridIsDrawnOverTheCells()
{
    Counts everyPair = NoCounts();
    for (auto &row : *everyPair)
        row.fill(1);

    const auto picture = ScatterPicture();
    PlotScatter(*everyPair, picture->canvas());

    const QString wrong = FirstWrongPlotPixel(picture->bitmap(), [](int, int) { return Colours::White; });
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    const QString badGrid = FirstBadGridLine(picture->bitmap());
    QVERIFY2(badGrid.isEmpty(), qPrintable(badGrid));
    // The grey dotted pen stays set.
    QCOMPARE(picture->canvas().penColor(), Colours::Grey);
    QCOMPARE(picture->canvas().penStyle(), PenStyle::Dotted);
}

QTEST_MAIN(TestScatter)
#include "tst_scatter.moc"
