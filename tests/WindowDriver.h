#pragma once

// Drives the real main window as a user would: menu items are chosen only
// while their menu and item are enabled, the modal dialogs that a command
// opens are answered in turn from a queue, and the mouse goes to the overlay
// as real events.

#include "toolkit/EditBox.h"
#include "toolkit/Menu.h"
#include "toolkit/Picture.h"
#include "toolkit/ScreenCursor.h"
#include "unitMain/ScreenState.h"
#include "unitMain/TMainForm.h"
#include "unitMain/WorkingState.h"
#include "unitSetRange/TfrmSetRange.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <deque>
#include <functional>

inline QString ScreenInvariantsBroken(const TMainForm &form);

// The file dialog fills its name box with the name it offers once its
// folder has been read; typing waits for that, as a user would.
inline void WaitForFolderRead(QFileDialog *dialog)
{
    if (auto *model = dialog->findChild<QFileSystemModel *>()) {
        QElapsedTimer waited;
        waited.start();
        const QModelIndex folder = model->index(dialog->directory().absolutePath());
        while (waited.elapsed() < 2000 && (model->canFetchMore(folder) || waited.elapsed() < 100))
            QTest::qWait(10);
    }
}

inline void TypeFileName(QFileDialog *dialog, QLineEdit *nameEdit, const QString &path)
{
    WaitForFolderRead(dialog);
    nameEdit->setText(path);
    QTest::qWait(20);
    if (nameEdit->text() != path)
        nameEdit->setText(path);
    QTest::keyClick(nameEdit, Qt::Key_Return);
}

class WindowDriver : public QObject
{
public:
    struct Answer
    {
        QString what;
        std::function<void(QWidget *)> act;
    };

    WindowDriver()
    {
        timer_.setInterval(5);
        connect(&timer_, &QTimer::timeout, this, &WindowDriver::poll);
        timer_.start();
    }

    // Queue answers for the modal dialogs of the next command.
    WindowDriver &message(const QString &text)
    {
        answers_.push_back({QStringLiteral("message box \"%1\"").arg(text), [this, text](QWidget *widget) {
            auto *box = qobject_cast<QMessageBox *>(widget);
            if (!box || box->objectName() != QLatin1String("MessageBox"))
                return problem(QStringLiteral("expected message \"%1\", got %2").arg(text, describe(widget)));
            if (box->text() != text || box->icon() != QMessageBox::NoIcon)
                problem(QStringLiteral("message box shows \"%1\", expected \"%2\"").arg(box->text(), text));
            box->button(QMessageBox::Ok)->click();
        }});
        return *this;
    }

    WindowDriver &error(const QString &text)
    {
        answers_.push_back({QStringLiteral("error \"%1\"").arg(text), [this, text](QWidget *widget) {
            auto *box = qobject_cast<QMessageBox *>(widget);
            if (!box || box->objectName() != QLatin1String("ErrorBox"))
                return problem(QStringLiteral("expected error \"%1\", got %2").arg(text, describe(widget)));
            if (box->text() != text || box->icon() != QMessageBox::Critical)
                problem(QStringLiteral("error box shows \"%1\", expected \"%2\"").arg(box->text(), text));
            if (ScreenCursor::IsWait())
                problem(QStringLiteral("the wait cursor is still set under the error box"));
            box->button(QMessageBox::Ok)->click();
        }});
        return *this;
    }

    WindowDriver &chooseFile(const QString &path)
    {
        answers_.push_back({QStringLiteral("file dialog choosing %1").arg(path), [this, path](QWidget *widget) {
            auto *dialog = qobject_cast<QFileDialog *>(widget);
            if (!dialog)
                return problem(QStringLiteral("expected a file dialog, got %1").arg(describe(widget)));
            offeredNames_ << dialog->selectedFiles().value(0);
            auto *nameEdit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            if (!nameEdit)
                return problem(QStringLiteral("the file dialog has no name box"));
            TypeFileName(dialog, nameEdit, path);
        }});
        return *this;
    }

    WindowDriver &cancelFile()
    {
        answers_.push_back({QStringLiteral("file dialog cancelled"), [this](QWidget *widget) {
            auto *dialog = qobject_cast<QFileDialog *>(widget);
            if (!dialog)
                return problem(QStringLiteral("expected a file dialog, got %1").arg(describe(widget)));
            offeredNames_ << dialog->selectedFiles().value(0);
            dialog->reject();
        }});
        return *this;
    }

