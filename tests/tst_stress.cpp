// A model-based stress test of the real window: seeded random sequences of
// what a student can do (menu items while they are enabled, drags anywhere
// with any button, swatch clicks, typing in the category boxes, every kind
// of answer to the file and range dialogs, the information and About
// dialogs, saving pictures). A model of the working state says beforehand
// which dialogs and error boxes each command brings, so that the driver
// answers them in turn, and afterwards what the working state must hold.
// After every step the screen-state invariants must hold, the cursor must be
// the default one, and no dialog may be left open.
//
// SORVANE_STRESS_STEPS (steps per seed, default 150) and SORVANE_STRESS_SEED
// (one seed or a comma-separated list, default 1,2) choose the run.

#include "Rasters.h"
#include "RaisedError.h"
#include "SceneFiles.h"
#include "WindowDriver.h"

#include "About/TAboutBox.h"
#include "classify/CategoryStats.h"
#include "classify/Discriminant.h"
#include "scene/BandFile.h"
#include "scene/Stretch.h"
#include "toolkit/Label.h"
#include "toolkit/Shape.h"
#include "toolkit/TextDisplay.h"
#include "unitInfo/TfrmInfo.h"
#include "unitMain/Application.h"
#include "unitSetRange/StrToInt.h"

#include <QGroupBox>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <memory>

namespace {

const QString FirstBand = QStringLiteral("第１のバンド（シアンのプレーン）を読み込んでください。");
const QString SecondBand = QStringLiteral("第２のバンド（赤のプレーン）を読み込んでください。");
const char *const ColourWords[7] = {"", "青色", "空色", "緑色", "黄色", "赤色", "紫色"};

// Types text into widget key by key; QTest::keyClicks takes Latin-1 only.
void TypeText(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

int EnvironmentNumber(const char *name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value > 0 ? value : fallback;
}

// What the program's working state must hold, kept by the test from what
// it has done. The pure routines stand for their own definitions here;
// they are tested against those on their own.
struct Model
{
    HeaderBuffer header{};
    Band band1 = std::make_unique<BandRaster>();
    Band band2 = std::make_unique<BandRaster>();
    QByteArray texts[8]; // CutPosA, CutPosB, WeedText, BandName1, CaptureDate, PathRow, SatelliteText, SensorText
    QByteArray bandName2;
    QString fileName;
    std::int32_t lower = 0;
    std::int32_t upper = 0;
    CategoryTable categories{};
    CategoryFlags used{};
    std::int32_t currentCategory = 0;
    bool scatterMode = false;
    bool trainingMode = false;
    std::unique_ptr<DecisionTableType> table = std::make_unique<DecisionTableType>();

    void takeBand1Texts()
    {
        const struct { int offset, length; } fields[8] = {{0, 4}, {16, 4}, {24, 4}, {40, 4}, {88, 7}, {113, 9}, {180, 8}, {208, 8}};
        for (int index = 0; index < 8; ++index)
            texts[index] = HeaderText(header, fields[index].offset, fields[index].length);
    }

    // What differs between the model and the program's working state.
    QString differences() const
    {
        QStringList found;
        if (std::memcmp(band1->data(), Band1.data(), sizeof(BandRaster)) != 0)
            found << QStringLiteral("Band1");
        if (std::memcmp(band2->data(), Band2.data(), sizeof(BandRaster)) != 0)
            found << QStringLiteral("Band2");
        const QByteArray actual[8] = {CutPosA, CutPosB, WeedText, BandName1, CaptureDate, PathRow, SatelliteText, SensorText};
        for (int index = 0; index < 8; ++index)
            if (actual[index] != texts[index])
                found << QStringLiteral("header text %1").arg(index);
        if (BandName2 != bandName2)
            found << QStringLiteral("BandName2");
        if (FileName != fileName)
            found << QStringLiteral("FileName %1, expected %2").arg(FileName, fileName);
        if (LowerBound != lower || UpperBound != upper)
            found << QStringLiteral("bounds %1..%2, expected %3..%4").arg(LowerBound).arg(UpperBound).arg(lower).arg(upper);
        for (std::size_t k = 0; k <= 6; ++k) {
            const TCategory &a = Categories[k];
            const TCategory &e = categories[k];
            const auto same = [](float x, float y) { return std::memcmp(&x, &y, sizeof x) == 0; };
            if (!same(a.Mean1, e.Mean1) || !same(a.Mean2, e.Mean2) || !same(a.Var1, e.Var1) || !same(a.Var2, e.Var2) || !same(a.Cov, e.Cov)
                || a.Number != e.Number || a.Color != e.Color)
                found << QStringLiteral("category %1 (%2 %3 %4 %5 %6, expected %7 %8 %9 %10 %11)")
                             .arg(k)
                             .arg(a.Mean1).arg(a.Mean2).arg(a.Var1).arg(a.Var2).arg(a.Cov)
                             .arg(e.Mean1).arg(e.Mean2).arg(e.Var1).arg(e.Var2).arg(e.Cov);
        }
        if (CategoryUsed != used)
            found << QStringLiteral("CategoryUsed");
        if (CurrentCategory != currentCategory)
            found << QStringLiteral("CurrentCategory %1, expected %2").arg(CurrentCategory).arg(currentCategory);
        if (ScatterMode != scatterMode || TrainingMode != trainingMode)
            found << QStringLiteral("modes");
        if (DecisionTable != *table)
            found << QStringLiteral("DecisionTable");
        return found.join(QLatin1String(", "));
    }
};

// How a file dialog of File > Open is answered.
struct BandChoice
{
    enum Kind { Cancel, Folder, File } kind = Cancel;
    QString path;
};

// How one band's part of File > Open ends: the dialog cancelled (also after
// a folder was typed, which the dialog opens instead of returning), the
// file failing to read, or the band read and its range taken.
enum class BandOutcome { Cancelled, Failed, Read };

// How a range dialog is answered: texts for the two boxes, or the close box.
struct RangeAnswer
{
    bool close = false;
    QString lower;
    QString upper;
};

}

class TestStress : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir folder_;
    QStringList validFiles_, brokenFiles_;
    QString missingFile_, missingFolderFile_;

