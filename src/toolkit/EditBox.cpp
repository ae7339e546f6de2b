#include "EditBox.h"

#include <QFocusEvent>

EditBox::EditBox(QWidget *parent, const QString &name, const QRect &geometry, const QString &text) : QLineEdit(text, parent)
{
    setObjectName(name);
    setGeometry(geometry);
}

void EditBox::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    selectAll();
}
