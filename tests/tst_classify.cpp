#include "Rasters.h"
#include "ImageCheck.h"
#include "RaisedError.h"

#include "classify/CategoryMap.h"
#include "classify/CategoryStats.h"
#include "classify/Discriminant.h"
#include "toolkit/Picture.h"

#include <QRandomGenerator>
#include <QTest>

#include <cmath>
#include <memory>

namespace {

using Table = std::unique_ptr<DecisionTableType>;


Table FilledTable(std::uint8_t entry)
{
    auto table = std::make_unique<DecisionTableType>();
    for (auto &row : *table)
        row.fill(entry);
    return table;
}

TCategory Statistics(float mean1, float mean2, float var1, float var2, float cov)
{
    TCategory category;
    category.Mean1 = mean1;
    category.Mean2 = mean2;
    category.Var1 = var1;
    category.Var2 = var2;
    category.Cov = cov;
    return category;
}

// The category table as File › Open leaves it: numbers and colours set.
CategoryTable NumberedCategories()
{
    CategoryTable categories{};
    const TColor colours[] = {Colours::Black, Colours::Blue, Colours::Aqua, Colours::Lime, Colours::Yellow, Colours::Red, Colours::Fuchsia};
    for (int k = 0; k <= 6; ++k) {
        categories[static_cast<std::size_t>(k)].Number = k;
        categories[static_cast<std::size_t>(k)].Color = colours[k];
    }
    // Entry 0 belongs to no category; a colour of its own shows if it is used.
    categories[0].Color = 0x123456;
    return categories;
}

CategoryFlags UsedFlags(const QList<int> &numbers)
{
    CategoryFlags used{};
    for (const int k : numbers)
        used[static_cast<std::size_t>(k)] = true;
    return used;
}

// Nine significant digits tell every float apart.
QString FloatText(float value)
{
    return QString::number(static_cast<double>(value), 'g', 9);
}

QString FirstDifferentEntry(const DecisionTableType &actual, const DecisionTableType &expected)
{
    for (int b = 0; b < 256; ++b)
        for (int a = 0; a < 256; ++a)
            if (actual[a][b] != expected[a][b])
                return QStringLiteral("entry (%1, %2) is %3, expected %4").arg(a).arg(b).arg(actual[a][b]).arg(expected[a][b]);
    return {};
}

// The decision table as the definition reads: pair by pair, b outer and a
// inner, every used category in turn, the first smallest one kept. An error
// ends it with the entries set so far; error receives its text.
Table DecisionTableOneByOne(const CategoryTable &categories, const CategoryFlags &used, QString *error = nullptr)
{
    Table table = FilledTable(0);
    const QString raised = RaisedError([&] {
        for (int b = 0; b < 256; ++b)
            for (int a = 0; a < 256; ++a) {
                bool any = false;
                float minimum = 0;
                for (int k = 1; k <= 6; ++k) {
                    if (!used[static_cast<std::size_t>(k)])
                        continue;
                    const float d = Discriminant(a, b, categories[static_cast<std::size_t>(k)]);
                    if (!any || d < minimum) {
                        any = true;
                        minimum = d;
                        (*table)[a][b] = static_cast<std::uint8_t>(k);
                    }
                }
            }
    });
    if (error)
        *error = raised;
    return table;
}

}

class TestClassify : public QObject
{
    Q_OBJECT

private slots:
    void statistics_data();
    void statistics();
    void statisticsOfTheWholeSceneKeepSinglePrecisionSums();
    void secondAreaReplacesTheFirst();

    void discriminant_data();
    void discriminant();
    void determinantOfTheWorkedExample();
    void twoCategoriesSwitchAtTheirBoundary();
    void decisionTable_data();
    void decisionTable();
    void decisionTableEqualsOneByOneDefinition_data();
    void decisionTableEqualsOneByOneDefinition();
    void overflowFarFromAMeanEndsTheTableAtItsPair();
    void degenerateCategory_data();
    void degenerateCategory();

    void decisionBlocks();
    void categoryMap_data();
    void categoryMap();
};