    // One session: the window, its driver, the model and the dice.
    struct Session
    {
        TMainForm &form;
        WindowDriver &driver;
        Model &model;
        QRandomGenerator &random;
        QStringList log;
        QMap<QString, int> counts;
    };

    // Queues the answer to an error box the model expects, and counts it.
    static void expectError(Session &s, const char *kind, const QString &text)
    {
        ++s.counts[QStringLiteral("error box: ") + QLatin1String(kind)];
        s.driver.error(text);
    }

    template <typename T>
    static const T &Pick(QRandomGenerator &random, const QList<T> &from)
    {
        return from[static_cast<qsizetype>(random.bounded(static_cast<quint32>(from.size())))];
    }

    BandChoice chooseBand(Session &s)
    {
        const quint32 roll = s.random.bounded(100u);
        if (roll < 10)
            return {BandChoice::Cancel, {}};
        if (roll < 14)
            return {BandChoice::Folder, folder_.path()};
        if (roll < 19)
            return {BandChoice::File, missingFile_};
        if (roll < 23)
            return {BandChoice::File, missingFolderFile_};
        if (roll < 33)
            return {BandChoice::File, Pick(s.random, brokenFiles_)};
        return {BandChoice::File, Pick(s.random, validFiles_)};
    }

    static RangeAnswer chooseRange(Session &s)
    {
        static const QList<RangeAnswer> answers = {
            {false, "0", "255"}, {false, "30", "200"}, {false, "  12", "140"}, {false, "$10", "$F0"}, {false, "+5", "250"},
            {false, "200", "100"}, {false, "100", "100"}, {false, "0", "0"}, {false, "-10000000", "-9999999"},
            {false, "-2147483648", "2147483647"}, {false, "abc", "99"}, {false, "30", "abc"}, {false, "", ""}, {false, "1.5", "2"},
            {false, "30 ", "40"}, {false, "３０", "200"}, {false, "2147483648", "5"}, {false, "-$10", "7"}, {true, {}, {}},
        };
        const quint32 roll = s.random.bounded(100u);
        if (roll < 45)
            return answers[static_cast<qsizetype>(s.random.bounded(5u))];
        return Pick(s.random, answers);
    }

