// Walks one whole classification of a bundled sample scene in the real
// program, through the same driver as the window tests, and writes a
// screenshot of every step into the folder given on the command line. Run
// it under an X server with a window manager (scripts/screenshots.sh).

#include "WindowDriver.h"

#include "About/TAboutBox.h"
#include "toolkit/EditBox.h"
#include "toolkit/Shape.h"
#include "unitInfo/TfrmInfo.h"
#include "unitMain/Application.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>

namespace {

QString Folder;
QString Scene;
int Failures = 0;

void Pause(int milliseconds)
{
    QTest::qWait(milliseconds);
}

// The screen around the main window and whatever dialog lies over it.
void Shoot(const QString &name, QWidget *dialog = nullptr)
{
    Pause(250);
    QRect area = MainForm->frameGeometry();
    if (dialog)
        area = area.united(dialog->frameGeometry());
    area.adjust(-4, -4, 4, 4);
    QScreen *screen = QGuiApplication::primaryScreen();
    const QPixmap shot = screen->grabWindow(0, area.x(), area.y(), area.width(), area.height());
    const QString path = QDir(Folder).absoluteFilePath(name + QStringLiteral(".png"));
    if (!shot.save(path)) {
        qWarning("could not write %s", qPrintable(path));
        ++Failures;
    }
}

QString Band(const QString &file)
{
    return QDir(QStringLiteral(SORVANE_SOURCE_DIR "/samples")).absoluteFilePath(Scene + QLatin1Char('/') + file);
}

void Check(WindowDriver &driver, const char *step)
{
    const QString problems = driver.finish();
    const QString broken = ScreenInvariantsBroken(*MainForm);
    if (!problems.isEmpty() || !broken.isEmpty()) {
        qWarning("%s: %s %s", step, qPrintable(problems), qPrintable(broken));
        ++Failures;
    }
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
    Pause(50);
}

struct TrainingArea
{
    Shape *TMainForm::*swatch;
    EditBox *TMainForm::*edit;
    QString name;
    QRect area;
};

}

