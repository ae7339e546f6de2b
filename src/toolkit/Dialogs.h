#pragma once

#include <QPointer>
#include <QString>

#include <memory>

class QFileDialog;
class QFileIconProvider;
class QWidget;

// The application's title: the title of its message boxes.
QString ApplicationTitle();

// A modal message box with one text, no icon and an OK button.
void ShowMessage(const QString &text);

// A modal message box with a stop icon and an OK button.
void ShowStopMessage(const QString &text);

// Open and save dialogs. The filter is written as description|pattern pairs;
// the dialog offers the name chosen last again. The open dialog returns a
// typed name even when no such file exists; the save dialog completes a name
// without extension with the default extension and replaces without asking.
class FileDialog
{
public:
    enum class Kind { Open, Save };

    FileDialog(QWidget *owner, QString objectName, Kind kind);
    FileDialog(const FileDialog &) = delete;
    FileDialog &operator=(const FileDialog &) = delete;
    ~FileDialog();

    void setFilter(const QString &filter) { filter_ = filter; }
    QString filter() const { return filter_; }
    void setDefaultExt(const QString &extension) { defaultExt_ = extension; }
    void setInitialDir(const QString &folder) { initialDir_ = folder; }
    QString fileName() const { return fileName_; }

    // Shows the dialog modally; true when the user chose a file.
    bool execute();

private:
    std::unique_ptr<QFileIconProvider> icons_;
    // A child of the owner widget; freed here, or with the owner if that goes first.
    QPointer<QFileDialog> dialog_;
    QString filter_;
    QString defaultExt_;
    QString initialDir_;
    QString fileName_;
};