void TestClassify::statistics_data()
{
    QTest::addColumn<QList<int>>("pixels"); // x, y, band-1 value, band-2 value, ...
    QTest::addColumn<QPoint>("first");
    QTest::addColumn<QPoint>("second");
    QTest::addColumn<QList<float>>("expected"); // Mean1, Mean2, Var1, Var2, Cov
    QTest::addColumn<QString>("error");

    // The divisor is N: N - 1 would give 1, 3 and 1.5.
    QTest::newRow("3 x 1 area") << QList<int>{20, 30, 1, 2, 21, 30, 2, 2, 22, 30, 3, 5} << QPoint(20, 30) << QPoint(22, 30)
                                << QList<float>{2, 3, 2.0f / 3.0f, 2, 1} << QString();
    QTest::newRow("1 x 3 area") << QList<int>{20, 30, 1, 2, 20, 31, 2, 2, 20, 32, 3, 5} << QPoint(20, 30) << QPoint(20, 32)
                                << QList<float>{2, 3, 2.0f / 3.0f, 2, 1} << QString();
    QTest::newRow("one pixel") << QList<int>{10, 20, 37, 201} << QPoint(10, 20) << QPoint(10, 20) << QList<float>{37, 201, 0, 0, 0} << QString();
    QTest::newRow("last pixel of the scene") << QList<int>{511, 399, 9, 250} << QPoint(511, 399) << QPoint(511, 399) << QList<float>{9, 250, 0, 0, 0} << QString();
    // A reversed rectangle visits no pixel but divides by N from its corners.
    QTest::newRow("reversed, one column short") << QList<int>{5, 5, 9, 9} << QPoint(5, 5) << QPoint(4, 5) << QList<float>{} << Texts::InvalidOperation;
    QTest::newRow("reversed, one line short") << QList<int>{5, 5, 9, 9} << QPoint(5, 5) << QPoint(5, 4) << QList<float>{} << Texts::InvalidOperation;
    QTest::newRow("reversed by two columns") << QList<int>{5, 5, 9, 9} << QPoint(5, 5) << QPoint(3, 5) << QList<float>{0, 0, 0, 0, 0} << QString();
    QTest::newRow("reversed in both") << QList<int>{9, 9, 9, 9} << QPoint(10, 10) << QPoint(8, 8) << QList<float>{0, 0, 0, 0, 0} << QString();
}

void TestClassify::statistics()
{
    QFETCH(QList<int>, pixels);
    QFETCH(QPoint, first);
    QFETCH(QPoint, second);
    QFETCH(QList<float>, expected);
    QFETCH(QString, error);

    Band band1 = MakeBand([](int, int) { return 0; });
    Band band2 = MakeBand([](int, int) { return 0; });
    for (qsizetype at = 0; at + 3 < pixels.size(); at += 4) {
        const auto i = static_cast<std::size_t>(pixels[at] + 1);
        const auto j = static_cast<std::size_t>(pixels[at + 1] + 1);
        (*band1)[i][j] = static_cast<BandValue>(pixels[at + 2]);
        (*band2)[i][j] = static_cast<BandValue>(pixels[at + 3]);
    }

    TCategory category = Statistics(50, 60, 70, 80, 90);
    QCOMPARE(RaisedError([&] { ComputeCategoryStats(*band1, *band2, first, second, category); }), error);
    if (!error.isEmpty())
        return;
    const float actual[] = {category.Mean1, category.Mean2, category.Var1, category.Var2, category.Cov};
    const char *names[] = {"Mean1", "Mean2", "Var1", "Var2", "Cov"};
    for (int k = 0; k < 5; ++k)
        QVERIFY2(actual[k] == expected[k], qPrintable(QStringLiteral("%1 is %2, expected %3").arg(names[k], FloatText(actual[k]), FloatText(expected[k]))));
}

void TestClassify::statisticsOfTheWholeSceneKeepSinglePrecisionSums()
{
    // Beyond 2^24 the running sum of 255s loses its low bits at every store.
    const Band band1 = MakeBand([](int, int) { return 255; });
    const Band band2 = MakeBand([](int, int) { return 0; });
    TCategory category;
    ComputeCategoryStats(*band1, *band2, QPoint(0, 0), QPoint(511, 399), category);

    QCOMPARE(QString::number(category.Mean1, 'g', 8), QStringLiteral("255.67873"));
    QCOMPARE(QString::number(category.Var1, 'g', 8), QStringLiteral("0.46090552"));
    QCOMPARE(category.Mean2, 0.0f);
    QCOMPARE(category.Var2, 0.0f);
    QCOMPARE(category.Cov, 0.0f);
}

