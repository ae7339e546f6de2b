// How long the real window takes from a user's input to the repainted
// window, for every command of the program, on the offscreen platform. The
// clock starts just before the input is delivered (a menu choice, the key
// or button that closes a dialog, a mouse release) and stops when the last
// paint event that the input caused has been handled, or when the command
// has returned, whichever is later. Prints the medians as JSON.

#include "BenchScene.h"
#include "WindowDriver.h"

#include "About/TAboutBox.h"
#include "toolkit/Shape.h"
#include "unitInfo/TfrmInfo.h"
#include "unitMain/Application.h"

#include <QElapsedTimer>
#include <QFileDialog>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <map>
#include <vector>

namespace {

QElapsedTimer Clock;

qint64 Now()
{
    return Clock.nsecsElapsed();
}

// Notes, for each window, when it last finished handling a paint.
class TimedApplication : public QApplication
{
public:
    using QApplication::QApplication;

    bool notify(QObject *receiver, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        const bool painting = type == QEvent::Paint || type == QEvent::UpdateRequest;
        const bool handled = QApplication::notify(receiver, event);
        if (painting && receiver->isWidgetType())
            paintedLast[static_cast<QWidget *>(receiver)->window()] = Now();
        return handled;
    }

    QHash<QWidget *, qint64> paintedLast;
};

TimedApplication *App = nullptr;

class Latencies
{
public:
    // The time from start until window was painted again (or until done,
    // if that is later), in milliseconds.
    void note(const QString &what, qint64 start, QWidget *window, qint64 done = 0)
    {
        const qint64 painted = App->paintedLast.value(window, 0);
        const qint64 end = std::max(painted > start ? painted : start, done);
        samples_[what].push_back(static_cast<double>(end - start) / 1e6);
    }

    QJsonObject medians() const
    {
        QJsonObject result;
        for (const auto &[what, samples] : samples_) {
            std::vector<double> sorted = samples;
            std::sort(sorted.begin(), sorted.end());
            result[what] = QJsonObject{{QStringLiteral("median"), sorted[sorted.size() / 2]}, {QStringLiteral("max"), sorted.back()},
                                       {QStringLiteral("runs"), static_cast<int>(sorted.size())}};
        }
        return result;
    }

private:
    std::map<QString, std::vector<double>> samples_;
};

// Lets every event that is due run, paints included.
void Settle()
{
    for (int pass = 0; pass < 5; ++pass) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
}

class Session
{
public:
    Session() : form_(*MainForm) { }

    void run(int repetitions)
    {
        for (int time = 0; time < repetitions; ++time) {
            open();
            views();
            rectangleHistogram();
            classification();
            views();
            dialogs();
        }
    }

    QJsonObject results() const { return latencies_.medians(); }

private:
    QString band(int number) const { return BenchSceneFolder() + QStringLiteral("/band%1.bsq").arg(number); }

    void choose(QAction *item, const QString &what)
    {
        if (!item->isEnabled()) {
            std::fprintf(stderr, "%s is not enabled\n", qPrintable(item->objectName()));
            return;
        }
        const qint64 start = Now();
        item->trigger();
        const qint64 done = Now();
        Settle();
        latencies_.note(what, start, MainForm, done);
    }

    QPoint inWindow(QPoint at) const { return form_.imgMapOverlay->mapTo(MainForm, at); }

    void drag(QPoint from, QPoint to, const QString &what)
    {
        QTest::mousePress(MainForm->windowHandle(), Qt::LeftButton, {}, inWindow(from));
        Settle();
        const QPoint middle = (from + to) / 2;
        qint64 start = Now();
        QTest::mouseMove(MainForm->windowHandle(), inWindow(middle));
        qint64 done = Now();
        Settle();
        latencies_.note(QStringLiteral("rubber band: a move during a drag"), start, MainForm, done);
        QTest::mouseMove(MainForm->windowHandle(), inWindow(to));
        Settle();
        start = Now();
        QTest::mouseRelease(MainForm->windowHandle(), Qt::LeftButton, {}, inWindow(to));
        done = Now();
        Settle();
        latencies_.note(what, start, MainForm, done);
    }

    // The answers of one band's part of File > Open, each timed from the
    // input that made its dialog appear.
    void answerBand(int number, qint64 &start)
    {
        driver_.then(QStringLiteral("message box"), [this, &start, number](QWidget *box) {
            latencies_.note(number == 1 ? QStringLiteral("File > Open: choice -> message box") : QStringLiteral("File > Open: range OK -> message box"), start, box);
            start = Now();
            qobject_cast<QMessageBox *>(box)->button(QMessageBox::Ok)->click();
        });
        driver_.then(QStringLiteral("file dialog"), [this, &start](QWidget *widget) {
            latencies_.note(QStringLiteral("File > Open: message OK -> file dialog"), start, widget);
            auto *dialog = qobject_cast<QFileDialog *>(widget);
            auto *nameEdit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            WaitForFolderRead(dialog);
            nameEdit->setText(band(number_));
            QTest::qWait(20);
            start = Now();
            QTest::keyClick(nameEdit, Qt::Key_Return);
        });
        driver_.then(QStringLiteral("range dialog"), [this, &start](QWidget *widget) {
            latencies_.note(QStringLiteral("File > Open: file chosen -> range dialog (read, histogram)"), start, widget);
            auto *dialog = qobject_cast<TfrmSetRange *>(widget);
            QTest::keyClicks(dialog->edtLower, QStringLiteral("12"));
            QTest::keyClick(dialog->edtLower, Qt::Key_Tab);
            QTest::keyClicks(dialog->edtUpper, QStringLiteral("140"));
            start = Now();
            QTest::keyClick(dialog->edtUpper, Qt::Key_Return);
            ++number_;
        });
    }