    // Queues the answers of one band's file and range dialogs and brings
    // the model along.
    BandOutcome planBand(Session &s, int number, std::pair<std::int32_t, std::int32_t> &bounds)
    {
        Model &m = s.model;
        s.driver.message(number == 1 ? FirstBand : SecondBand);
        const BandChoice choice = chooseBand(s);
        s.log << QStringLiteral("  band %1: %2 %3").arg(number).arg(int(choice.kind)).arg(choice.path);
        if (choice.kind == BandChoice::Cancel) {
            s.driver.cancelFile();
            return BandOutcome::Cancelled;
        }
        if (choice.kind == BandChoice::Folder) {
            // The dialog opens a folder typed into it rather than return it.
            s.driver.then(QStringLiteral("file dialog given a folder"), [path = choice.path](QWidget *widget) {
                auto *dialog = qobject_cast<QFileDialog *>(widget);
                QVERIFY(dialog);
                WaitForFolderRead(dialog);
                auto *nameEdit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
                nameEdit->setText(path);
                QTest::keyClick(nameEdit, Qt::Key_Return);
                QTest::qWait(20);
                if (dialog->isVisible())
                    dialog->reject();
            });
            return BandOutcome::Cancelled;
        }
        s.driver.chooseFile(choice.path);
        m.fileName = QFileInfo(choice.path).absoluteFilePath();
        BandRaster &raster = number == 1 ? *m.band1 : *m.band2;
        const QString readError = RaisedError([&] { ReadBandFile(choice.path, m.header, raster); });
        if (!readError.isEmpty()) {
            expectError(s, "band file", readError);
            return BandOutcome::Failed;
        }
        if (number == 1)
            m.takeBand1Texts();
        else
            m.bandName2 = HeaderText(m.header, 40, 4);

        const RangeAnswer answer = chooseRange(s);
        s.log << QStringLiteral("  range: %1 [%2] [%3]").arg(answer.close).arg(answer.lower, answer.upper);
        if (answer.close) {
            s.driver.closeRange();
        } else {
            s.driver.then(QStringLiteral("range dialog %1..%2").arg(answer.lower, answer.upper), [answer](QWidget *widget) {
                auto *dialog = qobject_cast<TfrmSetRange *>(widget);
                QVERIFY(dialog);
                for (QLineEdit *box : {static_cast<QLineEdit *>(dialog->edtLower), static_cast<QLineEdit *>(dialog->edtUpper)}) {
                    box->setFocus();
                    box->selectAll();
                    const QString &text = box == dialog->edtLower ? answer.lower : answer.upper;
                    if (text.isEmpty())
                        QTest::keyClick(box, Qt::Key_Backspace);
                    else
                        TypeText(box, text);
                }
                QTest::keyClick(dialog->edtUpper, Qt::Key_Return);
            });
            const QString conversionError = RaisedError([&] {
                m.lower = StrToInt(answer.lower);
                m.upper = StrToInt(answer.upper);
            });
            if (!conversionError.isEmpty())
                expectError(s, "not an integer", conversionError);
        }
        bounds = {m.lower, m.upper};
        return BandOutcome::Read;
    }