void TestClassify::secondAreaReplacesTheFirst()
{
    QRandomGenerator random(11);
    const Band band1 = MakeBand([&](int, int) { return random.bounded(256); });
    const Band band2 = MakeBand([&](int, int) { return random.bounded(256); });

    TCategory trainedTwice = NumberedCategories()[4];
    ComputeCategoryStats(*band1, *band2, QPoint(0, 0), QPoint(99, 99), trainedTwice);
    ComputeCategoryStats(*band1, *band2, QPoint(200, 50), QPoint(230, 61), trainedTwice);
    TCategory trainedOnce;
    ComputeCategoryStats(*band1, *band2, QPoint(200, 50), QPoint(230, 61), trainedOnce);

    QCOMPARE(FloatText(trainedTwice.Mean1), FloatText(trainedOnce.Mean1));
    QCOMPARE(FloatText(trainedTwice.Mean2), FloatText(trainedOnce.Mean2));
    QCOMPARE(FloatText(trainedTwice.Var1), FloatText(trainedOnce.Var1));
    QCOMPARE(FloatText(trainedTwice.Var2), FloatText(trainedOnce.Var2));
    QCOMPARE(FloatText(trainedTwice.Cov), FloatText(trainedOnce.Cov));
    QCOMPARE(trainedTwice.Number, 4);
    QCOMPARE(trainedTwice.Color, Colours::Yellow);
    QVERIFY(trainedTwice.Name.isEmpty());
}

void TestClassify::discriminant_data()
{
    QTest::addColumn<float>("mean1");
    QTest::addColumn<float>("mean2");
    QTest::addColumn<float>("var1");
    QTest::addColumn<float>("var2");
    QTest::addColumn<float>("cov");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<QString>("printed");

    // The 3 x 1 area's category: means 2 and 3, Var1 = 2/3 stored as float.
    const float third = 2.0f / 3.0f;
    QTest::newRow("worked example at its mean") << 2.0f << 3.0f << third << 2.0f << 1.0f << 2 << 3 << "-1.0986122";
    QTest::newRow("worked example along the covariance") << 2.0f << 3.0f << third << 2.0f << 1.0f << 3 << 4 << "0.90138769";
    QTest::newRow("worked example against the covariance") << 2.0f << 3.0f << third << 2.0f << 1.0f << 3 << 2 << "12.901387";
    QTest::newRow("worked example far away") << 2.0f << 3.0f << third << 2.0f << 1.0f << 10 << 0 << "544.90137";
    QTest::newRow("narrow category at (105, 100)") << 100.0f << 100.0f << 4.0f << 4.0f << 0.0f << 105 << 100 << "9.0225887";
    QTest::newRow("wide category at (105, 100)") << 100.0f << 100.0f << 100.0f << 100.0f << 0.0f << 105 << 100 << "9.4603405";
    QTest::newRow("narrow category at (106, 100)") << 100.0f << 100.0f << 4.0f << 4.0f << 0.0f << 106 << 100 << "11.772589";
    QTest::newRow("wide category at (106, 100)") << 100.0f << 100.0f << 100.0f << 100.0f << 0.0f << 106 << 100 << "9.5703402";
}

void TestClassify::discriminant()
{
    QFETCH(float, mean1);
    QFETCH(float, mean2);
    QFETCH(float, var1);
    QFETCH(float, var2);
    QFETCH(float, cov);
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(QString, printed);

    // The known values are the single-precision results printed to eight
    // significant digits. Eight digits do not always single out one float
    // (near 12.9 two floats can round to the same print), so parsing the
    // print and comparing floats could reject the right result; the strict
    // check is that the result prints exactly so.
    float result = 0;
    QCOMPARE(RaisedError([&] { result = Discriminant(a, b, Statistics(mean1, mean2, var1, var2, cov)); }), QString());
    QCOMPARE(QString::number(result, 'g', 8), printed);
}

void TestClassify::determinantOfTheWorkedExample()
{
    QCOMPARE(QString::number(CategoryDeterminant(Statistics(2, 3, 2.0f / 3.0f, 2, 1)), 'g', 8), QStringLiteral("0.33333337"));
}

void TestClassify::twoCategoriesSwitchAtTheirBoundary()
{
    CategoryTable categories = NumberedCategories();
    categories[1] = Statistics(100, 100, 4, 4, 0);
    categories[2] = Statistics(100, 100, 100, 100, 0);
    Table table = FilledTable(0);
    ComputeDecisionTable(categories, UsedFlags({1, 2}), *table);

    for (int a = 95; a <= 105; ++a)
        QVERIFY2((*table)[a][100] == 1, qPrintable(QStringLiteral("(%1, 100) goes to %2").arg(a).arg((*table)[a][100])));
    QCOMPARE((*table)[106][100], 2);
    QCOMPARE((*table)[94][100], 2);
    QCOMPARE((*table)[0][0], 2);
}

