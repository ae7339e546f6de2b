#include "TAboutBox.h"

#include "toolkit/Label.h"
#include "toolkit/Picture.h"
#include "unitMain/TMainForm.h"

#include <QFrame>
#include <QPushButton>

TAboutBox::TAboutBox(QWidget *owner) : Dialog(owner, QStringLiteral("AboutBox"), QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"), QSize(294, 214))
{
    setFont(JapaneseFont(12, true));
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    setPalette(palette);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setGeometry(8, 8, 277, 158);

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(118, 184, 64, 24);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    ProgramIcon = new Picture(Panel1, QStringLiteral("ProgramIcon"), QRect(24, 16, 33, 33));
    ProgramIcon->setBitmap(CatFaceIcon());
    ProductName = new Label(Panel1, QStringLiteral("ProductName"), QPoint(86, 16), QStringLiteral("Sorvane - Quellin"));
    Version = new Label(Panel1, QStringLiteral("Version"), QPoint(86, 39), QStringLiteral("Version 1.0"));
    AuthorNotice = new Label(Panel1, QStringLiteral("AuthorNotice"), QPoint(40, 70),
                             QStringLiteral("Sorvane 開発チーム（Quellin 教育研究所）"));
    Comment = new Label(Panel1, QStringLiteral("Comment"), QPoint(16, 96));
    Comment->setWordWrap(true);
    Comment->setText(QStringLiteral("公的なリモートセンシングデータセンターのMS-DOSフロッピーディスクにあるBSQ形式の衛星画像データを利用できます。"));
    Comment->setGeometry(16, 96, 241, 48);
    Comment->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void TAboutBox::showEvent(QShowEvent *event)
{
    Dialog::showEvent(event);
    OKButton->setFocus(Qt::OtherFocusReason);
}

void TMainForm::About1Click()
{
    AboutBox->exec();
}
