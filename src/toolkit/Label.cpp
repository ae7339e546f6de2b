#include "Label.h"

Label::Label(QWidget *parent, const QString &name, const QPoint &at, const QString &caption, bool rightAligned)
    : QLabel(parent), rightAligned_(rightAligned)
{
    setObjectName(name);
    setTextFormat(Qt::PlainText);
    setMargin(0);
    setIndent(0);
    move(at);
    resize(6, fontMetrics().height());
    setCaption(caption);
}

void Label::setCaption(const QString &caption)
{
    const int right = x() + width();
    setText(caption);
    const QSize size(caption.isEmpty() ? 6 : fontMetrics().horizontalAdvance(caption), fontMetrics().height());
    resize(size);
    if (rightAligned_)
        move(right - size.width(), y());
}