    // Types the bounds into the range dialog and presses Enter.
    WindowDriver &range(const QString &lower, const QString &upper)
    {
        answers_.push_back({QStringLiteral("range dialog %1..%2").arg(lower, upper), [this, lower, upper](QWidget *widget) {
            auto *dialog = qobject_cast<TfrmSetRange *>(widget);
            if (!dialog)
                return problem(QStringLiteral("expected the range dialog, got %1").arg(describe(widget)));
            rangeSeen_ << QStringLiteral("%1|%2|%3").arg(dialog->edtLower->text(), dialog->edtUpper->text(), dialog->edtLower->selectedText());
            histograms_ << dialog->imgHistogram->bitmap();
            if (dialog->focusWidget() != dialog->edtLower)
                problem(QStringLiteral("the lower box does not have the focus"));
            QTest::keyClicks(dialog->edtLower, lower);
            QTest::keyClick(dialog->edtLower, Qt::Key_Tab);
            QTest::keyClicks(dialog->edtUpper, upper);
            QTest::keyClick(dialog->edtUpper, Qt::Key_Return);
        }});
        return *this;
    }

    WindowDriver &rangeDefaults() { return range(QStringLiteral("0"), QStringLiteral("255")); }

    // Closes the range dialog with its close box.
    WindowDriver &closeRange()
    {
        answers_.push_back({QStringLiteral("range dialog closed"), [this](QWidget *widget) {
            auto *dialog = qobject_cast<TfrmSetRange *>(widget);
            if (!dialog)
                return problem(QStringLiteral("expected the range dialog, got %1").arg(describe(widget)));
            dialog->close();
        }});
        return *this;
    }

    WindowDriver &then(const QString &what, std::function<void(QWidget *)> act)
    {
        answers_.push_back({what, std::move(act)});
        return *this;
    }

    // The complete Open of two bands with the given bounds.
    WindowDriver &open(const QString &band1, const QString &band2, const QString &lower1 = QStringLiteral("0"), const QString &upper1 = QStringLiteral("255"),
                       const QString &lower2 = QStringLiteral("0"), const QString &upper2 = QStringLiteral("255"))
    {
        message(QStringLiteral("第１のバンド（シアンのプレーン）を読み込んでください。")).chooseFile(band1).range(lower1, upper1);
        return message(QStringLiteral("第２のバンド（赤のプレーン）を読み込んでください。")).chooseFile(band2).range(lower2, upper2);
    }

    // Chooses a menu item as a user can: only while its menu and the item
    // are enabled. Returns false (and records why) otherwise.
    bool choose(QAction *item)
    {
        QMenu *menu = Menus::MenuOf(item);
        if (menu && !Menus::MenuEnabled(menu))
            return problem(QStringLiteral("menu %1 is disabled, so %2 cannot be chosen").arg(menu->objectName(), item->objectName())), false;
        if (!Menus::ItemEnabled(item) || !item->isEnabled())
            return problem(QStringLiteral("item %1 is disabled").arg(item->objectName())), false;
        item->trigger();
        return true;
    }

    // After a step: everything queued was answered, nothing went wrong and
    // the screen state is sound. Says what is wrong otherwise.
    bool settled(const TMainForm &form, bool ok = true)
    {
        const QString problems = finish();
        if (!problems.isEmpty())
            qWarning("%s", qPrintable(problems));
        const QString broken = ScreenInvariantsBroken(form);
        if (!broken.isEmpty())
            qWarning("invariants: %s", qPrintable(broken));
        return ok && problems.isEmpty() && broken.isEmpty();
    }

    // Everything queued was answered and nothing went wrong.
    QString finish()
    {
        QString result = problems_.join(QLatin1String("; "));
        if (!answers_.empty()) {
            QStringList left;
            for (const Answer &answer : answers_)
                left << answer.what;
            result += QStringLiteral(" unanswered: ") + left.join(QLatin1String(", "));
            answers_.clear();
        }
        problems_.clear();
        return result.trimmed();
    }

