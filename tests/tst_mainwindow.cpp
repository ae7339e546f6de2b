// The main window from start-up through File > Open and the View commands,
// driven through the real menu, dialogs and keyboard.

#include "ImageCheck.h"
#include "SceneFiles.h"
#include "WindowDriver.h"

#include "About/TAboutBox.h"
#include "scatter/Scatter.h"
#include "scene/BandFile.h"
#include "toolkit/EditBox.h"
#include "toolkit/Label.h"
#include "toolkit/Picture.h"
#include "toolkit/Shape.h"
#include "unitInfo/TfrmInfo.h"
#include "unitMain/Application.h"

#include <QGroupBox>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QtTest>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <numeric>
#include <thread>

namespace {

// Ends the test program if the main thread has not come back in time: a
// window that hangs cannot fail a check.
class Watchdog
{
public:
    Watchdog(int seconds, const char *what)
        : thread_([this, seconds, what] {
              std::unique_lock<std::mutex> lock(mutex_);
              if (!finished_.wait_for(lock, std::chrono::seconds(seconds), [this] { return done_; })) {
                  std::fprintf(stderr, "%s\n", what);
                  std::abort();
              }
          })
    {
    }
    ~Watchdog()
    {
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            done_ = true;
        }
        finished_.notify_all();
        thread_.join();
    }

private:
    std::mutex mutex_;
    std::condition_variable finished_;
    bool done_ = false;
    std::thread thread_;
};

const QString FirstBand = QStringLiteral("第１のバンド（シアンのプレーン）を読み込んでください。");
const QString SecondBand = QStringLiteral("第２のバンド（赤のプレーン）を読み込んでください。");

// Band 1 and band 2 of a small test scene: pixel (0, 0) holds the pair
// (255, 0), (1, 0) holds (0, 255), (2, 0) holds (128, 128); the rest is a
// pattern of the coordinates.
std::uint8_t TestBand1(int x, int y)
{
    if (y == 0 && x < 3)
        return std::array<std::uint8_t, 3>{255, 0, 128}[static_cast<std::size_t>(x)];
    return static_cast<std::uint8_t>((x + y) % 256);
}

std::uint8_t TestBand2(int x, int y)
{
    if (y == 0 && x < 3)
        return std::array<std::uint8_t, 3>{0, 255, 128}[static_cast<std::size_t>(x)];
    return static_cast<std::uint8_t>((x * 3 + y / 2) % 256);
}

}

class TestMainWindow : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir folder_;
    WindowDriver *driver_ = nullptr;
    QString band1_, band2_, otherBand1_, zeros_, short_;

    TMainForm &form() { return *MainForm; }

    bool run(QAction *item) { return driver_->settled(form(), driver_->choose(item)); }

    bool openTestScene() { driver_->open(band1_, band2_); return run(form().OpenItem); }

