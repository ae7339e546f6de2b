#pragma once

#include <QDialog>

class QFont;

// A modal dialog with a dialog frame: fixed client size, a title bar with a
// close box only, centred on the screen. Without a cancel button it ignores
// Esc; its close box closes it without a result.
class Dialog : public QDialog
{
    Q_OBJECT

public:
    Dialog(QWidget *owner, const QString &name, const QString &caption, const QSize &clientSize);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
};

// Places a top-level window in the middle of the screen it is on.
void CentreOnScreen(QWidget *window);

// Fonts by their face and character height in pixels, with Japanese
// fallbacks for faces this system does not have.
QFont JapaneseFont(int pixelHeight, bool proportional);
QFont SansFont(int pixelHeight);
