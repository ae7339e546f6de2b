#pragma once

#include "toolkit/Dialog.h"
#include "unitMain/WorkingState.h"

#include <utility>

class EditBox;
class Label;
class Picture;
class QPushButton;

// The display range dialog: the band's histogram and the two bounds.
class TfrmSetRange : public Dialog
{
    Q_OBJECT

public:
    explicit TfrmSetRange(QWidget *owner);

    Picture *imgHistogram = nullptr;
    Label *Label1 = nullptr;
    Label *Label2 = nullptr;
    Label *Label3 = nullptr;
    Label *Label4 = nullptr;
    Label *Label5 = nullptr;
    Label *Label6 = nullptr;
    QPushButton *btnOk = nullptr;
    EditBox *edtLower = nullptr;
    EditBox *edtUpper = nullptr;

    void btnOkClick();
    void FormShow();

protected:
    void showEvent(QShowEvent *event) override;
};

// Exists only while File > Open asks for a band's bounds.
inline TfrmSetRange *frmSetRange = nullptr;

// Shows the band's histogram in a new range dialog and returns the bounds
// confirmed last (lower, upper).
std::pair<std::int32_t, std::int32_t> AskDisplayRange(const BandRaster &raster);