void TestClassify::decisionTable_data()
{
    QTest::addColumn<QList<int>>("used");
    QTest::addColumn<bool>("identical"); // categories 2 and 5 share their statistics
    QTest::addColumn<int>("everywhere");

    QTest::newRow("no category in use") << QList<int>{} << false << 0;
    QTest::newRow("one category in use") << QList<int>{4} << false << 4;
    QTest::newRow("two identical categories") << QList<int>{2, 5} << true << 2;
}

void TestClassify::decisionTable()
{
    QFETCH(QList<int>, used);
    QFETCH(bool, identical);
    QFETCH(int, everywhere);

    CategoryTable categories = NumberedCategories();
    for (int k = 1; k <= 6; ++k)
        categories[static_cast<std::size_t>(k)] = Statistics(40.0f * k, 250.0f - 30.0f * k, 20.0f + k, 35.0f, 3.0f);
    if (identical)
        categories[5] = categories[2];

    Table table = FilledTable(7);
    ClearDecisionTable(*table);
    ComputeDecisionTable(categories, UsedFlags(used), *table);
    const QString different = FirstDifferentEntry(*table, *FilledTable(static_cast<std::uint8_t>(everywhere)));
    QVERIFY2(different.isEmpty(), qPrintable(different));
}

enum class Twin { None, LastBitOfVar1, LastBitOfMean2, Narrow };

void TestClassify::decisionTableEqualsOneByOneDefinition_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<Twin>("twin"); // how category 3 is made from category 1

    QTest::newRow("trial 1") << 1u << Twin::None;
    QTest::newRow("trial 2") << 2u << Twin::None;
    QTest::newRow("trial 3") << 3u << Twin::None;
    QTest::newRow("trial 4, Var1 one bit apart") << 4u << Twin::LastBitOfVar1;
    QTest::newRow("trial 5, Var1 one bit apart") << 5u << Twin::LastBitOfVar1;
    // The two give equal floats on many pairs where their long doubles differ.
    QTest::newRow("trial 6, Mean2 one bit apart") << 6u << Twin::LastBitOfMean2;
    // A narrow category beside a wide one: huge discriminants away from its
    // mean, values close to the others near it.
    QTest::newRow("trial 7, narrow beside wide") << 7u << Twin::Narrow;
}

void TestClassify::decisionTableEqualsOneByOneDefinition()
{
    QFETCH(quint32, seed);
    QFETCH(Twin, twin);

    // Categories trained on rectangles of a noisy scene, as a student would.
    QRandomGenerator random(seed);
    const Band band1 = MakeBand([&](int x, int y) { return (x / 2 + y / 8 + random.bounded(40)) % 256; });
    const Band band2 = MakeBand([&](int x, int y) { return (y / 2 + x / 4 + random.bounded(60)) % 256; });
    CategoryTable categories = NumberedCategories();
    for (int k = 1; k <= 6; ++k) {
        const int x = random.bounded(440);
        const int y = random.bounded(330);
        ComputeCategoryStats(*band1, *band2, QPoint(x, y), QPoint(x + 5 + random.bounded(60), y + 5 + random.bounded(60)), categories[static_cast<std::size_t>(k)]);
    }
    if (twin != Twin::None)
        categories[3] = categories[1];
    if (twin == Twin::LastBitOfVar1)
        categories[3].Var1 = std::nextafter(categories[1].Var1, 1e9f);
    if (twin == Twin::LastBitOfMean2)
        categories[3].Mean2 = std::nextafter(categories[1].Mean2, 1e9f);
    if (twin == Twin::Narrow) {
        categories[3].Var1 = categories[1].Var1 / 4096;
        categories[3].Var2 = categories[1].Var2 / 4096;
        categories[3].Cov = categories[1].Cov / 4096;
    }
    CategoryFlags used{};
    for (int k = 1; k <= 6; ++k)
        used[static_cast<std::size_t>(k)] = k == 1 || k == 3 || random.bounded(2) == 1;
    QCOMPARE(FirstDegenerateCategory(categories, used), 0);

    Table table = FilledTable(0);
    ComputeDecisionTable(categories, used, *table);
    const QString different = FirstDifferentEntry(*table, *DecisionTableOneByOne(categories, used));
    QVERIFY2(different.isEmpty(), qPrintable(different));
}

