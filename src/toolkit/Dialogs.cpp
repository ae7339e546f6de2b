#include "Dialogs.h"

#include "Handler.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QMessageBox>
#include <QMimeDatabase>
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

namespace {

// Qt's own icon provider tells the type of each file the dialog lists by
// reading its first bytes, and some files never answer a read (/proc/kmsg):
// the window would hang for good in such a folder. This one goes by names.
class NameOnlyIcons : public QFileIconProvider
{
public:
    QIcon icon(IconType type) const override { return QFileIconProvider::icon(type); }
    QIcon icon(const QFileInfo &info) const override { return QFileIconProvider::icon(info.isDir() ? Folder : File); }
    QString type(const QFileInfo &info) const override
    {
        if (!info.isFile())
            return QFileIconProvider::type(info);
        return QMimeDatabase().mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension).comment();
    }
};

}

// Qt's file dialog is made with the window and kept hidden between
// showings: making one, or freeing it, takes longer than a frame.
FileDialog::FileDialog(QWidget *owner, QString objectName, Kind kind) : icons_(std::make_unique<NameOnlyIcons>()), dialog_(new QFileDialog(owner))
{
    dialog_->setIconProvider(icons_.get());
    dialog_->setObjectName(objectName);
    dialog_->setOption(QFileDialog::DontUseNativeDialog);
    dialog_->setOption(QFileDialog::HideNameFilterDetails);
    dialog_->setOption(QFileDialog::DontConfirmOverwrite);
    dialog_->setOption(QFileDialog::ReadOnly, false);
    dialog_->setFileMode(QFileDialog::AnyFile);
    dialog_->setAcceptMode(kind == Kind::Open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
}

// The dialog goes first: its folder model uses the icons until it is freed.
FileDialog::~FileDialog()
{
    delete dialog_;
}

bool FileDialog::execute()
{
    if (!dialog_)
        return false;
    QFileDialog &dialog = *dialog_;
    dialog.setNameFilters(QtFilters(filter_));
    dialog.setDefaultSuffix(defaultExt_);
    if (!fileName_.isEmpty()) {
        const QFileInfo last(fileName_);
        dialog.setDirectory(last.absolutePath());
        dialog.selectFile(last.fileName());
    } else {
        if (!initialDir_.isEmpty() && QFileInfo(initialDir_).isDir())
            dialog.setDirectory(initialDir_);
        else
            dialog.setDirectory(QDir::homePath());
        dialog.selectFile(QString());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    fileName_ = QDir::toNativeSeparators(QFileInfo(dialog.selectedFiles().constFirst()).absoluteFilePath());
    return true;
}
