#include "Dialog.h"

#include <QFont>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

Dialog::Dialog(QWidget *owner, const QString &name, const QString &caption, const QSize &clientSize)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(name);
    setWindowTitle(caption);
    setFixedSize(clientSize);
}

void Dialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void Dialog::showEvent(QShowEvent *event)
{
    CentreOnScreen(this);
    QDialog::showEvent(event);
}

void CentreOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QSize size = window->frameGeometry().size().expandedTo(window->size());
    window->move(area.center() - QPoint(size.width() / 2, size.height() / 2));
}

QFont JapaneseFont(int pixelHeight, bool proportional)
{
    QFont font;
    font.setFamilies(proportional ? QStringList{QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic"), QStringLiteral("Noto Sans CJK JP")}
                                  : QStringList{QStringLiteral("IPAGothic"), QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans Mono CJK JP")});
    font.setPixelSize(pixelHeight);
    return font;
}

QFont SansFont(int pixelHeight)
{
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("IPAPGothic")});
    font.setPixelSize(pixelHeight);
    return font;
}