void TestClassify::overflowFarFromAMeanEndsTheTableAtItsPair()
{
    // Var2 = 1e-34 makes i22 = 1e34: category 4's discriminant leaves the
    // float range from dy = 185 on, first at the pair (0, 185), after
    // category 2 has given that entry its best.
    CategoryTable categories = NumberedCategories();
    categories[2] = Statistics(60, 80, 30, 40, 5);
    categories[4] = Statistics(100, 0, 1e4f, 1e-34f, 0);
    categories[5] = Statistics(200, 200, 30, 40, 5);
    const CategoryFlags used = UsedFlags({2, 4, 5});
    QString definitionError;
    const Table expected = DecisionTableOneByOne(categories, used, &definitionError);
    QCOMPARE(definitionError, Texts::Overflow);
    QCOMPARE((*expected)[0][185], std::uint8_t{2});
    QCOMPARE((*expected)[1][185], std::uint8_t{0});

    Table table = FilledTable(0);
    QCOMPARE(RaisedError([&] { ComputeDecisionTable(categories, used, *table); }), Texts::Overflow);
    const QString different = FirstDifferentEntry(*table, *expected);
    QVERIFY2(different.isEmpty(), qPrintable(different));
}

void TestClassify::degenerateCategory_data()
{
    QTest::addColumn<float>("var1");
    QTest::addColumn<float>("var2");
    QTest::addColumn<float>("cov");
    QTest::addColumn<int>("number"); // where the category sits among the healthy 2 and 5
    QTest::addColumn<bool>("degenerate");
    QTest::addColumn<QString>("error");

    QTest::newRow("one-pixel area") << 0.0f << 0.0f << 0.0f << 3 << true << Texts::InvalidOperation;
    QTest::newRow("one-pixel area, first in use") << 0.0f << 0.0f << 0.0f << 1 << true << Texts::InvalidOperation;
    QTest::newRow("band 1 constant") << 0.0f << 5.0f << 0.0f << 3 << true << Texts::ZeroDivide;
    QTest::newRow("band 2 constant") << 5.0f << 0.0f << 0.0f << 3 << true << Texts::InvalidOperation;
    QTest::newRow("negative determinant") << 1.0f << 1.0f << 2.0f << 3 << true << Texts::InvalidOperation;
    // det is positive, but 1 / det lies beyond the float range.
    QTest::newRow("tiny positive determinant") << 1e-39f << 1.0f << 0.0f << 3 << false << Texts::Overflow;
}

void TestClassify::degenerateCategory()
{
    QFETCH(float, var1);
    QFETCH(float, var2);
    QFETCH(float, cov);
    QFETCH(int, number);
    QFETCH(bool, degenerate);
    QFETCH(QString, error);

    CategoryTable categories = NumberedCategories();
    categories[2] = Statistics(0, 0, 30, 40, 5);
    categories[5] = Statistics(200, 200, 30, 40, 5);
    categories[static_cast<std::size_t>(number)] = Statistics(120, 130, var1, var2, cov);
    const CategoryFlags used = UsedFlags({2, 5, number});

    QCOMPARE(FirstDegenerateCategory(categories, used), degenerate ? number : 0);
    QCOMPARE(FirstDegenerateCategory(categories, UsedFlags({2, 5})), 0);
    QCOMPARE(RaisedError([&] { Discriminant(0, 0, categories[static_cast<std::size_t>(number)]); }), error);

    // The error comes at (0, 0), after the categories before it have given
    // that entry their best; the rest of the cleared table stays 0.
    Table table = FilledTable(0);
    QCOMPARE(RaisedError([&] { ComputeDecisionTable(categories, used, *table); }), error);
    Table expected = FilledTable(0);
    (*expected)[0][0] = number > 2 ? 2 : 0;
    const QString different = FirstDifferentEntry(*table, *expected);
    QVERIFY2(different.isEmpty(), qPrintable(different));
}

