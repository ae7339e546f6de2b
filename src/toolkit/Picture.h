#pragma once

#include "Canvas.h"

#include <QImage>
#include <QWidget>

// A picture component: owns a bitmap and shows bitmap pixel (x, y) at widget
// pixel (x, y), never scaled. An empty picture shows nothing; its canvas
// creates a white bitmap of the component's size on first drawing.
class Picture : public QWidget
{
    Q_OBJECT

public:
    Picture(QWidget *parent, const QString &name, const QRect &geometry);

    Canvas &canvas() { return canvas_; }
    const QImage &bitmap() const { return bitmap_; }
    bool isEmpty() const { return bitmap_.isNull(); }
    // Assigning a picture copies its bitmap (an empty one empties this one).
    void assign(const Picture &other);
    void setBitmap(const QImage &image);

signals:
    void mouseDown(int x, int y);
    void mouseMove(int x, int y);
    void mouseUp(int x, int y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    friend class Canvas;
    QImage &bitmapForDrawing();

    QImage bitmap_;
    Canvas canvas_{this};
};
