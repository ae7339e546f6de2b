#include "TfrmInfo.h"

#include "toolkit/Label.h"
#include "toolkit/TextDisplay.h"
#include "unitMain/TMainForm.h"
#include "unitMain/WorkingState.h"

#include <QFrame>
#include <QPushButton>

TfrmInfo::TfrmInfo(QWidget *owner) : Dialog(owner, QStringLiteral("frmInfo"), QStringLiteral("ｼｰﾝ情報"), QSize(308, 263))
{
    setFont(JapaneseFont(12, true));
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    setPalette(palette);

    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setGeometry(118, 226, 74, 24);
    OKBtn->setDefault(true);
    Bevel1 = new QFrame(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel1->setGeometry(8, 8, 292, 201);
    Bevel1->lower();

    const auto label = [this](const char *name, int left, int top, const QString &caption = QString()) {
        return new Label(this, QString::fromLatin1(name), QPoint(left, top), caption);
    };
    Label1 = label("Label1", 88, 88, QStringLiteral("観測年月日"));
    Label2 = label("Label2", 88, 120, QStringLiteral("パス／ロウ"));
    lblCaptureDate = label("lblCaptureDate", 168, 88);
    lblPathRow = label("lblPathRow", 168, 120);
    Label3 = label("Label3", 64, 24, QStringLiteral("衛星／センサー"));
    Label4 = label("Label4", 24, 152, QStringLiteral("画像切り出し位置（左上）"));
    Label5 = label("Label5", 112, 56, QStringLiteral("バンド"));
    lblBand = label("lblBand", 168, 56);
    lblSensor = label("lblSensor", 168, 24);
    Label6 = label("Label6", 104, 184, QStringLiteral("間引き率"));
    lblBegin = label("lblBegin", 168, 152);
    lblWeed = label("lblWeed", 168, 184);

    connect(OKBtn, &QPushButton::clicked, this, [this] {
        setResult(QDialog::Accepted);
        OKBtnClick();
    });
}

void TfrmInfo::OKBtnClick()
{
    hide();
}

void TMainForm::InfoItemClick()
{
    frmInfo->lblSensor->setCaption(DisplayText(SatelliteText + "/" + SensorText));
    frmInfo->lblBand->setCaption(DisplayText(BandName1 + "/" + BandName2));
    frmInfo->lblCaptureDate->setCaption(DisplayText(CaptureDate));
    frmInfo->lblPathRow->setCaption(DisplayText(PathRow));
    frmInfo->lblBegin->setCaption(DisplayText(CutPosB + ", " + CutPosA));
    frmInfo->lblWeed->setCaption(DisplayText(WeedText));
    frmInfo->exec();
}