    QStringList offeredNames_;
    QStringList rangeSeen_;
    QList<QImage> histograms_;

private:
    void poll()
    {
        // A dialog that lives on (About box, information dialog) is answered
        // anew at each showing.
        for (qsizetype index = answered_.size() - 1; index >= 0; --index) {
            if (!answered_[index]) {
                answered_.removeAt(index);
            } else if (!answered_[index]->isVisible()) {
                forgetAnswer(answered_[index]);
                answered_.removeAt(index);
            }
        }
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible() || modal->property("answered").toBool())
            return;
        modal->setProperty("answered", true);
        answered_ << QPointer<QWidget>(modal);
        QPointer<QWidget> target(modal);
        // Act outside this timer's slot, so that a dialog the answer opens
        // (an error box under the range dialog) is answered in turn.
        QTimer::singleShot(0, this, [this, target] {
            if (!target)
                return;
            if (answers_.empty()) {
                problem(QStringLiteral("unexpected %1").arg(describe(target)));
                if (auto *box = qobject_cast<QMessageBox *>(target.data()))
                    box->button(QMessageBox::Ok)->click();
                else if (auto *dialog = qobject_cast<QDialog *>(target.data()))
                    dialog->reject();
                return;
            }
            Answer answer = answers_.front();
            answers_.pop_front();
            const int serial = ++serial_;
            target->setProperty("answerSerial", serial);
            answer.act(target);
            if (target && !target->isVisible())
                forgetAnswer(target);
            // An answer that failed half-way must not leave a test hanging.
            QTimer::singleShot(3000, this, [this, target, serial, what = answer.what] {
                if (target && target->isVisible() && target->property("answerSerial").toInt() == serial) {
                    problem(QStringLiteral("%1 left its dialog open").arg(what));
                    if (auto *dialog = qobject_cast<QDialog *>(target.data()))
                        dialog->reject();
                }
            });
        });
    }

    // A closed dialog takes a new answer when it shows again; the guard of
    // the answer it had must not take that showing for its own.
    static void forgetAnswer(QWidget *dialog)
    {
        dialog->setProperty("answered", false);
        dialog->setProperty("answerSerial", 0);
    }

    static QString describe(QWidget *widget)
    {
        if (auto *box = qobject_cast<QMessageBox *>(widget))
            return QStringLiteral("%1 \"%2\"").arg(box->objectName(), box->text());
        return widget ? widget->objectName() + QStringLiteral(" (") + QString::fromLatin1(widget->metaObject()->className()) + QLatin1Char(')') : QStringLiteral("nothing");
    }

    void problem(const QString &text) { problems_ << text; }

    QList<QPointer<QWidget>> answered_;
    int serial_ = 0;
    QTimer timer_;
    std::deque<Answer> answers_;
    QStringList problems_;
};

// The invariants of the screen state that hold between any two commands.
inline QString ScreenInvariantsBroken(const TMainForm &form)
{
    QStringList broken;
    const auto on = [&](Flag flag) { return form.SceneFlag(flag); };
    const int checked = on(Flag::ImageChecked) + on(Flag::WholeScatterChecked) + on(Flag::PartScatterChecked) + on(Flag::CategoryChecked) + on(Flag::CategoryMapChecked);
    if (checked != 1)
        broken << QStringLiteral("%1 View items are checked").arg(checked);
    if (on(Flag::FileMenu) != on(Flag::HelpMenu))
        broken << QStringLiteral("File and Help menus differ");
    if (on(Flag::ViewMenu) && !on(Flag::FileMenu))
        broken << QStringLiteral("View enabled while File is disabled");
    if (on(Flag::FileMenu) && on(Flag::DiscriminantItem))
        broken << QStringLiteral("compute decision map enabled while File is enabled");
    if (on(Flag::OperationMenu) && on(Flag::MakeScatterItem) && on(Flag::FileMenu)
        && !(on(Flag::ColorImage) && !on(Flag::AxisLabels) && on(Flag::TrainingAreaItem)))
        broken << QStringLiteral("rectangle histogram offered outside the image view");
    if (on(Flag::PanelEnabled) && !(TrainingMode && !on(Flag::FileMenu)))
        broken << QStringLiteral("category panel enabled outside training");
    if (on(Flag::ViewMenu)) {
        const struct { Flag check; Flag picture; } views[] = {
            {Flag::ImageChecked, Flag::ColorImage}, {Flag::WholeScatterChecked, Flag::WholeScatter}, {Flag::PartScatterChecked, Flag::PartScatter},
            {Flag::CategoryChecked, Flag::SetCategory}, {Flag::CategoryMapChecked, Flag::CategoryMap}};
        for (const auto &view : views)
            if (on(view.check) && !on(view.picture))
                broken << QStringLiteral("the checked View item's picture is hidden");
    }
    if (ScreenCursor::IsWait())
        broken << QStringLiteral("the wait cursor is left set");
    return broken.join(QLatin1String("; "));
}

// The flags of a row that the state must show, as "flag: expected/actual".
inline QString RowMismatch(const TMainForm &form, ScreenRow row)
{
    QStringList wrong;
    const ScreenStateRow &expected = ScreenStateOf(row);
    for (std::size_t index = 0; index < FlagCount; ++index) {
        const Tri cell = expected.flags[index];
        if (cell == Tri::Keep)
            continue;
        const bool actual = form.SceneFlag(static_cast<Flag>(index));
        if (actual != (cell == Tri::On))
            wrong << QStringLiteral("flag %1 is %2").arg(index).arg(actual ? QStringLiteral("on") : QStringLiteral("off"));
    }
    return wrong.join(QLatin1String(", "));
}