    void open(Session &s)
    {
        Model &m = s.model;
        constexpr TColor colours[7] = {Colours::Black, Colours::Blue, Colours::Aqua, Colours::Lime, Colours::Yellow, Colours::Red, Colours::Fuchsia};
        for (std::size_t k = 1; k <= 6; ++k) {
            m.categories[k].Number = static_cast<std::int32_t>(k);
            m.categories[k].Color = colours[k];
        }
        // The command goes on to its end after band 2 is read and drawn, or
        // when band 2's dialog is cancelled; an error ends it on the spot.
        std::pair<std::int32_t, std::int32_t> bounds1, bounds2;
        bool finished = false;
        if (planBand(s, 1, bounds1) == BandOutcome::Read) {
            const BandOutcome second = planBand(s, 2, bounds2);
            finished = second == BandOutcome::Cancelled;
            if (second == BandOutcome::Read) {
                QImage scratch(SceneWidth, SceneHeight, QImage::Format_RGB32);
                Canvas canvas(scratch);
                const QString drawError = RaisedError([&] {
                    DrawComposite(*m.band1, *m.band2, StretchTable(bounds1.first, bounds1.second), StretchTable(bounds2.first, bounds2.second), canvas);
                });
                if (!drawError.isEmpty())
                    expectError(s, "composite", drawError);
                finished = drawError.isEmpty();
            }
        }
        choose(s, s.form.OpenItem);
        if (finished)
            expectEmptyBoxes(s);
    }

    void expectEmptyBoxes(Session &s)
    {
        for (EditBox *box : {s.form.Edit1, s.form.Edit2, s.form.Edit3, s.form.Edit4, s.form.Edit5, s.form.Edit6})
            if (!box->text().isEmpty())
                problem(s, QStringLiteral("%1 still holds %2").arg(box->objectName(), box->text()));
    }

    void savePicture(Session &s)
    {
        const quint32 roll = s.random.bounded(100u);
        if (roll < 20) {
            s.driver.cancelFile();
            choose(s, s.form.SavePictureItem);
            return;
        }
        if (roll < 40) {
            const QString path = QStringLiteral("/proc/sorvane-%1.bmp").arg(roll);
            s.driver.chooseFile(path);
            expectError(s, "picture file", QStringLiteral("ﾌｧｲﾙ %1 を作成できません").arg(path));
            choose(s, s.form.SavePictureItem);
            return;
        }
        // A name without an extension gets .bmp.
        const QString name = QStringLiteral("picture%1").arg(roll % 7);
        const QString typed = folder_.filePath(roll % 2 ? name : name + QStringLiteral(".bmp"));
        const QString saved = folder_.filePath(name + QStringLiteral(".bmp"));
        QFile::remove(saved);
        s.driver.chooseFile(typed);
        choose(s, s.form.SavePictureItem);
        // 54 header bytes and 561 rows of 721 pixels at 3 bytes, padded to 2,164.
        if (QFileInfo(saved).size() != 54 + 561 * 2164)
            problem(s, QStringLiteral("the saved picture %1 has %2 bytes").arg(saved).arg(QFileInfo(saved).size()));
    }

    void discriminant(Session &s)
    {
        Model &m = s.model;
        ClearDecisionTable(*m.table);
        if (const int degenerate = FirstDegenerateCategory(m.categories, m.used)) {
            expectError(s, "degenerate category", QString::fromUtf8(ColourWords[degenerate])
                           + QStringLiteral("のカテゴリーは分散共分散行列の行列式が０以下のため判別できません。トレーニングエリアを設定し直してください。"));
        } else {
            const QString error = RaisedError([&] { ComputeDecisionTable(m.categories, m.used, *m.table); });
            if (!error.isEmpty())
                expectError(s, "decision table", error);
        }
        choose(s, s.form.DiscriminantItem);
    }

    void information(Session &s)
    {
        const Model &m = s.model;
        const QString band = DisplayText(m.texts[3] + "/" + m.bandName2);
        const bool byCloseBox = s.random.bounded(2u) == 1;
        s.driver.then(QStringLiteral("information dialog"), [this, &s, band, byCloseBox](QWidget *widget) {
            auto *info = qobject_cast<TfrmInfo *>(widget);
            QVERIFY(info);
            if (info->lblBand->text() != band)
                problem(s, QStringLiteral("the information dialog shows the bands %1, expected %2").arg(info->lblBand->text(), band));
            if (byCloseBox)
                info->close();
            else
                info->OKBtn->click();
        });
        choose(s, s.form.InfoItem);
    }