void TestClassify::decisionBlocks()
{
    // Columns of cells under the grid lines x = 100 and y = 211 are coloured,
    // so the grid must be drawn over the blocks.
    Table table = FilledTable(0);
    for (int a = 0; a < 256; ++a)
        for (int b = 0; b < 256; ++b)
            if (a == 50 || b == 150 || (a + b) % 3 == 0)
                (*table)[a][b] = static_cast<std::uint8_t>(1 + (a / 7 + b / 5) % 6);
    const CategoryTable categories = NumberedCategories();

    QImage background(512, 512, QImage::Format_RGB32);
    for (int y = 0; y < 512; ++y)
        for (int x = 0; x < 512; ++x)
            background.setPixel(x, y, ToQRgb((static_cast<TColor>(x) * 0x0B0713u + static_cast<TColor>(y) * 0x11051Du) & 0x7F7F7Fu));
    Picture picture(nullptr, QStringLiteral("imgSetCategory"), QRect(8, 8, 512, 512));
    picture.setBitmap(background);

    PaintDecisionBlocks(*table, categories, picture.canvas());

    const auto onGrid = [](int x, int y) { return (x % 100 == 0 && x >= 100 && x <= 500) || (y % 100 == 11 && y <= 411); };
    const QString rejected = FirstRejected(picture.bitmap(), [&](int x, int y, TColor colour) {
        const std::uint8_t k = (*table)[x / 2][(511 - y) / 2];
        const TColor under = k == 0 ? FromQRgb(background.pixel(x, y)) : categories[k].Color;
        return colour == under || (onGrid(x, y) && colour == Colours::Grey);
    });
    QVERIFY2(rejected.isEmpty(), qPrintable(rejected));

    int greyOnX100 = 0;
    int greyOnY211 = 0;
    for (int along = 0; along < 512; ++along) {
        greyOnX100 += PixelAt(picture.bitmap(), 100, along) == Colours::Grey;
        greyOnY211 += PixelAt(picture.bitmap(), along, 211) == Colours::Grey;
    }
    QVERIFY(greyOnX100 > 0);
    QVERIFY(greyOnY211 > 0);
}

enum class TableKind { Pattern, NoCategory, OneCategory };
Q_DECLARE_METATYPE(TableKind)

void TestClassify::categoryMap_data()
{
    QTest::addColumn<TableKind>("kind");

    QTest::newRow("several categories") << TableKind::Pattern;
    QTest::newRow("no category in use: black") << TableKind::NoCategory;
    QTest::newRow("one category in use: its colour") << TableKind::OneCategory;
}

void TestClassify::categoryMap()
{
    QFETCH(TableKind, kind);

    Band band1 = MakeBand([](int x, int y) { return (3 * x + y) % 256; });
    Band band2 = MakeBand([](int x, int y) { return (x + 5 * y) % 256; });
    // The first and the last scene pixel hold pairs of their own, and the
    // cells outside the scene one that no scene pixel has.
    (*band1)[1][1] = (*band2)[1][1] = 7;
    (*band1)[512][400] = (*band2)[512][400] = 9;
    for (std::size_t i = 0; i <= SceneWidth; ++i)
        (*band1)[i][0] = (*band2)[i][0] = 250;
    for (std::size_t j = 0; j <= SceneHeight; ++j)
        (*band1)[0][j] = (*band2)[0][j] = 250;

    Table table = FilledTable(kind == TableKind::OneCategory ? 4 : 0);
    if (kind == TableKind::Pattern) {
        for (int a = 0; a < 256; ++a)
            for (int b = 0; b < 256; ++b)
                (*table)[a][b] = static_cast<std::uint8_t>((a + 2 * b) % 7);
        (*table)[7][7] = 3;
        (*table)[9][9] = 6;
        (*table)[250][250] = 5;
    }
    const CategoryTable categories = NumberedCategories();

    Picture picture(nullptr, QStringLiteral("imgCategoryMap"), QRect(8, 8, 512, 400));
    picture.canvas().setBrushColor(Colours::White);
    picture.canvas().fillRect(0, 0, 512, 400);
    PaintCategoryMap(*band1, *band2, *table, categories, picture.canvas());

    const auto colourOf = [&](int k) { return k == 0 ? Colours::Black : categories[static_cast<std::size_t>(k)].Color; };
    const QString mismatch = FirstMismatch(picture.bitmap(), [&](int x, int y) {
        const auto i = static_cast<std::size_t>(x + 1);
        const auto j = static_cast<std::size_t>(y + 1);
        return colourOf((*table)[(*band1)[i][j]][(*band2)[i][j]]);
    });
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
    if (kind == TableKind::Pattern) {
        QCOMPARE(PixelAt(picture.bitmap(), 0, 0), Colours::Lime);
        QCOMPARE(PixelAt(picture.bitmap(), 511, 399), Colours::Fuchsia);
    }
}

QTEST_MAIN(TestClassify)
#include "tst_classify.moc"
