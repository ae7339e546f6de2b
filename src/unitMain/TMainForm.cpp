#include "TMainForm.h"

#include "toolkit/Dialog.h"
#include "toolkit/EditBox.h"
#include "toolkit/Handler.h"
#include "toolkit/Label.h"
#include "toolkit/Menu.h"
#include "toolkit/Picture.h"
#include "toolkit/Shape.h"
#include "unitMain/SampleFolder.h"
#include "unitMain/WorkingState.h"

#include <QAction>
#include <QFrame>
#include <QGroupBox>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>

namespace {

Label *ScatterLabel(QWidget *parent, const char *name, const QPoint &at, const QString &caption, bool rightAligned = false)
{
    auto *label = new Label(parent, QString::fromLatin1(name), at, caption, rightAligned);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, Qt::black);
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    label->setAutoFillBackground(true);
    label->hide();
    return label;
}

}

TMainForm::TMainForm(QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      OpenDialog(this, QStringLiteral("OpenDialog"), FileDialog::Kind::Open),
      SaveDialog(this, QStringLiteral("SaveDialog"), FileDialog::Kind::Save)
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Sorvane - Quellin"));
    setFont(JapaneseFont(13, false));
    createComponents();
    createCategoryPanel();
    createMenu();
    connectHandlers();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    ApplyScreenState(ScreenRow::Start, AllGroups & ~RepaintGroup);
}

void TMainForm::createComponents()
{
    ClientArea = new QWidget(this);
    ClientArea->setObjectName(QStringLiteral("ClientArea"));
    ClientArea->setFixedSize(721, 561);
    setCentralWidget(ClientArea);

    Bevel1 = new QFrame(ClientArea);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Bevel1->setGeometry(8, 528, 705, 25);

    imgWholeScatter = new Picture(ClientArea, QStringLiteral("imgWholeScatter"), QRect(8, 8, 512, 512));
    imgPartScatter = new Picture(ClientArea, QStringLiteral("imgPartScatter"), QRect(8, 8, 512, 512));
    imgSetCategory = new Picture(ClientArea, QStringLiteral("imgSetCategory"), QRect(8, 8, 512, 512));
    imgMapOverlay = new Picture(ClientArea, QStringLiteral("imgMapOverlay"), QRect(8, 8, 512, 400));
    imgMapOverlay->setMouseTracking(true);
    lblMessage = new Label(ClientArea, QStringLiteral("lblMessage"), QPoint(12, 532));
    imgColorImage = new Picture(ClientArea, QStringLiteral("imgColorImage"), QRect(8, 8, 512, 400));
    lblScatter3 = ScatterLabel(ClientArea, "lblScatter3", QPoint(192, 496), QStringLiteral("100"));
    lblScatter4 = ScatterLabel(ClientArea, "lblScatter4", QPoint(392, 496), QStringLiteral("200"));
    lblScatter5 = ScatterLabel(ClientArea, "lblScatter5", QPoint(8, 312), QStringLiteral("100"));
    lblScatter6 = ScatterLabel(ClientArea, "lblScatter6", QPoint(8, 112), QStringLiteral("200"));
    lblScatter1 = ScatterLabel(ClientArea, "lblScatter1", QPoint(507, 496), QString(), true);
    lblScatter2 = ScatterLabel(ClientArea, "lblScatter2", QPoint(8, 8), QString());
    imgCategoryMap = new Picture(ClientArea, QStringLiteral("imgCategoryMap"), QRect(8, 8, 512, 400));
    imgSavePic = new Picture(ClientArea, QStringLiteral("imgSavePic"), QRect(528, 288, 65, 57));
    imgSavePic->hide();
    imgSavePic->setEnabled(false);
    imgSetCategory->setEnabled(false);
}

void TMainForm::createCategoryPanel()
{
    grpCategory = new QGroupBox(QStringLiteral("ｶﾃｺﾞﾘｰ"), ClientArea);
    grpCategory->setObjectName(QStringLiteral("grpCategory"));
    grpCategory->setGeometry(528, 8, 185, 265);

    const struct
    {
        Shape *TMainForm::*shape;
        EditBox *TMainForm::*edit;
        const char *shapeName;
        const char *editName;
        TColor colour;
        int top;
    } rows[] = {
        {&TMainForm::shpBlue, &TMainForm::Edit1, "shpBlue", "Edit1", Colours::Blue, 24},
        {&TMainForm::shpCyan, &TMainForm::Edit2, "shpCyan", "Edit2", Colours::Aqua, 64},
        {&TMainForm::shpGreen, &TMainForm::Edit3, "shpGreen", "Edit3", Colours::Lime, 104},
        {&TMainForm::shpYellow, &TMainForm::Edit4, "shpYellow", "Edit4", Colours::Yellow, 144},
        {&TMainForm::shpRed, &TMainForm::Edit5, "shpRed", "Edit5", Colours::Red, 184},
        {&TMainForm::shpMagenta, &TMainForm::Edit6, "shpMagenta", "Edit6", Colours::Fuchsia, 224},
    };
    QWidget *previous = nullptr;
    for (const auto &row : rows) {
        this->*row.shape = new Shape(grpCategory, QString::fromLatin1(row.shapeName), QRect(16, row.top, 33, 25), row.colour);
        this->*row.edit = new EditBox(grpCategory, QString::fromLatin1(row.editName), QRect(64, row.top, 105, 26));
        if (previous)
            QWidget::setTabOrder(previous, this->*row.edit);
        previous = this->*row.edit;
    }
}