    void about(Session &s)
    {
        const bool byCloseBox = s.random.bounded(2u) == 1;
        s.driver.then(QStringLiteral("About box"), [byCloseBox](QWidget *widget) {
            auto *box = qobject_cast<TAboutBox *>(widget);
            QVERIFY(box);
            if (byCloseBox)
                box->close();
            else
                QTest::keyClick(box->OKButton, Qt::Key_Return);
        });
        choose(s, s.form.About1);
    }

    void choose(Session &s, QAction *item)
    {
        ++s.counts[item->objectName()];
        s.driver.choose(item);
    }

    // A menu item that can be chosen now, by a weight for each.
    QAction *enabledItem(Session &s)
    {
        TMainForm &f = s.form;
        const struct { QAction *item; quint32 weight; } items[] = {
            {f.OpenItem, 2}, {f.SavePictureItem, 1}, {f.ImageItem, 3}, {f.WholeScatterItem, 2}, {f.PartScatterItem, 2}, {f.CategoryItem, 2},
            {f.CategoryMapItem, 2}, {f.MakeScatterItem, 4}, {f.TrainingAreaItem, 4}, {f.DiscriminantItem, 5}, {f.PaintCategoryMapItem, 5},
            {f.About1, 1}, {f.InfoItem, 1},
        };
        QList<std::pair<QAction *, quint32>> open;
        quint32 total = 0;
        for (const auto &entry : items) {
            QMenu *menu = Menus::MenuOf(entry.item);
            if ((!menu || Menus::MenuEnabled(menu)) && Menus::ItemEnabled(entry.item) && entry.item->isEnabled()) {
                open.append({entry.item, entry.weight});
                total += entry.weight;
            }
        }
        if (total == 0)
            return nullptr;
        quint32 roll = s.random.bounded(total);
        for (const auto &[item, weight] : open) {
            if (roll < weight)
                return item;
            roll -= weight;
        }
        return nullptr;
    }

    void menuCommand(Session &s, QAction *item)
    {
        Model &m = s.model;
        TMainForm &f = s.form;
        s.log << item->objectName();
        if (item == f.OpenItem) {
            open(s);
        } else if (item == f.SavePictureItem) {
            savePicture(s);
        } else if (item == f.DiscriminantItem) {
            discriminant(s);
        } else if (item == f.InfoItem) {
            information(s);
        } else if (item == f.About1) {
            about(s);
        } else {
            if (item == f.MakeScatterItem) {
                m.scatterMode = true;
                m.trainingMode = false;
            } else if (item == f.TrainingAreaItem) {
                m.scatterMode = false;
                m.trainingMode = true;
                m.used.fill(false);
            }
            choose(s, item);
            if (item == f.TrainingAreaItem)
                expectEmptyBoxes(s);
        }
    }

    // Where a drag starts: mostly on the picture, often beside it, and
    // anywhere in the window's client area (the picture lies at (8, 8));
    // a press on the menu bar would be a menu choice, not a drag.
    static QPoint PressPoint(QRandomGenerator &random)
    {
        if (random.bounded(4u) == 0)
            return QPoint(random.bounded(-8, 713), random.bounded(-8, 553));
        return QPoint(random.bounded(-8, 532), random.bounded(-8, 420));
    }

    // Where it ends: as the pointer is held, anywhere, also off the window.
    static QPoint ReleasePoint(QRandomGenerator &random)
    {
        if (random.bounded(4u) == 0)
            return QPoint(random.bounded(-300, 900), random.bounded(-300, 800));
        return QPoint(random.bounded(-20, 532), random.bounded(-20, 420));
    }

