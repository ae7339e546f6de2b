#include "Dialogs.h"

#include "Handler.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>

QString ApplicationTitle()
{
    return QStringLiteral("Sorvane - Quellin");
}

namespace {

void ShowBox(QMessageBox::Icon icon, const QString &text, const char *name)
{
    QMessageBox box(icon, ApplicationTitle(), text, QMessageBox::Ok, QApplication::activeWindow());
    box.setObjectName(QString::fromLatin1(name));
    box.exec();
}

// Qt takes the patterns of a filter from the last parentheses of its text;
// "*.*" means every file, with or without a dot.
QStringList QtFilters(const QString &filter)
{
    QStringList result;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (qsizetype index = 0; index + 1 < parts.size(); index += 2) {
        QString pattern = parts[index + 1];
        pattern.replace(QLatin1Char(';'), QLatin1Char(' '));
        if (pattern == QLatin1String("*.*"))
            pattern = QStringLiteral("*");
        result << parts[index] + QStringLiteral(" (") + pattern + QLatin1Char(')');
    }
    return result;
}

}

namespace Handler {
void ShowError(const QString &text)
{
    ScreenCursor::SetDefault();
    ShowStopMessage(text);
}
}

void ShowMessage(const QString &text)
{
    ShowBox(QMessageBox::NoIcon, text, "MessageBox");
}

void ShowStopMessage(const QString &text)
{
    ShowBox(QMessageBox::Critical, text, "ErrorBox");
}

FileDialog::FileDialog(QWidget *owner, QString objectName, Kind kind)
    : owner_(owner), objectName_(std::move(objectName)), kind_(kind)
{
}

bool FileDialog::execute()
{
    QFileDialog dialog(owner_);
    dialog.setObjectName(objectName_);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setOption(QFileDialog::ReadOnly, false);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(kind_ == Kind::Open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setNameFilters(QtFilters(filter_));
    if (!defaultExt_.isEmpty())
        dialog.setDefaultSuffix(defaultExt_);
    if (!fileName_.isEmpty()) {
        const QFileInfo last(fileName_);
        dialog.setDirectory(last.absolutePath());
        dialog.selectFile(last.fileName());
    } else if (!initialDir_.isEmpty() && QFileInfo(initialDir_).isDir()) {
        dialog.setDirectory(initialDir_);
    } else {
        dialog.setDirectory(QDir::homePath());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    fileName_ = QDir::toNativeSeparators(QFileInfo(dialog.selectedFiles().constFirst()).absoluteFilePath());
    return true;
}