private slots:
    void initTestCase()
    {
        QVERIFY(folder_.isValid());
        const QDir dir(folder_.path());
        band1_ = WriteFile(dir, QStringLiteral("band1.bsq"), BandFileBytes(TestBand1, SceneHeader("B4  ")));
        band2_ = WriteFile(dir, QStringLiteral("band2.bsq"), BandFileBytes(TestBand2, SceneHeader("B5  ")));
        otherBand1_ = WriteFile(dir, QStringLiteral("other1.bsq"), BandFileBytes([](int, int) { return std::uint8_t{7}; }, {{40, QByteArray("N\0 X", 4)}, {180, QByteArray("SPOT\0\0  ", 8)}}));
        zeros_ = WriteFile(dir, QStringLiteral("zeros.bsq"), BandFileBytes([](int, int) { return std::uint8_t{0}; }));
        short_ = WriteFile(dir, QStringLiteral("short.bsq"), BandFileBytes(TestBand2, SceneHeader("B5  ")).left(205311));
        QVERIFY(!band1_.isEmpty() && !band2_.isEmpty() && !otherBand1_.isEmpty() && !zeros_.isEmpty() && !short_.isEmpty());
    }

    void init()
    {
        CreateForms();
        ShowMainForm();
        QVERIFY(QTest::qWaitForWindowExposed(MainForm));
        driver_ = new WindowDriver;
    }

    void cleanup()
    {
        delete driver_;
        driver_ = nullptr;
        DestroyForms();
    }

    void startState()
    {
        QCOMPARE(RowMismatch(form(), ScreenRow::Start), QString());
        QCOMPARE(ScreenInvariantsBroken(form()), QString());
        QCOMPARE(form().windowTitle(), QStringLiteral("Sorvane - Quellin"));
        QCOMPARE(form().ClientArea->size(), QSize(721, 561));
        QCOMPARE(form().minimumSize(), form().maximumSize());
        QVERIFY(!(form().windowFlags() & Qt::WindowMaximizeButtonHint));

        const struct { QWidget *widget; QRect geometry; bool visible; } components[] = {
            {form().Bevel1, {8, 528, 705, 25}, true},
            {form().imgWholeScatter, {8, 8, 512, 512}, false},
            {form().imgPartScatter, {8, 8, 512, 512}, false},
            {form().imgSetCategory, {8, 8, 512, 512}, false},
            {form().imgMapOverlay, {8, 8, 512, 400}, false},
            {form().imgColorImage, {8, 8, 512, 400}, true},
            {form().imgCategoryMap, {8, 8, 512, 400}, true},
            {form().imgSavePic, {528, 288, 65, 57}, false},
            {form().grpCategory, {528, 8, 185, 265}, true},
            {form().shpMagenta, {16, 224, 33, 25}, true},
            {form().Edit6, {64, 224, 105, 26}, true},
        };
        for (const auto &component : components) {
            QCOMPARE(component.widget->geometry(), component.geometry);
            QCOMPARE(!component.widget->isHidden(), component.visible);
        }
        QCOMPARE(form().lblMessage->pos(), QPoint(12, 532));
        QCOMPARE(form().lblScatter1->geometry().right() + 1, 513);
        QVERIFY(!form().imgSetCategory->isEnabled() && !form().imgSavePic->isEnabled() && !form().grpCategory->isEnabled());

        // Creation order is the stacking order, bottom to top.
        QStringList order;
        for (QObject *child : form().ClientArea->children())
            if (child->isWidgetType() && child != form().grpCategory && child != form().Bevel1 && child != form().imgSavePic)
                order << child->objectName();
        QCOMPARE(order, (QStringList{"imgWholeScatter", "imgPartScatter", "imgSetCategory", "imgMapOverlay", "lblMessage", "imgColorImage", "lblScatter3",
                                     "lblScatter4", "lblScatter5", "lblScatter6", "lblScatter1", "lblScatter2", "imgCategoryMap"}));

        for (Picture *picture : {form().imgColorImage, form().imgCategoryMap, form().imgWholeScatter, form().imgMapOverlay})
            QVERIFY(picture->isEmpty());
        QCOMPARE(form().OpenItem->text(), QStringLiteral("開く(&O)..."));
        QCOMPARE(form().WholeScatterItem->text(), QStringLiteral("２次元ﾋｽﾄｸﾞﾗﾑ（全体）(&W)"));
        QCOMPARE(form().FileMenu->title(), QStringLiteral("ﾌｧｲﾙ(&F)"));
        QCOMPARE(form().ExitItem->shortcut(), QKeySequence(Qt::ALT | Qt::Key_X));
        QVERIFY(std::all_of(Band1.begin(), Band1.end(), [](const auto &column) { return std::all_of(column.begin(), column.end(), [](auto v) { return v == 0; }); }));
        QVERIFY(AboutBox && frmInfo && AboutBox->isHidden() && frmInfo->isHidden());
    }

    void exitEndsTheProgram_data()
    {
        QTest::addColumn<int>("way");
        QTest::newRow("File > Exit") << 0;
        QTest::newRow("Alt+X") << 1;
        QTest::newRow("close box") << 2;
    }

    void exitEndsTheProgram()
    {
        QFETCH(int, way);
        form().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(MainForm));
        if (way == 0)
            QVERIFY(driver_->choose(form().ExitItem));
        else if (way == 1)
            QTest::keyClick(MainForm, Qt::Key_X, Qt::AltModifier);
        else
            form().close();
        QTRY_VERIFY(!form().isVisible());
    }

    void altXDoesNothingWhileFileIsDisabled()
    {
        driver_->message(FirstBand).cancelFile();
        QVERIFY(run(form().OpenItem));
        QVERIFY(run(form().MakeScatterItem));
        QVERIFY(!form().SceneFlag(Flag::FileMenu));
        form().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(MainForm));
        QTest::keyClick(MainForm, Qt::Key_X, Qt::AltModifier);
        QTest::qWait(50);
        QVERIFY(form().isVisible());
        QVERIFY(!form().ExitItem->isEnabled());
    }

    void aboutBoxOpensWithFocusOnOk()
    {
        for (int opening = 0; opening < 2; ++opening) {
            driver_->then(QStringLiteral("About box"), [](QWidget *widget) {
                auto *box = qobject_cast<TAboutBox *>(widget);
                QVERIFY(box);
                QCOMPARE(box->focusWidget(), static_cast<QWidget *>(box->OKButton));
                QCOMPARE(box->windowTitle(), QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
                QCOMPARE(box->ProductName->text(), QStringLiteral("Sorvane - Quellin"));
                QCOMPARE(box->Version->text(), QStringLiteral("Version 1.0"));
                QCOMPARE(box->ProgramIcon->bitmap().size(), QSize(32, 32));
                QTest::keyClick(box->OKButton, Qt::Key_Return);
            });
            QVERIFY(run(form().About1));
            QVERIFY(AboutBox->isHidden());
        }
    }

    void infoBeforeAnyScene()
    {
        driver_->then(QStringLiteral("information dialog"), [](QWidget *widget) {
            auto *info = qobject_cast<TfrmInfo *>(widget);
            QVERIFY(info);
            QCOMPARE(info->lblSensor->text(), QStringLiteral("/"));
            QCOMPARE(info->lblBand->text(), QStringLiteral("/"));
            QCOMPARE(info->lblBegin->text(), QStringLiteral(", "));
            QCOMPARE(info->lblCaptureDate->text(), QString());
            QCOMPARE(info->lblPathRow->text(), QString());
            QCOMPARE(info->lblWeed->text(), QString());
            QTest::keyClick(info->OKBtn, Qt::Key_Return);
        });
        QVERIFY(run(form().InfoItem));
        QVERIFY(frmInfo->isHidden());
    }

    void openDrawsCompositeAndWholeHistogram()
    {
        QVERIFY(openTestScene());
        QCOMPARE(RowMismatch(form(), ScreenRow::OpenStart), QString());
        QCOMPARE(form().lblMessage->text(), QStringLiteral("衛星画像"));
        QVERIFY(!form().imgColorImage->isHidden() && form().imgMapOverlay->isHidden());

        // The range dialog opened with 0 and 255, the 0 focused and selected.
        QCOMPARE(driver_->rangeSeen_, (QStringList{"0|255|0", "0|255|0"}));
        QCOMPARE(driver_->histograms_.size(), 2);
        QCOMPARE(driver_->histograms_[0].size(), QSize(256, 200));

        const QImage composite = form().imgColorImage->bitmap();
        QCOMPARE(composite.size(), QSize(512, 400));
        QCOMPARE(PixelAt(composite, 0, 0), Colours::Aqua);
        QCOMPARE(PixelAt(composite, 1, 0), Colours::Red);
        QCOMPARE(PixelAt(composite, 2, 0), Colours::Grey);
        QCOMPARE(FirstMismatch(composite, [](int x, int y) { return TestBand1(x, y) * 0x010100u + TestBand2(x, y); }), QString());
        QCOMPARE(form().imgMapOverlay->bitmap(), composite);

        // The whole scene is counted and plotted.
        std::int64_t total = 0;
        for (const auto &row : ScatterCount)
            total = std::accumulate(row.begin(), row.end(), total);
        QCOMPARE(total, std::int64_t{204800});
        QCOMPARE(form().imgWholeScatter->bitmap().size(), QSize(512, 512));
        QCOMPARE(StartPt, QPoint(0, 0));
        QCOMPARE(EndPt, QPoint(511, 399));

        // The texts come from band 1's header but for band 2's name; the
        // header buffer holds band 2's header.
        QCOMPARE(BandName1, QByteArray("B4  "));
        QCOMPARE(BandName2, QByteArray("B5  "));
        QCOMPARE(SatelliteText, QByteArray("LANDSAT8"));
        QCOMPARE(HeaderText(Header, 40, 4), QByteArray("B5  "));
        QCOMPARE(FileName, band2_);
        for (std::size_t k = 1; k <= 6; ++k)
            QCOMPARE(Categories[k].Number, static_cast<std::int32_t>(k));
        QCOMPARE(Categories[4].Color, Colours::Yellow);
        QCOMPARE(Band1[0][0] | Band1[0][5] | Band1[5][0] | Band2[512][0], 0);
        QVERIFY(form().SceneFlag(Flag::SavePictureItem));
        // The second file dialog offered the name chosen in the first.
        QCOMPARE(driver_->offeredNames_.value(1), band1_);
    }

    void openCancelledAtTheFirstDialog()
    {
        driver_->message(FirstBand).cancelFile();
        QVERIFY(run(form().OpenItem));
        QCOMPARE(RowMismatch(form(), ScreenRow::OpenStart), QString());
        QVERIFY(form().imgCategoryMap->isHidden());
        QVERIFY(form().imgColorImage->isEmpty());
        QVERIFY(FileName.isEmpty());
        QCOMPARE(form().lblMessage->text(), QString());
        // The View commands then show the empty pictures.
        QVERIFY(run(form().WholeScatterItem));
        QVERIFY(!form().lblScatter1->isHidden());
        QCOMPARE(form().lblScatter1->text(), QString());
        QVERIFY(run(form().ImageItem));
    }

    void openCancelledAtTheSecondDialog()
    {
        QVERIFY(openTestScene());
        const QImage before = form().imgColorImage->bitmap();
        driver_->message(FirstBand).chooseFile(otherBand1_).range(QStringLiteral("5"), QStringLiteral("9")).message(SecondBand).cancelFile();
        QVERIFY(run(form().OpenItem));
        QCOMPARE(form().imgColorImage->bitmap(), before);
        QCOMPARE(form().lblMessage->text(), QStringLiteral("衛星画像"));
        QCOMPARE(BandName1, QByteArray("N\0 X", 4));
        QCOMPARE(BandName2, QByteArray("B5  "));
        // Recounted from the new band 1 (all 7) and the old band 2.
        std::int32_t sevens = 0;
        for (int b = 0; b < 256; ++b)
            sevens += ScatterCount[7][static_cast<std::size_t>(b)];
        QCOMPARE(sevens, 204800);
        QCOMPARE(ScatterCount[7][TestBand2(10, 10)] > 0, true);
        QCOMPARE(form().imgMapOverlay->bitmap(), before);
        QCOMPARE(LowerBound, 5);
        QCOMPARE(UpperBound, 9);
    }

    void truncatedSecondBandEndsTheCommand()
    {
        driver_->message(FirstBand).chooseFile(band1_).rangeDefaults().message(SecondBand).chooseFile(short_)
            .error(QStringLiteral("ﾌｧｲﾙの末尾以降を読み込みました"));
        QVERIFY(run(form().OpenItem));
        QVERIFY(form().imgColorImage->isEmpty());
        QCOMPARE(BandName1, QByteArray("B4  "));
        QCOMPARE(BandName2, QByteArray());
        // Every cell but the last holds the file's value.
        QCOMPARE(Band2[511][400], TestBand2(510, 399));
        QCOMPARE(Band2[512][400], std::uint8_t{0});
        QCOMPARE(RowMismatch(form(), ScreenRow::OpenStart), QString());
    }

    void badBandFiles_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("text");
        QTest::newRow("missing file") << QStringLiteral("missing.bsq") << QStringLiteral("ﾌｧｲﾙが見つかりません");
        QTest::newRow("missing folder") << QStringLiteral("nowhere/band.bsq") << QStringLiteral("不正なﾌｧｲﾙ名です");
    }

    void badBandFiles()
    {
        QFETCH(QString, path);
        QFETCH(QString, text);
        driver_->message(FirstBand).chooseFile(QDir(folder_.path()).absoluteFilePath(path)).error(text);
        QVERIFY(run(form().OpenItem));
        QVERIFY(form().imgColorImage->isEmpty());
        QCOMPARE(BandName1, QByteArray());
    }

    void equalBoundsEndTheCommandAtTheFirstPixel()
    {
        driver_->message(FirstBand).chooseFile(band1_).range(QStringLiteral("100"), QStringLiteral("100")).message(SecondBand).chooseFile(band2_).rangeDefaults()
            .error(QStringLiteral("0 による浮動小数点数除算"));
        QVERIFY(run(form().OpenItem));
        QVERIFY(form().imgColorImage->isEmpty());
        QCOMPARE(form().lblMessage->text(), QString());
    }

    void hugeBoundsAreAnInvalidOperation()
    {
        driver_->open(band1_, band2_, QStringLiteral("-10000000"), QStringLiteral("-9999999"));
        driver_->error(QStringLiteral("不正な浮動小数点数演算命令"));
        QVERIFY(run(form().OpenItem));
        QVERIFY(form().imgColorImage->isEmpty());
    }

    void notAnIntegerInARangeBox_data()
    {
        QTest::addColumn<bool>("lowerBox");
        QTest::addColumn<int>("lower");
        QTest::addColumn<int>("upper");
        QTest::newRow("lower box") << true << 0 << 255;
        QTest::newRow("upper box") << false << 30 << 255;
    }

    void notAnIntegerInARangeBox()
    {
        QFETCH(bool, lowerBox);
        QFETCH(int, lower);
        QFETCH(int, upper);
        QVERIFY(openTestScene());
        driver_->message(FirstBand).chooseFile(band1_);
        if (lowerBox)
            driver_->range(QStringLiteral("abc"), QStringLiteral("99"));
        else
            driver_->range(QStringLiteral("30"), QStringLiteral("abc"));
        driver_->error(QStringLiteral("'abc' は整数ではありません"));
        driver_->message(SecondBand).cancelFile();
        QVERIFY(run(form().OpenItem));
        QCOMPARE(LowerBound, lower);
        QCOMPARE(UpperBound, upper);
        QVERIFY(frmSetRange == nullptr);
    }

    void escapeDoesNotCloseTheRangeDialog()
    {
        driver_->message(FirstBand).chooseFile(band1_).then(QStringLiteral("Esc in the range dialog"), [](QWidget *widget) {
            QTest::keyClick(widget, Qt::Key_Escape);
            QVERIFY(widget->isVisible());
            qobject_cast<TfrmSetRange *>(widget)->btnOk->click();
        });
        driver_->message(SecondBand).cancelFile();
        QVERIFY(run(form().OpenItem));
        QCOMPARE(LowerBound, 0);
        QCOMPARE(UpperBound, 255);
    }

    void rangeDialogClosedByItsCloseBox()
    {
        driver_->message(FirstBand).chooseFile(zeros_).closeRange().message(SecondBand).chooseFile(zeros_).closeRange()
            .error(QStringLiteral("0 による浮動小数点数除算"));
        QVERIFY(run(form().OpenItem));
        QCOMPARE(LowerBound, 0);
        QCOMPARE(UpperBound, 0);
    }

    void allZeroScene()
    {
        driver_->open(zeros_, zeros_);
        QVERIFY(run(form().OpenItem));
        QCOMPARE(FirstMismatch(form().imgColorImage->bitmap(), [](int, int) { return Colours::Black; }), QString());
        const QImage plot = form().imgWholeScatter->bitmap();
        QCOMPARE(PixelAt(plot, 0, 511), Colours::White);
        QCOMPARE(PixelAt(plot, 1, 510), Colours::White);
        QCOMPARE(PixelAt(plot, 2, 511), Colours::Black);
    }

    void viewCommandsSwitchPictures()
    {
        QVERIFY(openTestScene());
        QVERIFY(!driver_->choose(form().PartScatterItem));
        QVERIFY(!driver_->choose(form().CategoryMapItem));
        driver_->finish();

        const struct { QAction *item; ScreenRow row; Picture *picture; QString status; bool labels; } views[] = {
            {form().WholeScatterItem, ScreenRow::WholeScatter, form().imgWholeScatter, QStringLiteral("２次元ヒストグラム（全体）"), true},
            {form().ImageItem, ScreenRow::Image, form().imgColorImage, QStringLiteral("衛星画像"), false},
            {form().WholeScatterItem, ScreenRow::WholeScatter, form().imgWholeScatter, QStringLiteral("２次元ヒストグラム（全体）"), true},
            {form().WholeScatterItem, ScreenRow::WholeScatter, form().imgWholeScatter, QStringLiteral("２次元ヒストグラム（全体）"), true},
            {form().ImageItem, ScreenRow::Image, form().imgColorImage, QStringLiteral("衛星画像"), false},
        };
        for (const auto &view : views) {
            QVERIFY(run(view.item));
            QCOMPARE(RowMismatch(form(), view.row), QString());
            QVERIFY(!view.picture->isHidden());
            QCOMPARE(form().lblMessage->text(), view.status);
            QCOMPARE(!form().lblScatter6->isHidden(), view.labels);
        }
        // The image view shows the overlay too, disabled.
        QVERIFY(!form().imgMapOverlay->isHidden() && !form().imgMapOverlay->isEnabled());

        QVERIFY(run(form().WholeScatterItem));
        QCOMPARE(form().lblScatter1->text(), QStringLiteral("B4  "));
        QCOMPARE(form().lblScatter2->text(), QStringLiteral("B5  "));
        QCOMPARE(form().lblScatter1->geometry().right() + 1, 513);
        QCOMPARE(form().lblScatter2->pos(), QPoint(8, 8));
        // The labels lie above the plot.
        const QObjectList children = form().ClientArea->children();
        QVERIFY(children.indexOf(form().lblScatter6) > children.indexOf(form().imgWholeScatter));
        QVERIFY(children.indexOf(form().lblScatter6) > children.indexOf(form().imgCategoryMap));
    }

    void sampleSceneOpens()
    {
        driver_->open(SamplePath(QStringLiteral("zion_l8_150818"), QStringLiteral("band1.bsq")), SamplePath(QStringLiteral("zion_l8_150818"), QStringLiteral("band2.bsq")));
        QVERIFY(run(form().OpenItem));
        QCOMPARE(BandName1, QByteArray("B4  "));
        QCOMPARE(BandName2, QByteArray("B5  "));
        QCOMPARE(CaptureDate, QByteArray("150818 "));
        driver_->then(QStringLiteral("information dialog"), [](QWidget *widget) {
            auto *info = qobject_cast<TfrmInfo *>(widget);
            QVERIFY(info);
            QCOMPARE(info->lblSensor->text(), QStringLiteral("LANDSAT8/OLI     "));
            QCOMPARE(info->lblBand->text(), QStringLiteral("B4  /B5  "));
            QCOMPARE(info->lblBegin->text(), QStringLiteral("0950, 0000"));
            QCOMPARE(info->lblPathRow->text(), QStringLiteral("038-034  "));
            QCOMPARE(info->lblWeed->text(), QStringLiteral("1/1 "));
            info->close();
        });
        QVERIFY(run(form().InfoItem));
    }

    void saveDialogInProcDoesNotHang()
    {
        // Qt's file dialog told each listed file's type by reading it, and
        // a read of /proc/kmsg waits for ever: after a failed save there,
        // the next save dialog, which opens in that folder, hung the window.
        driver_->message(FirstBand).cancelFile();
        QVERIFY(run(form().OpenItem));
        driver_->chooseFile(QStringLiteral("/proc/sorvane.bmp")).error(QStringLiteral("ﾌｧｲﾙ /proc/sorvane.bmp を作成できません"));
        QVERIFY(run(form().SavePictureItem));
        const Watchdog watchdog(30, "the save dialog hangs listing /proc");
        driver_->then(QStringLiteral("save dialog listing /proc"), [](QWidget *widget) {
            auto *dialog = qobject_cast<QFileDialog *>(widget);
            QVERIFY(dialog);
            QCOMPARE(dialog->directory().absolutePath(), QStringLiteral("/proc"));
            WaitForFolderRead(dialog);
            QTest::qWait(500);
            dialog->reject();
        });
        QVERIFY(run(form().SavePictureItem));
    }

    void infoShowsBlanksAndZeroBytes()
    {
        driver_->message(FirstBand).chooseFile(otherBand1_).rangeDefaults().message(SecondBand).cancelFile();
        QVERIFY(run(form().OpenItem));
        driver_->then(QStringLiteral("information dialog"), [](QWidget *widget) {
            auto *info = qobject_cast<TfrmInfo *>(widget);
            QVERIFY(info);
            QCOMPARE(info->lblBand->text(), QStringLiteral("N\u2400 X/"));
            QCOMPARE(info->lblSensor->text(), QStringLiteral("SPOT\u2400\u2400  /        "));
            QTest::mouseClick(info->OKBtn, Qt::LeftButton);
        });
        QVERIFY(run(form().InfoItem));
    }
};

int main(int argc, char *argv[])
{
    PrepareApplication();
    QApplication application(argc, argv);
    TestMainWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mainwindow.moc"