    void drag(Session &s)
    {
        TMainForm &f = s.form;
        Model &m = s.model;
        static const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
        const Qt::MouseButton button = buttons[s.random.bounded(4u)];
        const QPoint from = PressPoint(s.random);
        QPoint to = s.random.bounded(6u) == 0 ? from : ReleasePoint(s.random);
        if (s.random.bounded(6u) == 0)
            to = QPoint(from.x(), to.y()); // no width
        s.log << QStringLiteral("drag (%1, %2) to (%3, %4), button %5").arg(from.x()).arg(from.y()).arg(to.x()).arg(to.y()).arg(int(button));

        // The press goes to whatever lies on top under the pointer, which
        // then has the mouse until the release.
        const QPoint inClient = from + f.imgMapOverlay->pos();
        QWidget *under = f.ClientArea->rect().contains(inClient) ? f.ClientArea->childAt(inClient) : nullptr;
        const bool reaches = under == f.imgMapOverlay && f.imgMapOverlay->isEnabled() && f.imgMapOverlay->isVisible();

        // Events beyond the window still reach it; QTest says so for those
        // beyond its right or bottom edge.
        QWindow *handle = MainForm->windowHandle();
        const auto window = [&](QPoint at) {
            const QPoint point = f.imgMapOverlay->mapTo(MainForm, at);
            if (point.x() >= handle->width() || point.y() >= handle->height())
                QTest::ignoreMessage(QtWarningMsg, qPrintable(QStringLiteral("Mouse event at %1, %2 occurs outside target window (%3x%4).")
                                                                  .arg(point.x()).arg(point.y()).arg(handle->width()).arg(handle->height())));
            return point;
        };
        QTest::mousePress(handle, button, {}, window(from));
        const int moves = static_cast<int>(s.random.bounded(4u));
        for (int move = 1; move <= moves; ++move)
            QTest::mouseMove(handle, window(from + (to - from) * move / (moves + 1)));
        QTest::mouseMove(handle, window(to));
        QTest::mouseRelease(handle, button, {}, window(to));
        // A swatch pressed reports the release wherever it comes.
        Shape *swatches[] = {f.shpBlue, f.shpCyan, f.shpGreen, f.shpYellow, f.shpRed, f.shpMagenta};
        const auto swatch = std::find(std::begin(swatches), std::end(swatches), under);
        if (swatch != std::end(swatches) && f.grpCategory->isEnabled()) {
            ++s.counts[QStringLiteral("drag from a swatch")];
            m.currentCategory = static_cast<std::int32_t>(swatch - std::begin(swatches)) + 1;
            m.used[static_cast<std::size_t>(m.currentCategory)] = true;
            return;
        }
        ++s.counts[reaches ? QStringLiteral("drag on the overlay") : QStringLiteral("drag elsewhere")];
        if (!reaches)
            return;
        // The rectangle under the outline, kept in the scene.
        const QPoint first(std::clamp(std::min(from.x(), to.x()), 0, SceneWidth - 1), std::clamp(std::min(from.y(), to.y()), 0, SceneHeight - 1));
        const QPoint second(std::clamp(std::max(from.x(), to.x()), 0, SceneWidth - 1), std::clamp(std::max(from.y(), to.y()), 0, SceneHeight - 1));
        if (m.scatterMode) {
            std::int64_t total = 0;
            for (const auto &row : ScatterCount)
                for (const std::int32_t count : row)
                    total += count;
            const std::int64_t area = std::int64_t{second.x() - first.x() + 1} * (second.y() - first.y() + 1);
            if (total != area)
                problem(s, QStringLiteral("the partial histogram counts %1 pixels, the rectangle has %2").arg(total).arg(area));
        }
        s.log << QStringLiteral("  rectangle (%1, %2) to (%3, %4); the program's (%5, %6) to (%7, %8)")
                     .arg(first.x()).arg(first.y()).arg(second.x()).arg(second.y())
                     .arg(StartPt.x()).arg(StartPt.y()).arg(EndPt.x()).arg(EndPt.y());
        if (m.trainingMode)
            ComputeCategoryStats(*m.band1, *m.band2, first, second, m.categories[static_cast<std::size_t>(m.currentCategory)]);
    }

