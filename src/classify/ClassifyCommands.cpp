#include "unitMain/TMainForm.h"

#include "classify/CategoryMap.h"
#include "classify/Discriminant.h"
#include "toolkit/EditBox.h"
#include "toolkit/Label.h"
#include "toolkit/Picture.h"
#include "toolkit/RuntimeError.h"
#include "toolkit/ScreenCursor.h"
#include "unitMain/WorkingState.h"

namespace {

struct CategoryText
{
    const char *colourWord;
    const char *message;
};

const CategoryText CategoryTexts[7] = {
    {"", ""},
    {"青色", "青色のカテゴリーの領域を左上から右下にドラッグしてください。"},
    {"空色", "空色のカテゴリーの領域を左上から右下にドラッグしてください。"},
    {"緑色", "緑色のカテゴリーの領域を左上から右下にドラッグしてください。"},
    {"黄色", "黄色のカテゴリーの領域を左上から右下にドラッグしてください。"},
    {"赤色", "赤色のカテゴリーの領域を左上から右下にドラッグしてください。"},
    {"紫色", "紫色のカテゴリーの領域を左上から右下にドラッグしてください。"},
};

}

void TMainForm::TrainingAreaItemClick()
{
    ApplyScreenState(ScreenRow::TrainingArea, PictureGroup);
    imgMapOverlay->assign(*imgColorImage);
    ApplyScreenState(ScreenRow::TrainingArea, RaisingGroup | MenuGroup);
    ScatterMode = false;
    TrainingMode = true;
    CategoryUsed.fill(false);
    for (EditBox *edit : {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6})
        edit->clear();
    ApplyScreenState(ScreenRow::TrainingArea, EnablingGroup);
    lblMessage->setCaption(QStringLiteral("設定したいカテゴリーの色をクリックしてください。"));
}

void TMainForm::selectCategory(int number)
{
    CurrentCategory = number;
    CategoryUsed[static_cast<std::size_t>(number)] = true;
    lblMessage->setCaption(QString::fromUtf8(CategoryTexts[number].message));
    ApplyScreenState(ScreenRow::Swatch, EnablingGroup);
}

void TMainForm::shpBlueMouseUp() { selectCategory(1); }
void TMainForm::shpCyanMouseUp() { selectCategory(2); }
void TMainForm::shpGreenMouseUp() { selectCategory(3); }
void TMainForm::shpYellowMouseUp() { selectCategory(4); }
void TMainForm::shpRedMouseUp() { selectCategory(5); }
void TMainForm::shpMagentaMouseUp() { selectCategory(6); }

void TMainForm::DiscriminantItemClick()
{
    ScreenCursor::SetWait();
    ApplyScreenState(ScreenRow::DiscriminantStart, PictureGroup | EnablingGroup);
    lblMessage->setCaption(QString());
    imgSetCategory->assign(*imgWholeScatter);
    ApplyScreenState(ScreenRow::DiscriminantStart, RaisingGroup);
    ClearDecisionTable(DecisionTable);
    // A category whose covariance matrix has no positive determinant cannot
    // be told apart; say which one, so the student can train it again.
    if (const int degenerate = FirstDegenerateCategory(Categories, CategoryUsed))
        throw RuntimeError(QStringLiteral("%1のカテゴリーは分散共分散行列の行列式が０以下のため判別できません。トレーニングエリアを設定し直してください。")
                               .arg(QString::fromUtf8(CategoryTexts[degenerate].colourWord)));
    ComputeDecisionTable(Categories, CategoryUsed, DecisionTable);
    PaintDecisionMap();
    ApplyScreenState(ScreenRow::DiscriminantEnd, MenuGroup);
    lblMessage->setCaption(QStringLiteral("［操作｜ｶﾃｺﾞﾘｰﾏｯﾌﾟ描画］で描画します。"));
    ScreenCursor::SetDefault();
}

void TMainForm::PaintDecisionMap()
{
    imgSetCategory->assign(*imgWholeScatter);
    PaintDecisionBlocks(DecisionTable, Categories, imgSetCategory->canvas());
    ApplyScreenState(ScreenRow::DiscriminantEnd, LabelGroup);
}

void TMainForm::PaintCategoryMapItemClick()
{
    ScreenCursor::SetWait();
    PaintCategoryMap(Band1, Band2, DecisionTable, Categories, imgCategoryMap->canvas());
    ScreenCursor::SetDefault();
    ApplyScreenState(ScreenRow::PaintCategoryMap, AllGroups & ~RepaintGroup);
    lblMessage->setCaption(QStringLiteral("カテゴリーマップ"));
    ApplyScreenState(ScreenRow::PaintCategoryMap, RepaintGroup);
}