    void open()
    {
        qint64 start = 0;
        number_ = 1;
        answerBand(1, start);
        answerBand(2, start);
        start = Now();
        form_.OpenItem->trigger();
        const qint64 done = Now();
        Settle();
        latencies_.note(QStringLiteral("File > Open: range OK -> composite and plot shown"), start, MainForm, done);
        report(driver_.finish());
    }

    void views()
    {
        const struct { QAction *item; const char *name; } views[] = {
            {form_.WholeScatterItem, "View > whole histogram"},
            {form_.ImageItem, "View > image"},
            {form_.PartScatterItem, "View > partial histogram"},
            {form_.CategoryItem, "View > decision map"},
            {form_.CategoryMapItem, "View > category map"},
            {form_.ImageItem, "View > image"},
        };
        for (const auto &view : views)
            if (view.item->isEnabled())
                choose(view.item, QString::fromLatin1(view.name));
    }

    void rectangleHistogram()
    {
        choose(form_.MakeScatterItem, QStringLiteral("Operation > rectangle histogram"));
        drag({0, 0}, {511, 399}, QStringLiteral("release of a rectangle drag (whole scene)"));
        choose(form_.ImageItem, QStringLiteral("View > image"));
    }

    void classification()
    {
        choose(form_.TrainingAreaItem, QStringLiteral("Operation > training area"));
        Shape *swatches[] = {form_.shpBlue, form_.shpCyan, form_.shpGreen, form_.shpYellow, form_.shpRed, form_.shpMagenta};
        for (std::size_t k = 0; k < BenchAreas.size(); ++k) {
            QTest::mousePress(swatches[k], Qt::LeftButton, {}, QPoint(10, 10));
            const qint64 start = Now();
            QTest::mouseRelease(swatches[k], Qt::LeftButton, {}, QPoint(10, 10));
            const qint64 done = Now();
            Settle();
            latencies_.note(QStringLiteral("swatch click"), start, MainForm, done);
            drag(BenchAreas[k].first, BenchAreas[k].second, QStringLiteral("release of a training drag"));
        }
        // A training area of the whole scene, the most a release computes.
        QTest::mouseRelease(form_.shpMagenta, Qt::LeftButton, {}, QPoint(10, 10));
        drag({0, 0}, {511, 399}, QStringLiteral("release of a training drag (whole scene)"));
        drag(BenchAreas[5].first, BenchAreas[5].second, QStringLiteral("release of a training drag"));
        choose(form_.DiscriminantItem, QStringLiteral("Operation > compute decision map (six categories)"));
        choose(form_.PaintCategoryMapItem, QStringLiteral("Operation > paint category map"));
    }

    void dialogs()
    {
        qint64 start = 0;
        const auto closeWith = [this, &start](const QString &what, QWidget *window, QAbstractButton *button) {
            latencies_.note(what, start, window);
            start = Now();
            button->click();
        };
        driver_.then(QStringLiteral("About box"), [&](QWidget *widget) {
            closeWith(QStringLiteral("Help > version information: choice -> dialog"), widget, qobject_cast<TAboutBox *>(widget)->OKButton);
        });
        start = Now();
        form_.About1->trigger();
        Settle();
        latencies_.note(QStringLiteral("dialog OK -> main window"), start, MainForm, Now());

        driver_.then(QStringLiteral("information dialog"), [&](QWidget *widget) {
            closeWith(QStringLiteral("Help > scene information: choice -> dialog"), widget, qobject_cast<TfrmInfo *>(widget)->OKBtn);
        });
        start = Now();
        form_.InfoItem->trigger();
        Settle();
        latencies_.note(QStringLiteral("dialog OK -> main window"), start, MainForm, Now());

        driver_.then(QStringLiteral("save dialog"), [&](QWidget *widget) {
            latencies_.note(QStringLiteral("File > save picture: choice -> save dialog (capture)"), start, widget);
            auto *dialog = qobject_cast<QFileDialog *>(widget);
            auto *nameEdit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            WaitForFolderRead(dialog);
            nameEdit->setText(folder_.filePath(QStringLiteral("picture.bmp")));
            QTest::qWait(20);
            start = Now();
            QTest::keyClick(nameEdit, Qt::Key_Return);
        });
        start = Now();
        form_.SavePictureItem->trigger();
        const qint64 done = Now();
        Settle();
        latencies_.note(QStringLiteral("File > save picture: name chosen -> file written"), start, MainForm, done);
        report(driver_.finish());
    }

    static void report(const QString &problems)
    {
        if (!problems.isEmpty())
            std::fprintf(stderr, "%s\n", qPrintable(problems));
    }

    TMainForm &form_;
    WindowDriver driver_;
    Latencies latencies_;
    QTemporaryDir folder_;
    int number_ = 1;
};

}

int main(int argc, char *argv[])
{
    PrepareApplication();
    TimedApplication application(argc, argv);
    App = &application;
    Clock.start();
    const int repetitions = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 10;
    CreateForms();
    ShowMainForm();
    if (!QTest::qWaitForWindowExposed(MainForm))
        return 1;
    QJsonObject results;
    {
        Session session;
        session.run(repetitions);
        results = session.results();
    }
    DestroyForms();
    std::printf("%s\n", QJsonDocument(results).toJson(QJsonDocument::Indented).constData());
    return 0;
}
