#pragma once

#include <QLineEdit>

// A single-line edit box that selects all its text whenever it receives the
// focus, so that typing replaces it.
class EditBox : public QLineEdit
{
    Q_OBJECT

public:
    EditBox(QWidget *parent, const QString &name, const QRect &geometry, const QString &text = QString());

protected:
    void focusInEvent(QFocusEvent *event) override;
};