void TMainForm::createMenu()
{
    MainMenu = new QMenuBar(this);
    MainMenu->setObjectName(QStringLiteral("MainMenu"));
    setMenuBar(MainMenu);

    const auto item = [this](QMenu *menu, const char *name, const QString &caption) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        action->setParent(menu);
        return action;
    };
    const auto menu = [this](const char *name, const QString &caption) {
        QMenu *submenu = MainMenu->addMenu(caption);
        submenu->setObjectName(QString::fromLatin1(name));
        return submenu;
    };

    FileMenu = menu("FileMenu", QStringLiteral("ﾌｧｲﾙ(&F)"));
    OpenItem = item(FileMenu, "OpenItem", QStringLiteral("開く(&O)..."));
    OpenItem->setStatusTip(QStringLiteral("ﾌｧｲﾙを開く"));
    SavePictureItem = item(FileMenu, "SavePictureItem", QStringLiteral("ﾋﾟｸﾁｬｰ保存(&P)..."));
    N1 = FileMenu->addSeparator();
    N1->setObjectName(QStringLiteral("N1"));
    ExitItem = item(FileMenu, "ExitItem", QStringLiteral("終了(&X)"));
    ExitItem->setStatusTip(QStringLiteral("ｱﾌﾟﾘｹｰｼｮﾝの終了"));
    ExitItem->setShortcut(QKeySequence(Qt::ALT | Qt::Key_X));
    ExitItem->setShortcutContext(Qt::WindowShortcut);
    addAction(ExitItem);

    ViewMenu = menu("ViewMenu", QStringLiteral("表示(&V)"));
    ImageItem = item(ViewMenu, "ImageItem", QStringLiteral("衛星画像(&I)"));
    WholeScatterItem = item(ViewMenu, "WholeScatterItem", QStringLiteral("２次元ﾋｽﾄｸﾞﾗﾑ（全体）(&W)"));
    PartScatterItem = item(ViewMenu, "PartScatterItem", QStringLiteral("２次元ﾋｽﾄｸﾞﾗﾑ（部分）(&P)"));
    CategoryItem = item(ViewMenu, "CategoryItem", QStringLiteral("判別ﾏｯﾌﾟ(&D)"));
    CategoryMapItem = item(ViewMenu, "CategoryMapItem", QStringLiteral("ｶﾃｺﾞﾘｰﾏｯﾌﾟ(&C)"));
    for (QAction *view : {ImageItem, WholeScatterItem, PartScatterItem, CategoryItem, CategoryMapItem})
        view->setCheckable(true);

    OperationMenu = menu("OperationMenu", QStringLiteral("操作(&O)"));
    MakeScatterItem = item(OperationMenu, "MakeScatterItem", QStringLiteral("矩形領域の２次元ﾋｽﾄｸﾞﾗﾑ(&H)"));
    TrainingAreaItem = item(OperationMenu, "TrainingAreaItem", QStringLiteral("ﾄﾚｰﾆﾝｸﾞｴﾘｱ設定(&T)"));
    DiscriminantItem = item(OperationMenu, "DiscriminantItem", QStringLiteral("判別ﾏｯﾌﾟ計算(&D)"));
    PaintCategoryMapItem = item(OperationMenu, "PaintCategoryMapItem", QStringLiteral("ｶﾃｺﾞﾘｰﾏｯﾌﾟ描画(&C)"));

    HelpMenu = menu("HelpMenu", QStringLiteral("ﾍﾙﾌﾟ(&H)"));
    About1 = item(HelpMenu, "About1", QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報(&A)..."));
    InfoItem = item(HelpMenu, "InfoItem", QStringLiteral("ｼｰﾝ情報(&S)..."));

    for (QMenu *each : {FileMenu, ViewMenu, OperationMenu, HelpMenu})
        Menus::SetMenuEnabled(each, true);
}

