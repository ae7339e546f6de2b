#include "TfrmSetRange.h"

#include "toolkit/EditBox.h"
#include "toolkit/Handler.h"
#include "toolkit/Label.h"
#include "toolkit/Picture.h"
#include "toolkit/ScreenCursor.h"
#include "unitMain/TMainForm.h"
#include "unitSetRange/BandHistogram.h"
#include "unitSetRange/StrToInt.h"

#include <QPushButton>
#include <memory>

TfrmSetRange::TfrmSetRange(QWidget *owner) : Dialog(owner, QStringLiteral("frmSetRange"), QStringLiteral("Range Setting"), QSize(284, 352))
{
    setFont(SansFont(11));
    const QFont gothic = JapaneseFont(11, false);
    imgHistogram = new Picture(this, QStringLiteral("imgHistogram"), QRect(14, 14, 256, 200));
    Label1 = new Label(this, QStringLiteral("Label1"), QPoint(44, 242));
    Label2 = new Label(this, QStringLiteral("Label2"), QPoint(65, 296));
    Label3 = new Label(this, QStringLiteral("Label3"), QPoint(159, 296));
    for (Label *label : {Label1, Label2, Label3}) {
        label->setFont(gothic);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, Qt::black);
        label->setPalette(palette);
    }
    Label1->setCaption(QStringLiteral("表示の下限と上限を入力してください。"));
    Label2->setCaption(QStringLiteral("下限（黒）"));
    Label3->setCaption(QStringLiteral("上限（白）"));
    Label4 = new Label(this, QStringLiteral("Label4"), QPoint(17, 222), QStringLiteral("0"));
    Label5 = new Label(this, QStringLiteral("Label5"), QPoint(104, 222), QStringLiteral("100"));
    Label6 = new Label(this, QStringLiteral("Label6"), QPoint(208, 222), QStringLiteral("200"));

    btnOk = new QPushButton(QStringLiteral("OK"), this);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnOk->setGeometry(115, 317, 64, 21);
    btnOk->setDefault(true);
    btnOk->setAutoDefault(true);
    edtLower = new EditBox(this, QStringLiteral("edtLower"), QRect(65, 269, 61, 19), QStringLiteral("0"));
    edtUpper = new EditBox(this, QStringLiteral("edtUpper"), QRect(159, 269, 62, 19), QStringLiteral("255"));
    QWidget::setTabOrder(edtLower, edtUpper);
    QWidget::setTabOrder(edtUpper, btnOk);

    // The result is set first; the dialog closes when the handler is done,
    // also when its conversion failed and showed its message.
    connect(btnOk, &QPushButton::clicked, this, [this] {
        setResult(QDialog::Accepted);
        RunHandler([this] { btnOkClick(); });
        done(QDialog::Accepted);
    });
}

void TfrmSetRange::btnOkClick()
{
    LowerBound = StrToInt(edtLower->text());
    UpperBound = StrToInt(edtUpper->text());
}

void TfrmSetRange::FormShow()
{
    edtLower->setFocus(Qt::OtherFocusReason);
    edtLower->selectAll();
}

void TfrmSetRange::showEvent(QShowEvent *event)
{
    Dialog::showEvent(event);
    FormShow();
}

std::pair<std::int32_t, std::int32_t> AskDisplayRange(const BandRaster &raster)
{
    const HistogramCounts counts = BandHistogram(raster);
    struct Release
    {
        void operator()(TfrmSetRange *dialog) const
        {
            frmSetRange = nullptr;
            delete dialog;
        }
    };
    std::unique_ptr<TfrmSetRange, Release> dialog(new TfrmSetRange(MainForm));
    frmSetRange = dialog.get();
    DrawBandHistogram(dialog->imgHistogram->canvas(), counts);
    ScreenCursor::SetDefault();
    dialog->exec();
    return {LowerBound, UpperBound};
}
