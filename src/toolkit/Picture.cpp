#include "Picture.h"

#include <QMouseEvent>
#include <QPainter>
#include <QtMath>

Picture::Picture(QWidget *parent, const QString &name, const QRect &geometry) : QWidget(parent)
{
    setObjectName(name);
    setGeometry(geometry);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

QImage &Picture::bitmapForDrawing()
{
    if (bitmap_.isNull()) {
        bitmap_ = QImage(width(), height(), QImage::Format_RGB32);
        bitmap_.fill(ToQRgb(Colours::White));
    }
    return bitmap_;
}

void Picture::assign(const Picture &other)
{
    setBitmap(other.bitmap_);
}

void Picture::setBitmap(const QImage &image)
{
    bitmap_ = image.isNull() || image.format() == QImage::Format_RGB32 ? image : image.convertToFormat(QImage::Format_RGB32);
    bitmap_.setDevicePixelRatio(1.0);
    update();
}

void Picture::paintEvent(QPaintEvent *)
{
    if (bitmap_.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), bitmap_);
}

void Picture::mousePressEvent(QMouseEvent *event)
{
    const QPoint at(qFloor(event->position().x()), qFloor(event->position().y()));
    emit mouseDown(at.x(), at.y());
}

void Picture::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint at(qFloor(event->position().x()), qFloor(event->position().y()));
    emit mouseMove(at.x(), at.y());
}

void Picture::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint at(qFloor(event->position().x()), qFloor(event->position().y()));
    emit mouseUp(at.x(), at.y());
}
