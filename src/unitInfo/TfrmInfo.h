#pragma once

#include "toolkit/Dialog.h"

class Label;
class QFrame;
class QPushButton;

// The scene information dialog: the header texts of the scene loaded last.
class TfrmInfo : public Dialog
{
    Q_OBJECT

public:
    explicit TfrmInfo(QWidget *owner);

    QPushButton *OKBtn = nullptr;
    QFrame *Bevel1 = nullptr;
    Label *Label1 = nullptr;
    Label *Label2 = nullptr;
    Label *lblCaptureDate = nullptr;
    Label *lblPathRow = nullptr;
    Label *Label3 = nullptr;
    Label *Label4 = nullptr;
    Label *Label5 = nullptr;
    Label *lblBand = nullptr;
    Label *lblSensor = nullptr;
    Label *Label6 = nullptr;
    Label *lblBegin = nullptr;
    Label *lblWeed = nullptr;

    void OKBtnClick();
};

inline TfrmInfo *frmInfo = nullptr;