void TMainForm::connectHandlers()
{
    const auto onClick = [this](QAction *action, void (TMainForm::*handler)()) {
        connect(action, &QAction::triggered, this, Guarded(this, handler));
    };
    onClick(OpenItem, &TMainForm::OpenItemClick);
    onClick(SavePictureItem, &TMainForm::SavePictureItemClick);
    onClick(ExitItem, &TMainForm::ExitItemClick);
    onClick(ImageItem, &TMainForm::ImageItemClick);
    onClick(WholeScatterItem, &TMainForm::WholeScatterItemClick);
    onClick(PartScatterItem, &TMainForm::PartScatterItemClick);
    onClick(CategoryItem, &TMainForm::CategoryItemClick);
    onClick(CategoryMapItem, &TMainForm::CategoryMapItemClick);
    onClick(MakeScatterItem, &TMainForm::MakeScatterItemClick);
    onClick(TrainingAreaItem, &TMainForm::TrainingAreaItemClick);
    onClick(DiscriminantItem, &TMainForm::DiscriminantItemClick);
    onClick(PaintCategoryMapItem, &TMainForm::PaintCategoryMapItemClick);
    onClick(About1, &TMainForm::About1Click);
    onClick(InfoItem, &TMainForm::InfoItemClick);

    connect(imgMapOverlay, &Picture::mouseDown, this, Guarded(this, &TMainForm::imgMapOverlayMouseDown));
    connect(imgMapOverlay, &Picture::mouseMove, this, Guarded(this, &TMainForm::imgMapOverlayMouseMove));
    connect(imgMapOverlay, &Picture::mouseUp, this, Guarded(this, &TMainForm::imgMapOverlayMouseUp));

    connect(shpBlue, &Shape::mouseUp, this, Guarded(this, &TMainForm::shpBlueMouseUp));
    connect(shpCyan, &Shape::mouseUp, this, Guarded(this, &TMainForm::shpCyanMouseUp));
    connect(shpGreen, &Shape::mouseUp, this, Guarded(this, &TMainForm::shpGreenMouseUp));
    connect(shpYellow, &Shape::mouseUp, this, Guarded(this, &TMainForm::shpYellowMouseUp));
    connect(shpRed, &Shape::mouseUp, this, Guarded(this, &TMainForm::shpRedMouseUp));
    connect(shpMagenta, &Shape::mouseUp, this, Guarded(this, &TMainForm::shpMagentaMouseUp));

    OpenDialog.setFilter(QStringLiteral("すべてのﾌｧｲﾙ (*.*)|*.*"));
    OpenDialog.setInitialDir(SampleFolder());
    SaveDialog.setFilter(QStringLiteral("すべてのﾌｧｲﾙ (*.*)|*.*"));
    SaveDialog.setDefaultExt(QStringLiteral("bmp"));
}

void TMainForm::ExitItemClick()
{
    close();
}

void TMainForm::setFlag(Flag flag, bool on)
{
    switch (flag) {
    case Flag::ColorImage: imgColorImage->setVisible(on); break;
    case Flag::MapOverlay: imgMapOverlay->setVisible(on); break;
    case Flag::WholeScatter: imgWholeScatter->setVisible(on); break;
    case Flag::PartScatter: imgPartScatter->setVisible(on); break;
    case Flag::SetCategory: imgSetCategory->setVisible(on); break;
    case Flag::CategoryMap: imgCategoryMap->setVisible(on); break;
    case Flag::OverlayEnabled: imgMapOverlay->setEnabled(on); break;
    case Flag::PanelEnabled: grpCategory->setEnabled(on); break;
    case Flag::AxisLabels: break; // through ShowScatterLabels
    case Flag::FileMenu: Menus::SetMenuEnabled(FileMenu, on); break;
    case Flag::ViewMenu: Menus::SetMenuEnabled(ViewMenu, on); break;
    case Flag::OperationMenu: Menus::SetMenuEnabled(OperationMenu, on); break;
    case Flag::HelpMenu: Menus::SetMenuEnabled(HelpMenu, on); break;
    case Flag::SavePictureItem: Menus::SetItemEnabled(SavePictureItem, on); break;
    case Flag::PartScatterItem: Menus::SetItemEnabled(PartScatterItem, on); break;
    case Flag::CategoryItem: Menus::SetItemEnabled(CategoryItem, on); break;
    case Flag::CategoryMapItem: Menus::SetItemEnabled(CategoryMapItem, on); break;
    case Flag::MakeScatterItem: Menus::SetItemEnabled(MakeScatterItem, on); break;
    case Flag::TrainingAreaItem: Menus::SetItemEnabled(TrainingAreaItem, on); break;
    case Flag::DiscriminantItem: Menus::SetItemEnabled(DiscriminantItem, on); break;
    case Flag::PaintCategoryMapItem: Menus::SetItemEnabled(PaintCategoryMapItem, on); break;
    case Flag::ImageChecked: ImageItem->setChecked(on); break;
    case Flag::WholeScatterChecked: WholeScatterItem->setChecked(on); break;
    case Flag::PartScatterChecked: PartScatterItem->setChecked(on); break;
    case Flag::CategoryChecked: CategoryItem->setChecked(on); break;
    case Flag::CategoryMapChecked: CategoryMapItem->setChecked(on); break;
    case Flag::Count: break;
    }
}
