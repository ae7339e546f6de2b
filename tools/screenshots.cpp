// Walks one whole classification of a bundled sample scene in the real
// program, through the same driver as the window tests, then the common
// mistakes of a first classification, and writes the user guide's
// screenshots into the folder given on the command line. Every status text
// and message that the guide quotes is checked on the way, and so is the
// category map; the exit code says whether everything appeared as the guide
// tells it. Run it under an X server with a window manager
// (scripts/screenshots.sh), so that the pictures show the window frames.

#include "WindowDriver.h"

#include "About/TAboutBox.h"
#include "toolkit/Colour.h"
#include "toolkit/EditBox.h"
#include "toolkit/Label.h"
#include "toolkit/Shape.h"
#include "unitInfo/TfrmInfo.h"
#include "unitMain/Application.h"

#include <QDir>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>

#include <cstdio>
#include <span>

namespace {

QString Folder;
QString Scene;
QStringList Problems;

void Problem(const QString &text)
{
    Problems << text;
}

// In normal use the program says nothing on the terminal; whatever Qt or
// the program says during the walk counts as a problem. The offscreen
// platform of a headless run tells what it cannot do (raise a window, grab
// the keyboard, fix a dialog's size); that is no message of the program.
QtMessageHandler PassOn = nullptr;

void Listen(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (!message.startsWith(QLatin1String("This plugin does not support ")))
        Problem(QStringLiteral("said on the terminal: ") + message);
    if (PassOn)
        PassOn(type, context, message);
}

// A dialog takes keys, and shows its frame, once the window manager has
// made it the active window.
void WaitUntilActive(QWidget *dialog)
{
    if (!QTest::qWaitForWindowActive(dialog))
        Problem(QStringLiteral("%1 did not become the active window").arg(dialog->windowTitle()));
}

// The window on the screen with its frame, as the window manager has put
// it around the window; it does so a little after the window is shown.
QRect FrameOf(QWidget *widget)
{
    QWindow *window = widget->windowHandle();
    if (!window || QGuiApplication::platformName() != QLatin1String("xcb") || widget->windowType() == Qt::Popup)
        return widget->frameGeometry();
    const auto framed = [&] {
        const QRect frame = window->frameGeometry();
        return window->isExposed() && frame.contains(widget->geometry()) && frame.height() > widget->height();
    };
    QElapsedTimer waited;
    waited.start();
    while (!framed() && waited.elapsed() < 3000)
        QTest::qWait(20);
    if (!framed())
        Problem(QStringLiteral("%1 shows no frame").arg(widget->windowTitle()));
    return window->frameGeometry();
}

// The screen under the given windows, frames included, or the part of it
// given by crop, in the coordinates of the first window's frame.
void Shoot(const QString &name, const QList<QWidget *> &windows, const QRect &crop = QRect())
{
    QRect area;
    for (QWidget *window : windows)
        area = area.united(FrameOf(window));
    if (crop.isValid())
        area = crop.translated(FrameOf(windows.constFirst()).topLeft());
    // Time for the window manager to paint the frames, and for the windows
    // to paint themselves.
    QTest::qWait(300);
    QScreen *screen = QGuiApplication::primaryScreen();
    area = area.intersected(screen->geometry());
    const QPixmap shot = screen->grabWindow(0, area.x(), area.y(), area.width(), area.height());
    const QString path = QDir(Folder).absoluteFilePath(name + QStringLiteral(".png"));
    if (!shot.save(path))
        Problem(QStringLiteral("could not write %1").arg(path));
}

void Shoot(const QString &name)
{
    Shoot(name, {MainForm});
}

QString SceneFolder()
{
    return QDir(QStringLiteral(SORVANE_SOURCE_DIR "/samples")).absoluteFilePath(Scene);
}

void Check(WindowDriver &driver, const char *step)
{
    const QString problems = driver.finish();
    const QString broken = ScreenInvariantsBroken(*MainForm);
    if (!problems.isEmpty() || !broken.isEmpty())
        Problem(QStringLiteral("%1: %2 %3").arg(QString::fromLatin1(step), problems, broken));
}

void ExpectStatus(const QString &text)
{
    const QString shown = MainForm->lblMessage->caption();
    if (shown != text)
        Problem(QStringLiteral("the status line shows \"%1\", expected \"%2\"").arg(shown, text));
}

void Choose(WindowDriver &driver, QAction *item, const char *step)
{
    driver.choose(item);
    Check(driver, step);
}

// Opens a menu of the menu bar for a picture, then closes it again.
void ShootMenu(const QString &name, QMenu *menu)
{
    MainForm->menuBar()->setActiveAction(menu->menuAction());
    QTest::qWait(100);
    const QPoint menuCorner = menu->frameGeometry().bottomRight() - MainForm->frameGeometry().topLeft();
    Shoot(name, {MainForm, menu}, QRect(QPoint(0, 0), menuCorner + QPoint(48, 24)));
    menu->hide();
    MainForm->menuBar()->setActiveAction(nullptr);
    QTest::qWait(50);
}

QPoint InWindow(QPoint at)
{
    return MainForm->imgMapOverlay->mapTo(MainForm, at);
}

void Drag(QPoint from, QPoint to, const QString &shotDuring = QString())
{
    QWindow *window = MainForm->windowHandle();
    QTest::mousePress(window, Qt::LeftButton, {}, InWindow(from));
    for (int step = 1; step <= 4; ++step)
        QTest::mouseMove(window, InWindow(from + (to - from) * step / 4));
    if (!shotDuring.isEmpty())
        Shoot(shotDuring);
    QTest::mouseRelease(window, Qt::LeftButton, {}, InWindow(to));
    QTest::qWait(50);
}

void ClickSwatch(Shape *swatch)
{
    QTest::mouseClick(swatch, Qt::LeftButton, {}, QPoint(10, 10));
}

// The file dialog shows the folder, with name selected once the folder has
// been read; a picture of it may be taken before Enter accepts it.
void SelectFile(QFileDialog *dialog, const QString &folder, const QString &name, const QString &shot = QString())
{
    WaitUntilActive(dialog);
    dialog->setDirectory(folder);
    WaitForFolderRead(dialog);
    auto *nameEdit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    nameEdit->setText(name);
    if (!shot.isEmpty())
        Shoot(shot, {dialog});
    QTest::keyClick(nameEdit, Qt::Key_Return);
}

// A message box with the text and icon; an error is shown over the main
// window, whose state it leaves behind.
std::function<void(QWidget *)> Shows(QMessageBox::Icon icon, const QString &text, const QString &shot)
{
    return [icon, text, shot](QWidget *widget) {
        auto *box = qobject_cast<QMessageBox *>(widget);
        if (!box)
            return Problem(QStringLiteral("expected the message \"%1\"").arg(text));
        WaitUntilActive(box);
        if (box->text() != text || box->icon() != icon)
            Problem(QStringLiteral("the message box shows \"%1\", expected \"%2\"").arg(box->text(), text));
        if (!shot.isEmpty())
            Shoot(shot, icon == QMessageBox::Critical ? QList<QWidget *>{MainForm, box} : QList<QWidget *>{box});
        box->button(QMessageBox::Ok)->click();
    };
}

std::function<void(QWidget *)> ShowsMessage(const QString &text, const QString &shot)
{
    return Shows(QMessageBox::NoIcon, text, shot);
}

std::function<void(QWidget *)> ShowsError(const QString &text, const QString &shot)
{
    return Shows(QMessageBox::Critical, text, shot);
}

std::function<void(QWidget *)> TypesBounds(const QString &lower, const QString &upper, const QString &shotBefore, const QString &shotTyped)
{
    return [=](QWidget *widget) {
        auto *dialog = qobject_cast<TfrmSetRange *>(widget);
        if (!dialog)
            return Problem(QStringLiteral("expected the range dialog"));
        WaitUntilActive(dialog);
        if (!shotBefore.isEmpty())
            Shoot(shotBefore, {dialog});
        QTest::keyClicks(dialog->edtLower, lower);
        QTest::keyClick(dialog->edtLower, Qt::Key_Tab);
        QTest::keyClicks(dialog->edtUpper, upper);
        if (!shotTyped.isEmpty())
            Shoot(shotTyped, {dialog});
        QTest::keyClick(dialog->edtUpper, Qt::Key_Return);
    };
}

std::function<void(QWidget *)> ChoosesBand(const QString &name, const QString &shot = QString())
{
    return [name, shot](QWidget *widget) {
        auto *dialog = qobject_cast<QFileDialog *>(widget);
        if (!dialog)
            return Problem(QStringLiteral("expected the open dialog"));
        if (shot.isEmpty())
            return SelectFile(dialog, SceneFolder(), name);
        // The dialog starts in the folder of sample scenes; a student
        // double-clicks the scene's folder and then the band's file.
        const QString offered = QDir::cleanPath(dialog->directory().absolutePath());
        if (offered != QDir::cleanPath(QStringLiteral(SORVANE_SOURCE_DIR "/samples")))
            Problem(QStringLiteral("the open dialog starts in %1, not in the sample folder").arg(offered));
        SelectFile(dialog, SceneFolder(), name, shot);
    };
}

const QString FirstBand = QStringLiteral("第１のバンド（シアンのプレーン）を読み込んでください。");
const QString SecondBand = QStringLiteral("第２のバンド（赤のプレーン）を読み込んでください。");
const QString ClickAColour = QStringLiteral("設定したいカテゴリーの色をクリックしてください。");
const QString ClickOrCompute = QStringLiteral("設定したいカテゴリーの色をクリック。終わったら［操作｜判別ﾏｯﾌﾟ計算］を選んでください。");

QString CannotTellApart(const QString &colourWord)
{
    return colourWord + QStringLiteral("のカテゴリーは分散共分散行列の行列式が０以下のため判別できません。トレーニングエリアを設定し直してください。");
}

// Training areas inside fields and stands of one land cover each, picked on
// the composite of virginia_s2_160112: the open Atlantic east of the beach,
// the salt marsh west of the lagoon, a stand of woodland, a bare field and
// a field of green winter crop.
struct TrainingArea
{
    Shape *TMainForm::*swatch;
    EditBox *TMainForm::*edit;
    QString name;
    QString status;
    QRect area;
};

const TrainingArea Areas[] = {
    {&TMainForm::shpBlue, &TMainForm::Edit1, QStringLiteral("海"), QStringLiteral("青色のカテゴリーの領域を左上から右下にドラッグしてください。"), QRect(QPoint(460, 310), QPoint(492, 382))},
    {&TMainForm::shpCyan, &TMainForm::Edit2, QStringLiteral("湿地"), QStringLiteral("空色のカテゴリーの領域を左上から右下にドラッグしてください。"), QRect(QPoint(307, 308), QPoint(346, 347))},
    {&TMainForm::shpGreen, &TMainForm::Edit3, QStringLiteral("森林"), QStringLiteral("緑色のカテゴリーの領域を左上から右下にドラッグしてください。"), QRect(QPoint(124, 276), QPoint(143, 295))},
    {&TMainForm::shpYellow, &TMainForm::Edit4, QStringLiteral("裸地"), QStringLiteral("黄色のカテゴリーの領域を左上から右下にドラッグしてください。"), QRect(QPoint(160, 157), QPoint(189, 186))},
    {&TMainForm::shpRed, &TMainForm::Edit5, QStringLiteral("作物"), QStringLiteral("赤色のカテゴリーの領域を左上から右下にドラッグしてください。"), QRect(QPoint(139, 61), QPoint(158, 72))},
};

void Train(const TrainingArea &training, const QString &shotDuring = QString())
{
    TMainForm &form = *MainForm;
    ClickSwatch(form.*training.swatch);
    ExpectStatus(training.status);
    (form.*training.edit)->insert(training.name);
    Drag(training.area.topLeft(), training.area.bottomRight(), shotDuring);
    ExpectStatus(ClickOrCompute);
}

// Most pixels of each training area must come out in the area's own colour:
// the areas are chosen well enough for the guide's category map.
void CheckCategoryMap()
{
    const QImage map = MainForm->imgCategoryMap->bitmap();
    for (const TrainingArea &training : Areas) {
        const TColor colour = (MainForm->*training.swatch)->colour();
        int own = 0;
        for (int y = training.area.top(); y <= training.area.bottom(); ++y)
            for (int x = training.area.left(); x <= training.area.right(); ++x)
                own += FromQRgb(map.pixel(x, y)) == colour;
        const int pixels = training.area.width() * training.area.height();
        if (own * 10 < pixels * 9)
            Problem(QStringLiteral("only %1 of the %2 pixels of the %3 area are in its colour").arg(own).arg(pixels).arg(training.name));
    }
}

void OpenScene(WindowDriver &driver)
{
    driver.then(QStringLiteral("first band"), ShowsMessage(FirstBand, QStringLiteral("02-first-band-message")))
        .then(QStringLiteral("open band 1"), ChoosesBand(QStringLiteral("band1.bsq"), QStringLiteral("03-open-dialog")))
        .then(QStringLiteral("range of band 1"), TypesBounds(QStringLiteral("0"), QStringLiteral("160"), QStringLiteral("04-range-band1"), QStringLiteral("05-range-band1-typed")))
        .then(QStringLiteral("second band"), ShowsMessage(SecondBand, QStringLiteral("06-second-band-message")))
        .then(QStringLiteral("open band 2"), ChoosesBand(QStringLiteral("band2.bsq")))
        .then(QStringLiteral("range of band 2"), TypesBounds(QStringLiteral("0"), QStringLiteral("220"), QString(), QStringLiteral("07-range-band2-typed")));
    Choose(driver, MainForm->OpenItem, "open");
    ExpectStatus(QStringLiteral("衛星画像"));
    Shoot(QStringLiteral("08-composite"));
}

void Histograms(WindowDriver &driver)
{
    TMainForm &form = *MainForm;
    Choose(driver, form.WholeScatterItem, "whole histogram");
    ExpectStatus(QStringLiteral("２次元ヒストグラム（全体）"));
    Shoot(QStringLiteral("09-whole-histogram"));

    Choose(driver, form.ImageItem, "image");
    Choose(driver, form.MakeScatterItem, "rectangle histogram");
    ExpectStatus(QStringLiteral("矩形領域を左上から右下へマウスでドラッグしてください。"));
    Drag({100, 40}, {230, 200}, QStringLiteral("10-rectangle-drag"));
    Check(driver, "rectangle drag");
    ExpectStatus(QString());
    Shoot(QStringLiteral("11-partial-histogram"));
}

void Classify(WindowDriver &driver)
{
    TMainForm &form = *MainForm;
    Choose(driver, form.ImageItem, "image");
    ExpectStatus(QStringLiteral("衛星画像"));
    ShootMenu(QStringLiteral("12-operation-menu"), form.OperationMenu);
    Choose(driver, form.TrainingAreaItem, "training");
    ExpectStatus(ClickAColour);
    Train(Areas[0], QStringLiteral("13-training-drag"));
    for (const TrainingArea &training : std::span(Areas).subspan(1))
        Train(training);
    Check(driver, "training areas");
    Shoot(QStringLiteral("14-training-areas"));

    Choose(driver, form.DiscriminantItem, "decision map");
    ExpectStatus(QStringLiteral("［操作｜ｶﾃｺﾞﾘｰﾏｯﾌﾟ描画］で描画します。"));
    Shoot(QStringLiteral("15-decision-map"));

    Choose(driver, form.PaintCategoryMapItem, "category map");
    ExpectStatus(QStringLiteral("カテゴリーマップ"));
    CheckCategoryMap();
    Shoot(QStringLiteral("16-category-map"));
}

void SaveAndInform(WindowDriver &driver)
{
    TMainForm &form = *MainForm;
    // A folder of a name that stays the same from one run to the next, since
    // the picture of the save dialog shows it.
    QDir saveFolder(QDir::temp().absoluteFilePath(QStringLiteral("sorvane-guide")));
    saveFolder.removeRecursively();
    saveFolder.mkpath(QStringLiteral("."));
    driver.then(QStringLiteral("save"), [&](QWidget *widget) {
        auto *dialog = qobject_cast<QFileDialog *>(widget);
        if (!dialog)
            return Problem(QStringLiteral("expected the save dialog"));
        SelectFile(dialog, saveFolder.absolutePath(), QStringLiteral("virginia"), QStringLiteral("17-save-dialog"));
    });
    Choose(driver, form.SavePictureItem, "save");
    const QImage saved(saveFolder.absoluteFilePath(QStringLiteral("virginia.bmp")));
    if (saved.size() != QSize(721, 561))
        Problem(QStringLiteral("the saved picture is not a 721 x 561 BMP file"));
    saveFolder.removeRecursively();

    driver.then(QStringLiteral("scene information"), [](QWidget *widget) {
        WaitUntilActive(widget);
        Shoot(QStringLiteral("18-scene-information"), {widget});
        qobject_cast<TfrmInfo *>(widget)->OKBtnClick();
    });
    Choose(driver, form.InfoItem, "scene information");
    driver.then(QStringLiteral("about"), [](QWidget *widget) {
        WaitUntilActive(widget);
        Shoot(QStringLiteral("19-about"), {widget});
        qobject_cast<QDialog *>(widget)->accept();
    });
    Choose(driver, form.About1, "about");
}

void Mistakes(WindowDriver &driver)
{
    TMainForm &form = *MainForm;
    // A click on the image instead of a drag: a training area of one pixel.
    Choose(driver, form.ImageItem, "image");
    Choose(driver, form.TrainingAreaItem, "training");
    ClickSwatch(form.shpBlue);
    Drag({470, 340}, {470, 340});
    driver.then(QStringLiteral("one pixel"), ShowsError(CannotTellApart(QStringLiteral("青色")), QStringLiteral("20-mistake-one-pixel")));
    Choose(driver, form.DiscriminantItem, "one-pixel area");
    ExpectStatus(QString());

    // A colour clicked and no area dragged for it.
    Choose(driver, form.TrainingAreaItem, "training");
    Train(Areas[0]);
    ClickSwatch(form.shpMagenta);
    driver.then(QStringLiteral("not trained"), ShowsError(CannotTellApart(QStringLiteral("紫色")), QStringLiteral("21-mistake-not-trained")));
    Choose(driver, form.DiscriminantItem, "untrained category");
    ExpectStatus(QString());

    // Done again properly, which brings the File menu back.
    Choose(driver, form.TrainingAreaItem, "training");
    for (const TrainingArea &training : Areas)
        Train(training);
    Choose(driver, form.DiscriminantItem, "decision map");
    Choose(driver, form.PaintCategoryMapItem, "category map");

    // The bounds typed the wrong way round turn the composite into its negative.
    driver.message(FirstBand)
        .then(QStringLiteral("open band 1"), ChoosesBand(QStringLiteral("band1.bsq")))
        .then(QStringLiteral("reversed range of band 1"), TypesBounds(QStringLiteral("160"), QStringLiteral("0"), QString(), QStringLiteral("22-mistake-range-reversed")))
        .message(SecondBand)
        .then(QStringLiteral("open band 2"), ChoosesBand(QStringLiteral("band2.bsq")))
        .then(QStringLiteral("reversed range of band 2"), TypesBounds(QStringLiteral("220"), QStringLiteral("0"), QString(), QString()));
    Choose(driver, form.OpenItem, "reversed bounds");
    ExpectStatus(QStringLiteral("衛星画像"));
    Shoot(QStringLiteral("23-mistake-inverted-composite"));
}

}

int main(int argc, char *argv[])
{
    PrepareApplication();
    QApplication application(argc, argv);
    PassOn = qInstallMessageHandler(Listen);
    Folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    Scene = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("virginia_s2_160112");
    QDir().mkpath(Folder);
    CreateForms();
    ShowMainForm();
    if (!QTest::qWaitForWindowExposed(MainForm))
        Problem(QStringLiteral("the main window did not show"));
    {
        WindowDriver driver;
        ShootMenu(QStringLiteral("01-file-menu"), MainForm->FileMenu);
        OpenScene(driver);
        Histograms(driver);
        Classify(driver);
        SaveAndInform(driver);
        Mistakes(driver);
    }
    DestroyForms();
    for (const QString &problem : std::as_const(Problems))
        std::fprintf(stderr, "%s\n", qPrintable(problem));
    return Problems.isEmpty() ? 0 : 1;
}
