#include "Rasters.h"
#include "ImageCheck.h"
#include "RaisedError.h"

#include "scene/BandFile.h"
#include "scene/Stretch.h"
#include "toolkit/Picture.h"
#include "unitSetRange/BandHistogram.h"

#include <QFile>
#include <QMap>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <climits>
#include <memory>
#include <numeric>
#include <unistd.h>

namespace {

const QString FileNotFound = QStringLiteral("ﾌｧｲﾙが見つかりません");
const QString InvalidFileName = QStringLiteral("不正なﾌｧｲﾙ名です");
const QString AccessDenied = QStringLiteral("ﾌｧｲﾙへのｱｸｾｽが拒否されました");
const QString ReadBeyondEnd = QStringLiteral("ﾌｧｲﾙの末尾以降を読み込みました");

constexpr int CompleteFileSize = 205312;

// What a made band file holds: at every offset a byte that differs from its
// neighbours, in the header and in the pixels, so that a byte that lands in
// the wrong place shows.
std::uint8_t FileByte(int offset)
{
    if (offset < HeaderSize)
        return static_cast<std::uint8_t>(offset * 7 + 1);
    const int pixel = offset - HeaderSize;
    const int column = pixel % SceneWidth;
    const int line = pixel / SceneWidth;
    return static_cast<std::uint8_t>(column * 5 + line * 11 + (column >> 8) * 101);
}

QByteArray MadeFileBytes(int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (int offset = 0; offset < size; ++offset)
        bytes[offset] = static_cast<char>(FileByte(offset));
    return bytes;
}

// The contents that a header and a raster hold before a read, different
// from what any file gives them.
std::uint8_t OldHeaderByte(int index)
{
    return static_cast<std::uint8_t>(index * 3 + 0xA5);
}

std::uint8_t OldCell(int i, int j)
{
    return static_cast<std::uint8_t>(i * 3 + j * 7 + 0x55);
}

struct BandBuffers
{
    HeaderBuffer header{};
    BandRaster raster{};

    BandBuffers()
    {
        for (int index = 0; index < HeaderSize; ++index)
            header[static_cast<std::size_t>(index)] = OldHeaderByte(index);
        for (int i = 0; i <= SceneWidth; ++i)
            for (int j = 0; j <= SceneHeight; ++j)
                raster[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)] = OldCell(i, j);
    }
};

// The first header byte or raster cell that does not hold what a read of the
// first `readBytes` bytes of a made file must leave there.
QString FirstWrongByte(const BandBuffers &buffers, int readBytes)
{
    for (int index = 0; index < HeaderSize; ++index) {
        const std::uint8_t expected = index < readBytes ? FileByte(index) : OldHeaderByte(index);
        const std::uint8_t actual = buffers.header[static_cast<std::size_t>(index)];
        if (actual != expected)
            return QStringLiteral("header byte %1 is %2, expected %3").arg(index).arg(actual).arg(expected);
    }
    for (int j = 0; j <= SceneHeight; ++j)
        for (int i = 0; i <= SceneWidth; ++i) {
            const int offset = HeaderSize + (j - 1) * SceneWidth + (i - 1);
            const bool fromFile = i >= 1 && j >= 1 && offset < readBytes;
            const std::uint8_t expected = fromFile ? FileByte(offset) : OldCell(i, j);
            const std::uint8_t actual = buffers.raster[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)];
            if (actual != expected)
                return QStringLiteral("cell [%1][%2] is %3, expected %4").arg(i).arg(j).arg(actual).arg(expected);
        }
    return {};
}

bool WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}


QString SamplePath(const QString &scene, const QString &file)
{
    return QStringLiteral(SORVANE_SOURCE_DIR "/samples/") + scene + QLatin1Char('/') + file;
}

const QList<int> GridColumns{50, 100, 150, 200, 250};

}

class TestScene : public QObject
{
    Q_OBJECT

private slots:
    void readBandFile_data();
    void readBandFile();
    void readBandFileOpenErrors_data();
    void readBandFileOpenErrors();
    void readBandFileUnreadable();
    void headerTextKeepsEveryByte_data();
    void headerTextKeepsEveryByte();
    void sampleScenes_data();
    void sampleScenes();

    void stretchValue_data();
    void stretchValue();
    void stretchTableAgreesWithStretchValue_data();
    void stretchTableAgreesWithStretchValue();

