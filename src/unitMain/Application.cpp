#include "Application.h"

#include "About/TAboutBox.h"
#include "toolkit/Dialog.h"
#include "unitInfo/TfrmInfo.h"
#include "unitMain/TMainForm.h"
#include "unitMain/WorkingState.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QSettings>

void PrepareApplication()
{
    // One screen pixel per bitmap pixel, whatever the screen's scale.
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    qunsetenv("QT_SCALE_FACTOR");
    qunsetenv("QT_SCREEN_SCALE_FACTORS");
    // The windows are placed on the screen and drawn pixel for pixel as X11
    // allows; in a Wayland session its X server (Xwayland) serves, and Qt
    // does not first look for a Wayland plugin that may not be installed
    // and say so on the terminal. A platform chosen by the user stands.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

void CreateForms()
{
    // Qt's file dialog keeps its history, sidebar and last folder in the
    // user's Qt settings. The program keeps nothing from one run to the next,
    // so those settings are given a place that cannot exist.
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, QStringLiteral("/dev/null/sorvane"));
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(CatFaceIcon())));
    MainForm = new TMainForm;
    AboutBox = new TAboutBox(MainForm);
    frmInfo = new TfrmInfo(MainForm);
}

void ShowMainForm()
{
    MainForm->adjustSize();
    CentreOnScreen(MainForm);
    MainForm->show();
}

void DestroyForms()
{
    delete MainForm;
    MainForm = nullptr;
    AboutBox = nullptr;
    frmInfo = nullptr;
    ResetWorkingState();
}
