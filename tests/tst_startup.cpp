// Start-up, whichever way the program was started (from a desktop menu or a
// terminal, installed with its sample scenes, built in a checkout, or with
// the sample folder gone): the window system it uses, and the folder that
// the open dialog starts in.

#include "WindowDriver.h"

#include "toolkit/Dialogs.h"
#include "unitMain/Application.h"
#include "unitMain/SampleFolder.h"

#include <QTemporaryDir>
#include <QtTest>

class TestStartup : public QObject
{
    Q_OBJECT

private:
    // The folder that the open dialog shows when it opens; the dialogs
    // before it are answered as queued on the driver.
    static QString FolderOffered(WindowDriver &driver, const std::function<void()> &open)
    {
        QString offered;
        driver.then(QStringLiteral("open dialog"), [&](QWidget *widget) {
            if (auto *dialog = qobject_cast<QFileDialog *>(widget)) {
                offered = QDir::cleanPath(dialog->directory().absolutePath());
                dialog->reject();
            }
        });
        open();
        const QString problems = driver.finish();
        if (!problems.isEmpty())
            qWarning("%s", qPrintable(problems));
        return offered;
    }

private slots:
    void sampleFolderOf_data()
    {
        QTest::addColumn<bool>("installed");
        QTest::addColumn<bool>("checkout");
        QTest::addColumn<bool>("checkoutKnown");
        QTest::addColumn<QString>("expected");
        QTest::newRow("installed beside a checkout") << true << true << true << QStringLiteral("prefix/share/sorvane/samples");
        QTest::newRow("installed, checkout removed") << true << false << true << QStringLiteral("prefix/share/sorvane/samples");
        QTest::newRow("installed from a package") << true << false << false << QStringLiteral("prefix/share/sorvane/samples");
        QTest::newRow("built in a checkout") << false << true << true << QStringLiteral("checkout/samples");
        QTest::newRow("samples gone") << false << false << true << QString();
        QTest::newRow("samples gone, no checkout") << false << false << false << QString();
    }

    void sampleFolderOf()
    {
        QFETCH(bool, installed);
        QFETCH(bool, checkout);
        QFETCH(bool, checkoutKnown);
        QFETCH(QString, expected);
        QTemporaryDir root;
        QVERIFY(root.isValid());
        const QDir dir(root.path());
        QVERIFY(dir.mkpath(QStringLiteral("prefix/bin")));
        if (installed)
            QVERIFY(dir.mkpath(QStringLiteral("prefix/share/sorvane/samples")));
        if (checkout)
            QVERIFY(dir.mkpath(QStringLiteral("checkout/samples")));
        const QString sourceSamples = checkoutKnown ? dir.absoluteFilePath(QStringLiteral("checkout/samples")) : QString();
        const QString folder = SampleFolderOf(dir.absoluteFilePath(QStringLiteral("prefix/bin")), sourceSamples);
        QCOMPARE(folder, expected.isEmpty() ? QString() : QDir::cleanPath(dir.absoluteFilePath(expected)));
    }

    void platformChoice_data()
    {
        QTest::addColumn<QByteArray>("chosen");
        QTest::addColumn<QByteArray>("display");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("X11 or Wayland session with an X display") << QByteArray() << QByteArray(":0") << QByteArray("xcb");
        QTest::newRow("chosen by the user") << QByteArray("wayland") << QByteArray(":0") << QByteArray("wayland");
        QTest::newRow("headless") << QByteArray("offscreen") << QByteArray() << QByteArray("offscreen");
        QTest::newRow("no X display") << QByteArray() << QByteArray() << QByteArray();
    }

    void platformChoice()
    {
        QFETCH(QByteArray, chosen);
        QFETCH(QByteArray, display);
        QFETCH(QByteArray, expected);
        const QByteArray platformBefore = qgetenv("QT_QPA_PLATFORM");
        const QByteArray displayBefore = qgetenv("DISPLAY");
        const auto set = [](const char *name, const QByteArray &value) {
            if (value.isEmpty())
                qunsetenv(name);
            else
                qputenv(name, value);
        };
        set("QT_QPA_PLATFORM", chosen);
        set("DISPLAY", display);
        PrepareApplication();
        const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
        set("QT_QPA_PLATFORM", platformBefore);
        set("DISPLAY", displayBefore);
        QCOMPARE(platform, expected);
    }

    void openDialogStartsIn_data()
    {
        QTest::addColumn<QString>("initialFolder");
        QTest::addColumn<QString>("expected");
        const QString samples = QDir::cleanPath(QStringLiteral(SORVANE_SOURCE_DIR "/samples"));
        QTest::newRow("sample folder") << samples << samples;
        QTest::newRow("sample folder gone") << samples + QStringLiteral("/gone") << QDir::cleanPath(QDir::homePath());
        QTest::newRow("no sample folder") << QString() << QDir::cleanPath(QDir::homePath());
    }

    void openDialogStartsIn()
    {
        QFETCH(QString, initialFolder);
        QFETCH(QString, expected);
        QWidget owner;
        FileDialog dialog(&owner, QStringLiteral("OpenDialog"), FileDialog::Kind::Open);
        dialog.setFilter(QStringLiteral("すべてのﾌｧｲﾙ (*.*)|*.*"));
        dialog.setInitialDir(initialFolder);
        WindowDriver driver;
        bool chosen = true;
        QCOMPARE(FolderOffered(driver, [&] { chosen = dialog.execute(); }), expected);
        QVERIFY(!chosen);
    }

    void fileOpenStartsInTheSampleFolder()
    {
        CreateForms();
        ShowMainForm();
        QVERIFY(QTest::qWaitForWindowExposed(MainForm));
        WindowDriver driver;
        driver.message(QStringLiteral("第１のバンド（シアンのプレーン）を読み込んでください。"));
        const QString offered = FolderOffered(driver, [&] { driver.choose(MainForm->OpenItem); });
        DestroyForms();
        QCOMPARE(offered, QDir::cleanPath(QStringLiteral(SORVANE_SOURCE_DIR "/samples")));
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
