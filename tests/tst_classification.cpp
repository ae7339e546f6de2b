// A classification from end to end in the real window: rectangle selection
// with its rubber band, training areas, the decision table, the category map
// and saving the picture, driven through the menu, the swatches and the mouse.

#include "ImageCheck.h"
#include "SceneFiles.h"
#include "WindowDriver.h"

#include "classify/CategoryStats.h"
#include "classify/Discriminant.h"
#include "scatter/Scatter.h"
#include "toolkit/Label.h"
#include "toolkit/Picture.h"
#include "toolkit/Shape.h"
#include "unitMain/Application.h"

#include <QGroupBox>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Four quadrants of the scene, each a different land cover: band values
// around its own means with a small texture, so that every training area has
// variance in both bands.
constexpr int Base1[4] = {40, 200, 60, 180};
constexpr int Base2[4] = {50, 60, 190, 210};

int Quadrant(int x, int y) { return (x >= 256 ? 1 : 0) + (y >= 200 ? 2 : 0); }

std::uint8_t QuadrantBand1(int x, int y) { return static_cast<std::uint8_t>(Base1[Quadrant(x, y)] + (x * 7 + y * 13) % 5); }
std::uint8_t QuadrantBand2(int x, int y) { return static_cast<std::uint8_t>(Base2[Quadrant(x, y)] + (x * 11 + y * 3 + x * y) % 7); }

const TColor QuadrantColour[4] = {Colours::Blue, Colours::Red, Colours::Lime, Colours::Yellow};

using PixelSet = QSet<std::pair<int, int>>;

// The pixels one outline pass inverts: a pixel passed twice keeps its colour.
PixelSet OutlinePixels(QPoint s, QPoint p)
{
    PixelSet inverted;
    const auto line = [&](QPoint from, QPoint to) {
        const int dx = (to.x() > from.x()) - (to.x() < from.x());
        const int dy = (to.y() > from.y()) - (to.y() < from.y());
        for (QPoint at = from; at != to; at += QPoint(dx, dy)) {
            if (at.x() < 0 || at.y() < 0 || at.x() >= 512 || at.y() >= 400)
                continue;
            const std::pair<int, int> key{at.x(), at.y()};
            if (!inverted.remove(key))
                inverted.insert(key);
        }
    };
    line(s, {p.x(), s.y()});
    line({p.x(), s.y()}, p);
    line(s, {s.x(), p.y()});
    line({s.x(), p.y()}, p);
    return inverted;
}

// Compares the overlay with the composite: exactly the given pixels are
// inverted.
QString OverlayDiffers(const QImage &overlay, const QImage &composite, const PixelSet &inverted)
{
    return FirstMismatch(overlay, [&](int x, int y) {
        const TColor plain = PixelAt(composite, x, y);
        return inverted.contains({x, y}) ? (~plain & 0xFFFFFFu) : plain;
    });
}

}