    void swatch(Session &s)
    {
        TMainForm &f = s.form;
        Shape *swatches[] = {f.shpBlue, f.shpCyan, f.shpGreen, f.shpYellow, f.shpRed, f.shpMagenta};
        const int number = static_cast<int>(s.random.bounded(1u, 7u));
        static const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
        const bool takes = f.grpCategory->isEnabled();
        s.log << QStringLiteral("swatch %1").arg(number);
        QTest::mouseClick(swatches[number - 1], buttons[s.random.bounded(3u)], {}, QPoint(10, 10));
        ++s.counts[takes ? QStringLiteral("swatch taken") : QStringLiteral("swatch while the panel is off")];
        if (takes) {
            s.model.currentCategory = number;
            s.model.used[static_cast<std::size_t>(number)] = true;
        }
    }

    void typeInto(Session &s)
    {
        TMainForm &f = s.form;
        EditBox *boxes[] = {f.Edit1, f.Edit2, f.Edit3, f.Edit4, f.Edit5, f.Edit6};
        const int index = static_cast<int>(s.random.bounded(6u));
        static const QStringList words = {QStringLiteral("water"), QStringLiteral("森林"), QStringLiteral("ｶﾃｺﾞﾘｰ"), QStringLiteral("12 ab")};
        const QString word = Pick(s.random, words);
        const QString before = boxes[index]->text();
        const bool takes = f.grpCategory->isEnabled();
        s.log << QStringLiteral("type %1 into Edit%2").arg(word).arg(index + 1);
        TypeText(boxes[index], word);
        ++s.counts[QStringLiteral("typing")];
        if (takes != (boxes[index]->text() != before))
            problem(s, QStringLiteral("Edit%1 %2 the typing while the panel is %3").arg(index + 1).arg(takes ? "ignored" : "took").arg(takes ? "on" : "off"));
    }

    void problem(Session &s, const QString &text) { s.log << QStringLiteral("PROBLEM: ") + text; problems_ << text; }

    // After each step: the driver's findings, the invariants, the cursor,
    // no dialog left over, and the working state the model expects.
    void check(Session &s)
    {
        const QString found = s.driver.finish();
        if (!found.isEmpty())
            problem(s, found);
        const QString broken = ScreenInvariantsBroken(s.form);
        if (!broken.isEmpty())
            problem(s, QStringLiteral("invariants: ") + broken);
        if (QGuiApplication::overrideCursor())
            problem(s, QStringLiteral("a cursor other than the default is set"));
        if (QApplication::activeModalWidget() || frmSetRange)
            problem(s, QStringLiteral("a dialog is left open"));
        const QString differences = s.model.differences();
        if (!differences.isEmpty()) {
            problem(s, QStringLiteral("working state: ") + differences);
            s.model = Model{}; // report each difference once
        }
    }

    QStringList problems_;

private slots:
    void initTestCase()
    {
        QVERIFY(folder_.isValid());
        const QDir dir(folder_.path());
        for (const char *scene : {"zion_l8_150818", "virginia_s2_160112", "florida_l8_150804"})
            for (const char *band : {"band1.bsq", "band2.bsq"})
                validFiles_ << SamplePath(QString::fromLatin1(scene), QString::fromLatin1(band));
        const auto write = [&](const char *name, const QByteArray &bytes) { return WriteFile(dir, QString::fromLatin1(name), bytes); };
        validFiles_ << write("zeros.bsq", BandFileBytes([](int, int) { return std::uint8_t{0}; }));
        validFiles_ << write("stripes.bsq", BandFileBytes([](int x, int y) { return static_cast<std::uint8_t>((x / 8 + y) % 256); }, SceneHeader("B1  ")));
        validFiles_ << write("controls.bsq", BandFileBytes([](int x, int y) { return static_cast<std::uint8_t>(x * y % 251); },
                                                           {{40, QByteArray("\0\x01\x1f\x7f", 4)}, {180, QByteArray("\xff\xfe\x80 ", 4)}}));
        QFile sample(validFiles_.first());
        QVERIFY(sample.open(QIODevice::ReadOnly));
        const QByteArray bytes = sample.readAll();
        validFiles_ << write("oversized.bsq", bytes + QByteArray(1000, '\x42'));
        for (const int size : {0, 100, 512, 512 + 200 * 512 + 17, 205311})
            brokenFiles_ << write(qPrintable(QStringLiteral("short%1.bsq").arg(size)), bytes.left(size));
        QVERIFY(!validFiles_.contains(QString()) && !brokenFiles_.contains(QString()));
        missingFile_ = dir.absoluteFilePath(QStringLiteral("none.bsq"));
        missingFolderFile_ = dir.absoluteFilePath(QStringLiteral("nowhere/band.bsq"));
    }