    void compositeColours_data();
    void compositeColours();
    void compositeWithEqualBoundsSetsNoPixel_data();
    void compositeWithEqualBoundsSetsNoPixel();
    void compositeFailingMidwayKeepsEarlierPixels();

    void bandHistogramCountsSceneCellsOnly();
    void histogramOfOneValue();
    void histogramBarHeights();
};

void TestScene::readBandFile_data()
{
    QTest::addColumn<int>("fileSize");
    QTest::addColumn<QString>("error");

    QTest::newRow("exact size") << CompleteFileSize << QString();
    QTest::newRow("longer, excess ignored") << CompleteFileSize + 1000 << QString();
    QTest::newRow("one byte short") << CompleteFileSize - 1 << ReadBeyondEnd;
    QTest::newRow("ends inside a line") << HeaderSize + 200 * SceneWidth + 17 << ReadBeyondEnd;
    QTest::newRow("header only") << HeaderSize << ReadBeyondEnd;
    QTest::newRow("shorter than the header") << 100 << ReadBeyondEnd;
    QTest::newRow("empty") << 0 << ReadBeyondEnd;
}

void TestScene::readBandFile()
{
    QFETCH(int, fileSize);
    QFETCH(QString, error);

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("band.bsq"));
    QVERIFY(WriteFile(path, MadeFileBytes(fileSize)));

    auto buffers = std::make_unique<BandBuffers>();
    QCOMPARE(RaisedError([&] { ReadBandFile(path, buffers->header, buffers->raster); }), error);

    // The bytes read before the end stand, the rest keep their old contents,
    // and column 0 and line 0 are never written.
    const QString wrong = FirstWrongByte(*buffers, std::min(fileSize, CompleteFileSize));
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
}

void TestScene::readBandFileOpenErrors_data()
{
    QTest::addColumn<QString>("name"); // relative to a folder that holds band.bsq
    QTest::addColumn<QString>("error");

    QTest::newRow("missing file") << "none.bsq" << FileNotFound;
    QTest::newRow("missing folder") << "nowhere/band.bsq" << InvalidFileName;
    QTest::newRow("a folder") << "." << AccessDenied;
    QTest::newRow("a file taken as a folder") << "band.bsq/band.bsq" << InvalidFileName;
}

void TestScene::readBandFileOpenErrors()
{
    QFETCH(QString, name);
    QFETCH(QString, error);

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QVERIFY(WriteFile(folder.filePath(QStringLiteral("band.bsq")), MadeFileBytes(CompleteFileSize)));

    auto buffers = std::make_unique<BandBuffers>();
    QCOMPARE(RaisedError([&] { ReadBandFile(folder.filePath(name), buffers->header, buffers->raster); }), error);
    const QString wrong = FirstWrongByte(*buffers, 0);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
}

void TestScene::readBandFileUnreadable()
{
    if (::geteuid() == 0)
        QSKIP("the superuser reads every file");
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("band.bsq"));
    QVERIFY(WriteFile(path, MadeFileBytes(CompleteFileSize)));
    QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));

    auto buffers = std::make_unique<BandBuffers>();
    QCOMPARE(RaisedError([&] { ReadBandFile(path, buffers->header, buffers->raster); }), AccessDenied);
    const QString wrong = FirstWrongByte(*buffers, 0);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
}

void TestScene::headerTextKeepsEveryByte_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<QByteArray>("field");

    QTest::newRow("blanks") << 40 << QByteArray("B4  ");
    QTest::newRow("only blanks") << 24 << QByteArray("    ");
    QTest::newRow("zero bytes inside") << 88 << QByteArray("15\0\0\0 \0", 7);
    QTest::newRow("only zero bytes") << 208 << QByteArray(8, '\0');
    QTest::newRow("zero byte first") << 113 << QByteArray("\0" "038-034 ", 9);
    QTest::newRow("Shift-JIS bytes") << 180 << QByteArray("\x93\xfa\x96\x7b\xb1\xb2\x00\x20", 8);
    QTest::newRow("last bytes of the header") << 508 << QByteArray("\0\xff\0\xff", 4);
    QTest::newRow("whole header") << 0 << QByteArray(512, '\0');
    QTest::newRow("no bytes") << 16 << QByteArray();
}

void TestScene::headerTextKeepsEveryByte()
{
    QFETCH(int, offset);
    QFETCH(QByteArray, field);

    HeaderBuffer header;
    header.fill('x');
    std::copy(field.begin(), field.end(), header.begin() + offset);

    const QByteArray text = HeaderText(header, offset, static_cast<int>(field.size()));
    QCOMPARE(text.size(), field.size());
    QCOMPARE(text, field);
}

