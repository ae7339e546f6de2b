#pragma once

#include <QLabel>

// A label that sizes itself to its text. A right-aligned label keeps its
// right edge where it is and grows to the left.
class Label : public QLabel
{
    Q_OBJECT

public:
    Label(QWidget *parent, const QString &name, const QPoint &at, const QString &caption = QString(), bool rightAligned = false);

    void setCaption(const QString &caption);
    QString caption() const { return text(); }

private:
    bool rightAligned_;
};
