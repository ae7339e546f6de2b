#include "TMainForm.h"

#include "toolkit/Label.h"
#include "toolkit/Menu.h"
#include "toolkit/Picture.h"
#include "toolkit/TextDisplay.h"
#include "unitMain/WorkingState.h"

#include <QAction>
#include <QGroupBox>
#include <QMenu>

void TMainForm::ApplyScreenState(ScreenRow which, unsigned groups)
{
    const ScreenStateRow &row = ScreenStateOf(which);
    const auto apply = [&](Flag first, Flag last) {
        for (auto index = static_cast<std::size_t>(first); index <= static_cast<std::size_t>(last); ++index)
            if (row.flags[index] != Tri::Keep)
                setFlag(static_cast<Flag>(index), row.flags[index] == Tri::On);
    };
    if (groups & PictureGroup)
        apply(Flag::ColorImage, Flag::CategoryMap);
    if (groups & EnablingGroup)
        apply(Flag::OverlayEnabled, Flag::PanelEnabled);
    if (groups & RaisingGroup) {
        if (row.raise == Raise::Overlay)
            imgMapOverlay->raise();
        else if (row.raise == Raise::DecisionMap)
            imgSetCategory->raise();
    }
    if (groups & MenuGroup)
        apply(Flag::FileMenu, Flag::CategoryMapChecked);
    if ((groups & LabelGroup) && row[Flag::AxisLabels] != Tri::Keep) {
        const bool show = row[Flag::AxisLabels] == Tri::On;
        if (show) {
            lblScatter1->setCaption(DisplayText(BandName1));
            lblScatter2->setCaption(DisplayText(BandName2));
        }
        ShowScatterLabels(show);
    }
    if ((groups & RepaintGroup) && row.repaint)
        repaint();
}

bool TMainForm::SceneFlag(Flag flag) const
{
    switch (flag) {
    case Flag::ColorImage: return !imgColorImage->isHidden();
    case Flag::MapOverlay: return !imgMapOverlay->isHidden();
    case Flag::WholeScatter: return !imgWholeScatter->isHidden();
    case Flag::PartScatter: return !imgPartScatter->isHidden();
    case Flag::SetCategory: return !imgSetCategory->isHidden();
    case Flag::CategoryMap: return !imgCategoryMap->isHidden();
    case Flag::OverlayEnabled: return imgMapOverlay->isEnabled();
    case Flag::PanelEnabled: return grpCategory->isEnabled();
    case Flag::AxisLabels: return !lblScatter1->isHidden();
    case Flag::FileMenu: return Menus::MenuEnabled(FileMenu);
    case Flag::ViewMenu: return Menus::MenuEnabled(ViewMenu);
    case Flag::OperationMenu: return Menus::MenuEnabled(OperationMenu);
    case Flag::HelpMenu: return Menus::MenuEnabled(HelpMenu);
    case Flag::SavePictureItem: return Menus::ItemEnabled(SavePictureItem);
    case Flag::PartScatterItem: return Menus::ItemEnabled(PartScatterItem);
    case Flag::CategoryItem: return Menus::ItemEnabled(CategoryItem);
    case Flag::CategoryMapItem: return Menus::ItemEnabled(CategoryMapItem);
    case Flag::MakeScatterItem: return Menus::ItemEnabled(MakeScatterItem);
    case Flag::TrainingAreaItem: return Menus::ItemEnabled(TrainingAreaItem);
    case Flag::DiscriminantItem: return Menus::ItemEnabled(DiscriminantItem);
    case Flag::PaintCategoryMapItem: return Menus::ItemEnabled(PaintCategoryMapItem);
    case Flag::ImageChecked: return ImageItem->isChecked();
    case Flag::WholeScatterChecked: return WholeScatterItem->isChecked();
    case Flag::PartScatterChecked: return PartScatterItem->isChecked();
    case Flag::CategoryChecked: return CategoryItem->isChecked();
    case Flag::CategoryMapChecked: return CategoryMapItem->isChecked();
    case Flag::Count: break;
    }
    return false;
}

void TMainForm::showView(ScreenRow row, const QString &status)
{
    ApplyScreenState(row, AllGroups & ~RepaintGroup);
    lblMessage->setCaption(status);
    ApplyScreenState(row, RepaintGroup);
}

void TMainForm::ImageItemClick()
{
    showView(ScreenRow::Image, QStringLiteral("衛星画像"));
}

void TMainForm::WholeScatterItemClick()
{
    showView(ScreenRow::WholeScatter, QStringLiteral("２次元ヒストグラム（全体）"));
}

void TMainForm::PartScatterItemClick()
{
    showView(ScreenRow::PartScatter, QStringLiteral("２次元ヒストグラム（部分）"));
}

void TMainForm::CategoryItemClick()
{
    showView(ScreenRow::Category, QStringLiteral("判別マップ"));
}

void TMainForm::CategoryMapItemClick()
{
    showView(ScreenRow::CategoryMap, QStringLiteral("カテゴリーマップ"));
}