void TestScene::sampleScenes_data()
{
    QTest::addColumn<QString>("scene");
    QTest::addColumn<QByteArrayList>("fields"); // offsets 0, 16, 24, 40, 88, 113, 180, 208
    QTest::addColumn<QByteArray>("bandName2");
    QTest::addColumn<QList<int>>("band1Bins"); // 16 bins of 16 values

    QTest::newRow("Zion, Landsat 8")
        << "zion_l8_150818"
        << QByteArrayList{"0000", "0950", "1/1 ", "B4  ", "150818 ", "038-034  ", "LANDSAT8", "OLI     "} << QByteArray("B5  ")
        << QList<int>{670, 1573, 4257, 10476, 19850, 26228, 27743, 27376, 29374, 28063, 16926, 6736, 2739, 1385, 815, 589};
    QTest::newRow("Virginia, Sentinel-2")
        << "virginia_s2_160112"
        << QByteArrayList{"0150", "0250", "1/1 ", "B5  ", "160112 ", "T18SVG   ", "S2A     ", "MSI     "} << QByteArray("B8A ")
        << QList<int>{26522, 52169, 53714, 13133, 9072, 16215, 20187, 8630, 2272, 719, 436, 368, 315, 258, 284, 506};
    QTest::newRow("Florida, Landsat 8")
        << "florida_l8_150804"
        << QByteArrayList{"2398", "2232", "1/1 ", "B4  ", "150804 ", "020-039  ", "LANDSAT8", "OLI     "} << QByteArray("B5  ")
        << QList<int>{36408, 29987, 28986, 29515, 26314, 19766, 13573, 8300, 4837, 2913, 1604, 991, 561, 412, 261, 372};
}

void TestScene::sampleScenes()
{
    QFETCH(QString, scene);
    QFETCH(QByteArrayList, fields);
    QFETCH(QByteArray, bandName2);
    QFETCH(QList<int>, band1Bins);

    HeaderBuffer header{};
    auto band1 = std::make_unique<BandRaster>();
    auto band2 = std::make_unique<BandRaster>();
    QCOMPARE(RaisedError([&] { ReadBandFile(SamplePath(scene, QStringLiteral("band1.bsq")), header, *band1); }), QString());

    const int offsets[] = {0, 16, 24, 40, 88, 113, 180, 208};
    for (int k = 0; k < 8; ++k)
        QCOMPARE(HeaderText(header, offsets[k], static_cast<int>(fields[k].size())), fields[k]);

    const HistogramCounts counts = BandHistogram(*band1);
    QList<int> bins(16, 0);
    for (int value = 0; value < 256; ++value)
        bins[value / 16] += counts[static_cast<std::size_t>(value)];
    QCOMPARE(bins, band1Bins);

    QCOMPARE(RaisedError([&] { ReadBandFile(SamplePath(scene, QStringLiteral("band2.bsq")), header, *band2); }), QString());
    QCOMPARE(HeaderText(header, 40, 4), bandName2);
}