class TestClassification : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir folder_;
    WindowDriver *driver_ = nullptr;
    QString band1_, band2_;

    TMainForm &form() { return *MainForm; }

    bool run(QAction *item)
    {
        const bool chosen = driver_->choose(item);
        return settle(chosen);
    }

    bool settle(bool ok = true) { return driver_->settled(form(), ok); }

    // Mouse events go to the window at the point, so whatever lies on top
    // there receives them; the points are in overlay (scene) coordinates.
    QPoint inWindow(QPoint at) { return form().imgMapOverlay->mapTo(MainForm, at); }
    void press(QPoint at, Qt::MouseButton button = Qt::LeftButton) { QTest::mousePress(MainForm->windowHandle(), button, {}, inWindow(at)); }
    void move(QPoint at) { QTest::mouseMove(MainForm->windowHandle(), inWindow(at)); }
    void release(QPoint at, Qt::MouseButton button = Qt::LeftButton) { QTest::mouseRelease(MainForm->windowHandle(), button, {}, inWindow(at)); }

    bool drag(QPoint from, QPoint to, Qt::MouseButton button = Qt::LeftButton)
    {
        press(from, button);
        move((from + to) / 2);
        move(to);
        release(to, button);
        return settle();
    }

    bool clickSwatch(Shape *swatch, Qt::MouseButton button = Qt::LeftButton)
    {
        if (!form().grpCategory->isEnabled())
            return false;
        QTest::mouseClick(swatch, button, {}, QPoint(10, 10));
        return settle();
    }

    bool openScene()
    {
        driver_->open(band1_, band2_);
        return run(form().OpenItem);
    }

    // Trains the four quadrant categories: blue, red, green and yellow.
    bool trainQuadrants()
    {
        if (!run(form().TrainingAreaItem))
            return false;
        const struct { Shape *swatch; QPoint from, to; } areas[] = {
            {form().shpBlue, {20, 20}, {120, 120}},
            {form().shpRed, {300, 30}, {400, 150}},
            {form().shpGreen, {30, 250}, {200, 380}},
            {form().shpYellow, {320, 260}, {500, 390}},
        };
        for (const auto &area : areas)
            if (!clickSwatch(area.swatch) || !drag(area.from, area.to))
                return false;
        return true;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(folder_.isValid());
        const QDir dir(folder_.path());
        band1_ = WriteFile(dir, QStringLiteral("q1.bsq"), BandFileBytes(QuadrantBand1, SceneHeader("B4  ")));
        band2_ = WriteFile(dir, QStringLiteral("q2.bsq"), BandFileBytes(QuadrantBand2, SceneHeader("B5  ")));
        QVERIFY(!band1_.isEmpty() && !band2_.isEmpty());
    }

    void init()
    {
        CreateForms();
        ShowMainForm();
        QVERIFY(QTest::qWaitForWindowExposed(MainForm));
        driver_ = new WindowDriver;
        QVERIFY(openScene());
    }

    void cleanup()
    {
        delete driver_;
        driver_ = nullptr;
        DestroyForms();
    }

    void rubberBandInvertsOnlyTheCurrentOutline()
    {
        QVERIFY(run(form().MakeScatterItem));
        QCOMPARE(RowMismatch(form(), ScreenRow::MakeScatter), QString());
        QCOMPARE(form().lblMessage->text(), QStringLiteral("矩形領域を左上から右下へマウスでドラッグしてください。"));
        const QImage composite = form().imgColorImage->bitmap();
        const QPoint start(10, 10);
        press(start);
        QCOMPARE(OverlayDiffers(form().imgMapOverlay->bitmap(), composite, {}), QString());

        const QPoint corners[] = {{20, 15}, {40, 60}, {25, 30}, {5, 3}, {10, 40}, {-30, 500}, {30, 10}};
        for (const QPoint &corner : corners) {
            move(corner);
            QCOMPARE(OverlayDiffers(form().imgMapOverlay->bitmap(), composite, OutlinePixels(start, corner)), QString());
        }
        // On the start's row the two polylines cancel out: nothing shows.
        QVERIFY(OutlinePixels(start, {30, 10}).isEmpty());

        // A second press restarts the drag; the outline drawn up to it stays.
        // The pointer gets to the press point first, so that outline ends there.
        move({50, 50});
        const PixelSet kept = OutlinePixels(start, {200, 200});
        press({200, 200}, Qt::RightButton);
        move({210, 220});
        PixelSet both = kept;
        for (const auto &pixel : OutlinePixels({200, 200}, {210, 220}))
            if (!both.remove(pixel))
                both.insert(pixel);
        QCOMPARE(OverlayDiffers(form().imgMapOverlay->bitmap(), composite, both), QString());
        release({210, 220}, Qt::RightButton);
        QVERIFY(settle());
        // The release leaves the outline; the next selection starts clean.
        QCOMPARE(OverlayDiffers(form().imgMapOverlay->bitmap(), composite, both), QString());
        QVERIFY(run(form().ImageItem));
        QVERIFY(run(form().MakeScatterItem));
        QCOMPARE(OverlayDiffers(form().imgMapOverlay->bitmap(), composite, {}), QString());
    }

    void moveWithoutDragOnlyTracksThePointer()
    {
        QVERIFY(run(form().MakeScatterItem));
        const QImage before = form().imgMapOverlay->bitmap();
        move({100, 120});
        QCOMPARE(PrevX, 100);
        QCOMPARE(PrevY, 120);
        QCOMPARE(form().imgMapOverlay->bitmap(), before);
    }

    void rectangleDrags_data()
    {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QRect>("selected");
        QTest::addColumn<int>("button");
        QTest::newRow("a click selects one pixel") << QPoint(10, 20) << QPoint(10, 20) << QRect(10, 20, 1, 1) << int(Qt::LeftButton);
        QTest::newRow("six pixels") << QPoint(10, 20) << QPoint(12, 21) << QRect(10, 20, 3, 2) << int(Qt::LeftButton);
        QTest::newRow("whole scene") << QPoint(0, 0) << QPoint(511, 399) << QRect(0, 0, 512, 400) << int(Qt::LeftButton);
        QTest::newRow("backwards") << QPoint(12, 21) << QPoint(10, 20) << QRect(10, 20, 3, 2) << int(Qt::LeftButton);
        QTest::newRow("up and right") << QPoint(10, 300) << QPoint(300, 100) << QRect(10, 100, 291, 201) << int(Qt::LeftButton);
        QTest::newRow("beyond the picture") << QPoint(500, 390) << QPoint(600, 450) << QRect(500, 390, 12, 10) << int(Qt::LeftButton);
        QTest::newRow("before the picture") << QPoint(5, 6) << QPoint(-40, -30) << QRect(0, 0, 6, 7) << int(Qt::LeftButton);
        QTest::newRow("middle button") << QPoint(100, 100) << QPoint(101, 101) << QRect(100, 100, 2, 2) << int(Qt::MiddleButton);
    }

    void rectangleDrags()
    {
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(QRect, selected);
        QFETCH(int, button);
        QVERIFY(run(form().MakeScatterItem));
        QVERIFY(drag(from, to, static_cast<Qt::MouseButton>(button)));

        ScatterCounts expected{};
        CountScatter(Band1, Band2, selected.topLeft(), selected.bottomRight(), expected);
        QVERIFY(ScatterCount == expected);
        std::int64_t total = 0;
        for (const auto &row : ScatterCount)
            for (const auto count : row)
                total += count;
        QCOMPARE(total, std::int64_t{selected.width()} * selected.height());

        QCOMPARE(RowMismatch(form(), ScreenRow::OverlayUpScatter), QString());
        QVERIFY(!form().imgPartScatter->isHidden());
        QVERIFY(!form().lblScatter1->isHidden());
        QCOMPARE(form().lblScatter1->text(), QStringLiteral("B4  "));
        QCOMPARE(form().lblMessage->text(), QString());
        // The release keeps training area on offer, as rectangle histogram left it.
        QVERIFY(form().SceneFlag(Flag::TrainingAreaItem));
        if (selected == QRect(0, 0, 512, 400))
            QCOMPARE(form().imgPartScatter->bitmap(), form().imgWholeScatter->bitmap());
        if (selected.width() * selected.height() == 1) {
            const QImage plot = form().imgPartScatter->bitmap();
            const int a = Band1[11][21], b = Band2[11][21];
            QCOMPARE(FirstRejected(plot, [&](int x, int y, TColor colour) {
                         const bool cell = x / 2 == a && (511 - y) / 2 == b;
                         return colour == (cell ? Colours::White : Colours::Black) || colour == Colours::Grey;
                     }), QString());
        }
        // View > partial histogram shows it again, with no Operation item.
        QVERIFY(run(form().ImageItem));
        QVERIFY(run(form().PartScatterItem));
        QVERIFY(!form().SceneFlag(Flag::TrainingAreaItem));
    }

    void menusAreClosedDuringASelection()
    {
        QVERIFY(run(form().MakeScatterItem));
        for (QAction *item : {form().OpenItem, form().ImageItem, form().About1, form().TrainingAreaItem})
            QVERIFY(!driver_->choose(item));
        driver_->finish();
    }

    void classificationFromEndToEnd()
    {
        QVERIFY(run(form().TrainingAreaItem));
        QCOMPARE(RowMismatch(form(), ScreenRow::TrainingArea), QString());
        QCOMPARE(form().lblMessage->text(), QStringLiteral("設定したいカテゴリーの色をクリックしてください。"));
        QVERIFY(!form().imgMapOverlay->isEnabled());
        QTest::keyClicks(form().Edit1, QStringLiteral("water"));

        // Blue, then red: only red is trained, both count as used.
        QVERIFY(clickSwatch(form().shpBlue, Qt::RightButton));
        QCOMPARE(form().lblMessage->text(), QStringLiteral("青色のカテゴリーの領域を左上から右下にドラッグしてください。"));
        QVERIFY(form().imgMapOverlay->isEnabled());
        QVERIFY(clickSwatch(form().shpRed));
        QCOMPARE(CurrentCategory, 5);
        QVERIFY(CategoryUsed[1] && CategoryUsed[5]);
        QVERIFY(drag({300, 30}, {400, 150}));
        QCOMPARE(RowMismatch(form(), ScreenRow::OverlayUpTraining), QString());
        QCOMPARE(form().lblMessage->text(), QStringLiteral("設定したいカテゴリーの色をクリック。終わったら［操作｜判別ﾏｯﾌﾟ計算］を選んでください。"));
        TCategory red{};
        ComputeCategoryStats(Band1, Band2, {300, 30}, {400, 150}, red);
        QCOMPARE(Categories[5].Mean1, red.Mean1);
        QCOMPARE(Categories[5].Cov, red.Cov);
        QVERIFY(!driver_->choose(form().OpenItem));
        driver_->finish();

        QVERIFY(trainQuadrants());
        QCOMPARE(form().Edit1->text(), QString()); // training afresh empties the boxes
        QVERIFY(run(form().DiscriminantItem));
        QCOMPARE(RowMismatch(form(), ScreenRow::DiscriminantStart), QString());
        QCOMPARE(RowMismatch(form(), ScreenRow::DiscriminantEnd), QString());
        QCOMPARE(form().lblMessage->text(), QStringLiteral("［操作｜ｶﾃｺﾞﾘｰﾏｯﾌﾟ描画］で描画します。"));

        // The table is the smallest discriminant, pair by pair.
        QString wrong;
        for (int b = 0; b < 256 && wrong.isEmpty(); b += 5)
            for (int a = 0; a < 256 && wrong.isEmpty(); a += 3) {
                int best = 0;
                float minimum = 0;
                for (int k = 1; k <= 6; ++k)
                    if (CategoryUsed[static_cast<std::size_t>(k)]) {
                        const float d = Discriminant(a, b, Categories[static_cast<std::size_t>(k)]);
                        if (best == 0 || d < minimum)
                            minimum = d, best = k;
                    }
                if (DecisionTable[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)] != best)
                    wrong = QStringLiteral("(%1, %2) holds %3, expected %4").arg(a).arg(b).arg(DecisionTable[a][b]).arg(best);
            }
        QCOMPARE(wrong, QString());

        // The decision map covers the plot in the category colours, grid over it.
        const QImage map = form().imgSetCategory->bitmap();
        QCOMPARE(FirstRejected(map, [](int x, int y, TColor colour) {
                     const TColor expected = Categories[DecisionTable[static_cast<std::size_t>(x / 2)][static_cast<std::size_t>((511 - y) / 2)]].Color;
                     return colour == expected || colour == Colours::Grey;
                 }), QString());
        QVERIFY(!form().lblScatter3->isHidden());
        const QObjectList children = form().ClientArea->children();
        QVERIFY(children.indexOf(form().lblScatter1) > children.indexOf(form().imgSetCategory));
        for (QAction *item : {form().OpenItem, form().ImageItem, form().TrainingAreaItem, form().DiscriminantItem})
            QVERIFY(!driver_->choose(item));
        driver_->finish();

        QVERIFY(run(form().PaintCategoryMapItem));
        QCOMPARE(RowMismatch(form(), ScreenRow::PaintCategoryMap), QString());
        QCOMPARE(form().lblMessage->text(), QStringLiteral("カテゴリーマップ"));
        QCOMPARE(FirstMismatch(form().imgCategoryMap->bitmap(), [](int x, int y) { return QuadrantColour[Quadrant(x, y)]; }), QString());
        QVERIFY(form().lblScatter1->isHidden());

        // Every view is on offer now; the Operation items wait for the image view.
        QVERIFY(run(form().CategoryItem));
        QCOMPARE(form().imgSetCategory->bitmap(), map);
        QVERIFY(run(form().CategoryMapItem));
        QVERIFY(!driver_->choose(form().TrainingAreaItem));
        driver_->finish();
        QVERIFY(run(form().ImageItem));
        QVERIFY(run(form().TrainingAreaItem));
        // Training afresh keeps the statistics but counts nothing as used.
        QVERIFY(std::none_of(CategoryUsed.begin() + 1, CategoryUsed.end(), [](bool used) { return used; }));
        QCOMPARE(Categories[1].Mean1, Categories[1].Mean1);

        // A later Open takes the decision and category map views away again.
        QVERIFY(clickSwatch(form().shpBlue));
        QVERIFY(drag({20, 20}, {120, 120}));
        QVERIFY(run(form().DiscriminantItem));
        QVERIFY(run(form().PaintCategoryMapItem));
        QVERIFY(openScene());
        QVERIFY(!form().SceneFlag(Flag::CategoryItem) && !form().SceneFlag(Flag::CategoryMapItem) && !form().SceneFlag(Flag::PartScatterItem));
    }

    void noCategoryInUseGivesABlackMap()
    {
        QVERIFY(run(form().TrainingAreaItem));
        QVERIFY(clickSwatch(form().shpCyan));
        QVERIFY(drag({20, 20}, {120, 120}));
        // Training afresh: the overlay still takes drags before any swatch,
        // and such a drag trains the category chosen last, unused.
        QVERIFY(run(form().TrainingAreaItem));
        QVERIFY(form().imgMapOverlay->isEnabled());
        QVERIFY(drag({300, 260}, {400, 390}));
        QCOMPARE(Categories[2].Mean1 > 150, true);
        QVERIFY(run(form().DiscriminantItem));
        QVERIFY(std::all_of(DecisionTable.begin(), DecisionTable.end(), [](const auto &row) { return std::all_of(row.begin(), row.end(), [](auto k) { return k == 0; }); }));
        QCOMPARE(form().imgSetCategory->bitmap(), form().imgWholeScatter->bitmap());
        QVERIFY(run(form().PaintCategoryMapItem));
        QCOMPARE(FirstMismatch(form().imgCategoryMap->bitmap(), [](int, int) { return Colours::Black; }), QString());
    }

    void degenerateCategoryIsNamed_data()
    {
        QTest::addColumn<int>("swatch");
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QString>("colour");
        QTest::newRow("one-pixel area") << 1 << QRect(10, 10, 1, 1) << QStringLiteral("青色");
        QTest::newRow("one line of constant band 1") << 6 << QRect(10, 10, 1, 1) << QStringLiteral("紫色");
        QTest::newRow("never trained") << 4 << QRect() << QStringLiteral("黄色");
    }

    void degenerateCategoryIsNamed()
    {
        QFETCH(int, swatch);
        QFETCH(QRect, area);
        QFETCH(QString, colour);
        Shape *swatches[] = {nullptr, form().shpBlue, form().shpCyan, form().shpGreen, form().shpYellow, form().shpRed, form().shpMagenta};
        QVERIFY(run(form().TrainingAreaItem));
        QVERIFY(clickSwatch(form().shpGreen));
        QVERIFY(drag({30, 250}, {200, 380}));
        QVERIFY(clickSwatch(swatches[swatch]));
        if (!area.isNull())
            QVERIFY(drag(area.topLeft(), area.bottomRight()));
        driver_->error(colour + QStringLiteral("のカテゴリーは分散共分散行列の行列式が０以下のため判別できません。トレーニングエリアを設定し直してください。"));
        QVERIFY(run(form().DiscriminantItem));
        // The student can train again: panel and overlay off, menus as the
        // last training drag left them, the plain scatter copy shown.
        QVERIFY(!form().grpCategory->isEnabled() && !form().imgMapOverlay->isEnabled());
        QVERIFY(form().SceneFlag(Flag::OperationMenu) && form().SceneFlag(Flag::TrainingAreaItem) && !form().SceneFlag(Flag::FileMenu));
        QCOMPARE(form().lblMessage->text(), QString());
        QCOMPARE(form().imgSetCategory->bitmap(), form().imgWholeScatter->bitmap());
        QVERIFY(std::all_of(DecisionTable.begin(), DecisionTable.end(), [](const auto &row) { return std::all_of(row.begin(), row.end(), [](auto k) { return k == 0; }); }));
        QVERIFY(trainQuadrants());
        QVERIFY(run(form().DiscriminantItem));
        QVERIFY(run(form().PaintCategoryMapItem));
    }

    void savePicture()
    {
        QVERIFY(trainQuadrants());
        QVERIFY(run(form().DiscriminantItem));
        QVERIFY(run(form().PaintCategoryMapItem));
        QTest::keyClicks(form().Edit1, QStringLiteral("x")); // the panel is disabled: nothing typed
        const QString base = QDir(folder_.path()).absoluteFilePath(QStringLiteral("picture"));

        driver_->then(QStringLiteral("save dialog cancelled"), [](QWidget *widget) {
            auto *dialog = qobject_cast<QFileDialog *>(widget);
            QVERIFY(dialog);
            QCOMPARE(dialog->nameFilters(), QStringList{QStringLiteral("BMPﾌｧｲﾙ(*bmp) (*bmp)")});
            dialog->reject();
        });
        QVERIFY(run(form().SavePictureItem));
        QVERIFY(!QFile::exists(base + QStringLiteral(".bmp")));

        for (int time = 0; time < 2; ++time) {
            driver_->chooseFile(base);
            QVERIFY(run(form().SavePictureItem));
        }
        QCOMPARE(driver_->offeredNames_.last(), base + QStringLiteral(".bmp"));
        QFile file(base + QStringLiteral(".bmp"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QCOMPARE(bytes.left(2), QByteArray("BM"));
        QCOMPARE(qFromLittleEndian<std::uint16_t>(bytes.constData() + 28), std::uint16_t{24});
        const QImage saved = QImage::fromData(bytes, "BMP");
        QCOMPARE(saved.size(), QSize(721, 561));
        const QImage map = form().imgCategoryMap->bitmap();
        QCOMPARE(FirstMismatch(saved.copy(8, 8, 512, 400), [&](int x, int y) { return PixelAt(map, x, y); }), QString());
        // The category panel lies to the right: the blue swatch inside it.
        const QPoint swatch = form().shpBlue->mapTo(form().ClientArea, QPoint(16, 12));
        QCOMPARE(PixelAt(saved, swatch.x(), swatch.y()), Colours::Blue);
        QCOMPARE(form().imgSavePic->bitmap().size(), QSize(721, 561));
        QCOMPARE(RowMismatch(form(), ScreenRow::PaintCategoryMap), QString());

        driver_->chooseFile(QStringLiteral("/proc/sorvane.bmp")).error(QStringLiteral("ﾌｧｲﾙ /proc/sorvane.bmp を作成できません"));
        QVERIFY(run(form().SavePictureItem));
    }

    void histogramViewIsSavedWithItsLabels()
    {
        QVERIFY(run(form().WholeScatterItem));
        const QString path = QDir(folder_.path()).absoluteFilePath(QStringLiteral("plot.bmp"));
        driver_->chooseFile(path);
        QVERIFY(run(form().SavePictureItem));
        const QImage saved(path);
        QCOMPARE(saved.size(), QSize(721, 561));
        const QImage label = form().lblScatter3->grab().toImage();
        QCOMPARE(FirstMismatch(saved.copy(form().lblScatter3->geometry()), [&](int x, int y) { return PixelAt(label, x, y); }), QString());
    }
};

int main(int argc, char *argv[])
{
    PrepareApplication();
    QApplication application(argc, argv);
    TestClassification test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_classification.moc"