    void randomSessions_data()
    {
        QTest::addColumn<quint32>("seed");
        const QStringList seeds = qEnvironmentVariable("SORVANE_STRESS_SEED", QStringLiteral("1,2")).split(QLatin1Char(','), Qt::SkipEmptyParts);
        for (const QString &seed : seeds)
            QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed.trimmed()))) << seed.trimmed().toUInt();
    }

    void randomSessions()
    {
        QFETCH(quint32, seed);
        const int steps = EnvironmentNumber("SORVANE_STRESS_STEPS", 150);
        CreateForms();
        ShowMainForm();
        QVERIFY(QTest::qWaitForWindowExposed(MainForm));
        WindowDriver driver;
        Model model;
        QRandomGenerator random(seed);
        Session s{*MainForm, driver, model, random, {}, {}};
        problems_.clear();

        for (int step = 0; step < steps && problems_.isEmpty(); ++step) {
            s.log << QStringLiteral("step %1").arg(step);
            // A right-click on an edit box opens its context menu, which
            // takes the next click; the student closes it first.
            if (QWidget *popup = QApplication::activePopupWidget()) {
                s.log << QStringLiteral("close the context menu");
                ++s.counts[QStringLiteral("context menu closed")];
                QTest::keyClick(popup, Qt::Key_Escape);
                check(s);
                continue;
            }
            // Drags and swatch clicks come more often where they do something.
            const bool overlayTakes = MainForm->imgMapOverlay->isVisible() && MainForm->imgMapOverlay->isEnabled();
            const bool panelTakes = MainForm->grpCategory->isEnabled();
            const quint32 roll = random.bounded(100u);
            QAction *item = roll < (overlayTakes ? 35u : 70u) ? enabledItem(s) : nullptr;
            if (item)
                menuCommand(s, item);
            else if (roll < (panelTakes ? 75u : 90u))
                drag(s);
            else if (roll < 95)
                swatch(s);
            else
                typeInto(s);
            check(s);
        }

        QStringList figures;
        for (auto count = s.counts.cbegin(); count != s.counts.cend(); ++count)
            figures << QStringLiteral("%1 %2").arg(count.key()).arg(count.value());
        qInfo("seed %u, %d steps: %s", seed, steps, qPrintable(figures.join(QLatin1String(", "))));
        if (!problems_.isEmpty())
            qWarning("%s", qPrintable(s.log.mid(std::max<qsizetype>(0, s.log.size() - 40)).join(QLatin1Char('\n'))));
        DestroyForms();
        QVERIFY2(problems_.isEmpty(), qPrintable(problems_.join(QLatin1String("; "))));
    }
};

int main(int argc, char *argv[])
{
    // A long run takes longer than Qt Test's five minutes per function;
    // allow 50 ms a step.
    if (!qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT"))
        qputenv("QTEST_FUNCTION_TIMEOUT", QByteArray::number(std::max(300000, EnvironmentNumber("SORVANE_STRESS_STEPS", 150) * 50)));
    PrepareApplication();
    QApplication application(argc, argv);
    TestStress test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_stress.moc"