void TestScene::stretchValue_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("lower");
    QTest::addColumn<int>("upper");
    QTest::addColumn<int>("stretched");
    QTest::addColumn<QString>("error");

    QTest::newRow("preset bounds, 0") << 0 << 0 << 255 << 0 << QString();
    QTest::newRow("preset bounds, 128") << 128 << 0 << 255 << 128 << QString();
    QTest::newRow("preset bounds, 254") << 254 << 0 << 255 << 254 << QString();
    QTest::newRow("preset bounds, 255 clamped from 256") << 255 << 0 << 255 << 255 << QString();

    QTest::newRow("50 to 100, below") << 10 << 50 << 100 << 0 << QString();
    QTest::newRow("50 to 100, at the lower bound") << 50 << 50 << 100 << 0 << QString();
    QTest::newRow("50 to 100, middle") << 75 << 50 << 100 << 128 << QString();
    QTest::newRow("50 to 100, 99") << 99 << 50 << 100 << 250 << QString();
    QTest::newRow("50 to 100, at the upper bound") << 100 << 50 << 100 << 255 << QString();
    QTest::newRow("50 to 100, above") << 200 << 50 << 100 << 255 << QString();

    QTest::newRow("inverted, 255") << 255 << 200 << 100 << 0 << QString();
    QTest::newRow("inverted, at the lower bound") << 200 << 200 << 100 << 0 << QString();
    QTest::newRow("inverted, 199") << 199 << 200 << 100 << 2 << QString();
    QTest::newRow("inverted, middle") << 150 << 200 << 100 << 128 << QString();
    QTest::newRow("inverted, 101") << 101 << 200 << 100 << 253 << QString();
    QTest::newRow("inverted, at the upper bound") << 100 << 200 << 100 << 255 << QString();
    QTest::newRow("inverted, 0") << 0 << 200 << 100 << 255 << QString();

    // 256 / d rounded to 64 bits lies just below the exact quotient.
    QTest::newRow("0 to 90, 45 gives 127") << 45 << 0 << 90 << 127 << QString();
    QTest::newRow("0 to 90, 90") << 90 << 0 << 90 << 255 << QString();
    QTest::newRow("width 82, half way gives 127") << 41 << 0 << 82 << 127 << QString();
    QTest::newRow("width 164, quarter way gives 63") << 51 << 10 << 174 << 63 << QString();

    QTest::newRow("equal bounds") << 100 << 100 << 100 << 0 << Texts::ZeroDivide;
    QTest::newRow("equal bounds, all zero") << 0 << 0 << 0 << 0 << Texts::ZeroDivide;
    QTest::newRow("bounds in the millions") << 0 << -10000000 << -9999999 << 0 << Texts::InvalidOperation;
    QTest::newRow("bounds in the millions, below zero") << 255 << 10000000 << 10000001 << 0 << Texts::InvalidOperation;

    // The differences of bounds at the ends of the integer range are exact.
    QTest::newRow("widest bounds") << 0 << INT_MIN << INT_MAX << 128 << QString();
    QTest::newRow("widest bounds, inverted") << 255 << INT_MAX << INT_MIN << 127 << QString();
    QTest::newRow("lower bound at the largest integer") << 0 << INT_MAX << 0 << 255 << QString();
    QTest::newRow("upper bound at the smallest integer") << 255 << 0 << INT_MIN << 0 << QString();
}

void TestScene::stretchValue()
{
    QFETCH(int, value);
    QFETCH(int, lower);
    QFETCH(int, upper);
    QFETCH(int, stretched);
    QFETCH(QString, error);

    std::int32_t result = -1;
    QCOMPARE(RaisedError([&] { result = StretchValue(value, lower, upper); }), error);
    if (error.isEmpty())
        QCOMPARE(result, stretched);
}

void TestScene::stretchTableAgreesWithStretchValue_data()
{
    QTest::addColumn<int>("lower");
    QTest::addColumn<int>("upper");

    QTest::newRow("preset bounds") << 0 << 255;
    QTest::newRow("narrow") << 50 << 100;
    QTest::newRow("inverted") << 200 << 100;
    QTest::newRow("0 to 90") << 0 << 90;
    QTest::newRow("fails from value 8 on") << -8388600 << -8388599;
    QTest::newRow("equal bounds") << 100 << 100;
}

void TestScene::stretchTableAgreesWithStretchValue()
{
    QFETCH(int, lower);
    QFETCH(int, upper);

    const StretchTable table(lower, upper);
    for (int value = 0; value < 256; ++value) {
        std::int32_t one = -1;
        std::int32_t bulk = -2;
        const QString oneError = RaisedError([&] { one = StretchValue(value, lower, upper); });
        const QString bulkError = RaisedError([&] { bulk = table[static_cast<BandValue>(value)]; });
        QVERIFY2(oneError == bulkError && (!oneError.isEmpty() || one == bulk), qPrintable(QStringLiteral("value %1").arg(value)));
    }
}

void TestScene::compositeColours_data()
{
    QTest::addColumn<int>("lower1");
    QTest::addColumn<int>("upper1");
    QTest::addColumn<int>("lower2");
    QTest::addColumn<int>("upper2");

    QTest::newRow("preset bounds") << 0 << 255 << 0 << 255;
    QTest::newRow("narrow band 1, inverted band 2") << 50 << 100 << 200 << 100;
    QTest::newRow("0 to 90 for both") << 0 << 90 << 0 << 90;
}

