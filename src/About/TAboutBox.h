#pragma once

#include "toolkit/Dialog.h"

#include <QImage>

class Label;
class Picture;
class QFrame;
class QPushButton;

// The About box: the program's icon, name, version, author and a note on
// the data it reads.
class TAboutBox : public Dialog
{
    Q_OBJECT

public:
    explicit TAboutBox(QWidget *owner);

    QFrame *Panel1 = nullptr;
    QPushButton *OKButton = nullptr;
    Picture *ProgramIcon = nullptr;
    Label *ProductName = nullptr;
    Label *Version = nullptr;
    Label *AuthorNotice = nullptr;
    Label *Comment = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
};

inline TAboutBox *AboutBox = nullptr;

// The program's icon: a black-and-white cat's face, 32 x 32 pixels, 8 bits
// per pixel with a 256-colour table.
QImage CatFaceIcon();