int main(int argc, char *argv[])
{
    PrepareApplication();
    QApplication application(argc, argv);
    Folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    Scene = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("virginia_s2_160112");
    QDir().mkpath(Folder);
    CreateForms();
    ShowMainForm();
    QTest::qWaitForWindowExposed(MainForm);
    WindowDriver driver;
    TMainForm &form = *MainForm;
    Shoot(QStringLiteral("01-start"));

    // File > Open, with a look at each dialog on the way.
    const auto shootThen = [&](const QString &name, std::function<void(QWidget *)> act) {
        return [name, act](QWidget *widget) {
            Shoot(name, widget);
            act(widget);
        };
    };
    WindowDriver answers;
    const auto typeBounds = [](const QString &lower, const QString &upper) {
        return [lower, upper](QWidget *widget) {
            auto *dialog = qobject_cast<TfrmSetRange *>(widget);
            QTest::keyClicks(dialog->edtLower, lower);
            QTest::keyClick(dialog->edtLower, Qt::Key_Tab);
            QTest::keyClicks(dialog->edtUpper, upper);
            Shoot(QStringLiteral("04-range-typed"), widget);
            QTest::keyClick(dialog->edtUpper, Qt::Key_Return);
        };
    };
    const auto chooseFile = [](const QString &path) {
        return [path](QWidget *widget) {
            auto *dialog = qobject_cast<QFileDialog *>(widget);
            TypeFileName(dialog, dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")), path);
        };
    };
    const auto okBox = [](QWidget *widget) { qobject_cast<QMessageBox *>(widget)->button(QMessageBox::Ok)->click(); };
    driver.then(QStringLiteral("first band"), shootThen(QStringLiteral("02-open-first-band"), okBox))
        .then(QStringLiteral("open dialog"), shootThen(QStringLiteral("03-open-dialog"), chooseFile(Band(QStringLiteral("band1.bsq")))))
        .then(QStringLiteral("range 1"), shootThen(QStringLiteral("04-range-band1"), typeBounds(QStringLiteral("0"), QStringLiteral("160"))))
        .then(QStringLiteral("second band"), shootThen(QStringLiteral("05-open-second-band"), okBox))
        .then(QStringLiteral("open dialog 2"), chooseFile(Band(QStringLiteral("band2.bsq"))))
        .then(QStringLiteral("range 2"), shootThen(QStringLiteral("06-range-band2"), typeBounds(QStringLiteral("0"), QStringLiteral("220"))));
    driver.choose(form.OpenItem);
    Check(driver, "open");
    Shoot(QStringLiteral("07-composite"));

    driver.choose(form.WholeScatterItem);
    Check(driver, "whole histogram");
    Shoot(QStringLiteral("08-whole-histogram"));

    driver.choose(form.ImageItem);
    driver.choose(form.MakeScatterItem);
    Check(driver, "rectangle histogram");
    Drag({40, 60}, {150, 170}, QStringLiteral("09-rectangle-drag"));
    Check(driver, "rectangle drag");
    Shoot(QStringLiteral("10-partial-histogram"));

    driver.choose(form.TrainingAreaItem);
    Check(driver, "training");
    Shoot(QStringLiteral("11-training-start"));
    const TrainingArea areas[] = {
        {&TMainForm::shpBlue, &TMainForm::Edit1, QStringLiteral("海"), {440, 150, 60, 150}},
        {&TMainForm::shpCyan, &TMainForm::Edit2, QStringLiteral("湿地"), {250, 120, 20, 120}},
        {&TMainForm::shpGreen, &TMainForm::Edit3, QStringLiteral("森林"), {60, 300, 40, 40}},
        {&TMainForm::shpYellow, &TMainForm::Edit4, QStringLiteral("裸地"), {120, 40, 30, 30}},
        {&TMainForm::shpRed, &TMainForm::Edit5, QStringLiteral("作物"), {20, 200, 30, 30}},
    };
    for (const TrainingArea &area : areas) {
        QTest::mouseClick(form.*area.swatch, Qt::LeftButton, {}, QPoint(10, 10));
        (form.*area.edit)->insert(area.name);
        Drag(area.area.topLeft(), area.area.bottomRight());
        Check(driver, "training area");
    }
    Shoot(QStringLiteral("12-training-areas"));

    driver.choose(form.DiscriminantItem);
    Check(driver, "decision map");
    Shoot(QStringLiteral("13-decision-map"));

    driver.choose(form.PaintCategoryMapItem);
    Check(driver, "category map");
    Shoot(QStringLiteral("14-category-map"));

    const QString saved = QDir(Folder).absoluteFilePath(QStringLiteral("classified.bmp"));
    driver.then(QStringLiteral("save"), shootThen(QStringLiteral("15-save-dialog"), chooseFile(saved)));
    driver.choose(form.SavePictureItem);
    Check(driver, "save");

    driver.then(QStringLiteral("info"), shootThen(QStringLiteral("16-scene-information"), [](QWidget *widget) { qobject_cast<TfrmInfo *>(widget)->OKBtnClick(); }));
    driver.choose(form.InfoItem);
    Check(driver, "info");
    driver.then(QStringLiteral("about"), shootThen(QStringLiteral("17-about"), [](QWidget *widget) { qobject_cast<QDialog *>(widget)->accept(); }));
    driver.choose(form.About1);
    Check(driver, "about");

    // A common mistake: a one-pixel training area.
    driver.choose(form.ImageItem);
    driver.choose(form.TrainingAreaItem);
    QTest::mouseClick(form.shpBlue, Qt::LeftButton, {}, QPoint(10, 10));
    Drag({470, 200}, {470, 200});
    driver.then(QStringLiteral("degenerate"), shootThen(QStringLiteral("18-one-pixel-area"), okBox));
    driver.choose(form.DiscriminantItem);
    Check(driver, "degenerate");

    DestroyForms();
    return Failures == 0 ? 0 : 1;
}