void TestScene::compositeColours()
{
    QFETCH(int, lower1);
    QFETCH(int, upper1);
    QFETCH(int, lower2);
    QFETCH(int, upper2);

    // Corner pixels hold pairs of their own, so that a shifted scene shows.
    const auto value1 = [](int x, int y) { return x == 0 && y == 0 ? 255 : x == 511 && y == 399 ? 0 : x == 100 && y == 200 ? 128 : (x + 2 * y) % 256; };
    const auto value2 = [](int x, int y) { return x == 0 && y == 0 ? 0 : x == 511 && y == 399 ? 255 : x == 100 && y == 200 ? 128 : (3 * x + y) % 256; };
    const Band band1 = MakeBand(value1);
    const Band band2 = MakeBand(value2);
    Picture picture(nullptr, QStringLiteral("imgColorImage"), QRect(8, 8, 512, 400));

    DrawComposite(*band1, *band2, StretchTable(lower1, upper1), StretchTable(lower2, upper2), picture.canvas());

    QCOMPARE(picture.bitmap().size(), QSize(512, 400));
    const QString mismatch = FirstMismatch(picture.bitmap(), [&](int x, int y) {
        return static_cast<TColor>(StretchValue(value1(x, y), lower1, upper1)) * 0x010100u + static_cast<TColor>(StretchValue(value2(x, y), lower2, upper2));
    });
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
    if (lower1 == 0 && upper1 == 255 && lower2 == 0 && upper2 == 255) {
        QCOMPARE(PixelAt(picture.bitmap(), 0, 0), Colours::Aqua);
        QCOMPARE(PixelAt(picture.bitmap(), 511, 399), Colours::Red);
        QCOMPARE(PixelAt(picture.bitmap(), 100, 200), Colours::Grey);
    }
}

void TestScene::compositeWithEqualBoundsSetsNoPixel_data()
{
    QTest::addColumn<int>("lower1");
    QTest::addColumn<int>("upper1");
    QTest::addColumn<int>("lower2");
    QTest::addColumn<int>("upper2");

    QTest::newRow("band 1") << 100 << 100 << 0 << 255;
    QTest::newRow("band 2") << 0 << 255 << 7 << 7;
    QTest::newRow("both still zero") << 0 << 0 << 0 << 0;
}

void TestScene::compositeWithEqualBoundsSetsNoPixel()
{
    QFETCH(int, lower1);
    QFETCH(int, upper1);
    QFETCH(int, lower2);
    QFETCH(int, upper2);

    const Band band1 = MakeBand([](int x, int) { return x % 256; });
    const Band band2 = MakeBand([](int, int y) { return y % 256; });
    const StretchTable stretch1(lower1, upper1);
    const StretchTable stretch2(lower2, upper2);

    Picture empty(nullptr, QStringLiteral("imgColorImage"), QRect(8, 8, 512, 400));
    QCOMPARE(RaisedError([&] { DrawComposite(*band1, *band2, stretch1, stretch2, empty.canvas()); }), Texts::ZeroDivide);
    QVERIFY(empty.isEmpty());

    Picture drawn(nullptr, QStringLiteral("imgColorImage"), QRect(8, 8, 512, 400));
    drawn.canvas().setBrushColor(Colours::Fuchsia);
    drawn.canvas().fillRect(0, 0, 512, 400);
    QCOMPARE(RaisedError([&] { DrawComposite(*band1, *band2, stretch1, stretch2, drawn.canvas()); }), Texts::ZeroDivide);
    const QString mismatch = FirstMismatch(drawn.bitmap(), [](int, int) { return Colours::Fuchsia; });
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
}

void TestScene::compositeFailingMidwayKeepsEarlierPixels()
{
    // With bounds -8388600 and -8388599 the values 0..7 stretch to 255 and
    // from 8 on the product leaves the 32-bit range. Pixel (5, 2) is the
    // first, in line order, whose band-1 value is 8 or more.
    const QPoint firstFailing(5, 2);
    const auto before = [&](int x, int y) { return y < firstFailing.y() || (y == firstFailing.y() && x < firstFailing.x()); };
    const Band band1 = MakeBand([&](int x, int y) { return before(x, y) ? (x + y) % 8 : (x * y) % 16 + (x == 5 && y == 2 ? 8 : 0); });
    const auto value2 = [](int x, int y) { return (x + 2 * y) % 256; };
    const Band band2 = MakeBand(value2);

    Picture picture(nullptr, QStringLiteral("imgColorImage"), QRect(8, 8, 512, 400));
    picture.canvas().setBrushColor(Colours::Fuchsia);
    picture.canvas().fillRect(0, 0, 512, 400);

    const QString error = RaisedError([&] { DrawComposite(*band1, *band2, StretchTable(-8388600, -8388599), StretchTable(0, 255), picture.canvas()); });
    QCOMPARE(error, Texts::InvalidOperation);
    const QString mismatch = FirstMismatch(picture.bitmap(), [&](int x, int y) {
        return before(x, y) ? 255u * 0x010100u + static_cast<TColor>(value2(x, y)) : Colours::Fuchsia;
    });
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
}

