#pragma once

#include "Colour.h"

#include <QWidget>

// A clickable rectangle filled with one colour, with a black one-pixel
// outline. Reports the release of any mouse button over it.
class Shape : public QWidget
{
    Q_OBJECT

public:
    Shape(QWidget *parent, const QString &name, const QRect &geometry, TColor colour);
    TColor colour() const { return colour_; }

signals:
    void mouseUp();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    TColor colour_;
};
