#include "Shape.h"

#include <QMouseEvent>
#include <QPainter>

Shape::Shape(QWidget *parent, const QString &name, const QRect &geometry, TColor colour) : QWidget(parent), colour_(colour)
{
    setObjectName(name);
    setGeometry(geometry);
}

void Shape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor::fromRgb(ToQRgb(Colours::Black)));
    painter.fillRect(rect().adjusted(1, 1, -1, -1), QColor::fromRgb(ToQRgb(colour_)));
}

// The shape holds the pointer while a button is down, so the release is
// reported wherever it happens, as a press-and-release on the swatch.
void Shape::mouseReleaseEvent(QMouseEvent *)
{
    emit mouseUp();
}