void TestScene::bandHistogramCountsSceneCellsOnly()
{
    QRandomGenerator random(2024);
    Band band = MakeBand([&](int, int) { return random.bounded(200); });
    // Column 0 and line 0 hold no scene pixel; a value there must not count.
    for (std::size_t i = 0; i <= SceneWidth; ++i)
        (*band)[i][0] = 200;
    for (std::size_t j = 0; j <= SceneHeight; ++j)
        (*band)[0][j] = 200;

    HistogramCounts expected{};
    for (std::size_t i = 1; i <= SceneWidth; ++i)
        for (std::size_t j = 1; j <= SceneHeight; ++j)
            ++expected[(*band)[i][j]];

    const HistogramCounts counts = BandHistogram(*band);
    QCOMPARE(counts[200], 0);
    QVERIFY(counts == expected);
    QCOMPARE(std::accumulate(counts.begin(), counts.end(), 0), SceneWidth * SceneHeight);
}

void TestScene::histogramOfOneValue()
{
    const Band band = MakeBand([](int, int) { return 7; });
    const HistogramCounts counts = BandHistogram(*band);
    QCOMPARE(counts[7], 204800);

    Picture picture(nullptr, QStringLiteral("imgHistogram"), QRect(14, 14, 256, 200));
    DrawBandHistogram(picture.canvas(), counts);

    const QImage &bitmap = picture.bitmap();
    QCOMPARE(bitmap.size(), QSize(256, 200));
    // One bar of height 200 colours rows 1..199; the grid is blue dots on
    // white, and everything else stays white.
    const QString rejected = FirstRejected(bitmap, [](int x, int y, TColor colour) {
        if (x == 7)
            return colour == (y >= 1 ? Colours::Red : Colours::White);
        if (GridColumns.contains(x))
            return colour == Colours::Blue || colour == Colours::White;
        return colour == Colours::White;
    });
    QVERIFY2(rejected.isEmpty(), qPrintable(rejected));

    // The grid line at x = 50 is dotted from its top to its bottom.
    const auto blueIn = [&](int from, int to) {
        for (int y = from; y <= to; ++y)
            if (PixelAt(bitmap, 50, y) == Colours::Blue)
                return true;
        return false;
    };
    QVERIFY2(blueIn(0, 7) && blueIn(192, 199), "dots at both ends of the grid line");
    int white = 0;
    for (int y = 0; y < 200; ++y)
        white += PixelAt(bitmap, 50, y) == Colours::White;
    QVERIFY2(white > 0, "gaps between the dots");
}

void TestScene::histogramBarHeights()
{
    // h = trunc(count / maximum * 200); the bar colours rows 201 - h .. 199.
    HistogramCounts counts{};
    const QList<std::pair<int, int>> bars{
        {10, 10000}, // the maximum: h = 200
        {20, 5000},  // h = 100
        {30, 4999},  // h = 99.98 truncated to 99
        {40, 101},   // h = 2: one pixel
        {45, 99},    // less than a hundredth: h = 1, nothing shows
        {60, 1},     // h = 0
        {50, 10000}, // on a grid line, drawn over it
    };
    QMap<int, int> heights{{10, 200}, {20, 100}, {30, 99}, {40, 2}, {45, 1}, {60, 0}, {50, 200}};
    for (const auto &[value, count] : bars)
        counts[static_cast<std::size_t>(value)] = count;

    Picture picture(nullptr, QStringLiteral("imgHistogram"), QRect(14, 14, 256, 200));
    DrawBandHistogram(picture.canvas(), counts);

    const QString rejected = FirstRejected(picture.bitmap(), [&](int x, int y, TColor colour) {
        const int h = heights.value(x, 0);
        if (y >= 201 - h)
            return colour == Colours::Red;
        if (GridColumns.contains(x))
            return colour == Colours::Blue || colour == Colours::White;
        return colour == Colours::White;
    });
    QVERIFY2(rejected.isEmpty(), qPrintable(rejected));
}

QTEST_MAIN(TestScene)
#include "tst_scene.moc"
