#include "unitMain/TMainForm.h"

#include "scene/BandFile.h"
#include "scene/Stretch.h"
#include "toolkit/Dialogs.h"
#include "toolkit/EditBox.h"
#include "toolkit/Label.h"
#include "toolkit/Menu.h"
#include "toolkit/Picture.h"
#include "toolkit/ScreenCursor.h"
#include "unitMain/WorkingState.h"
#include "unitSetRange/TfrmSetRange.h"

namespace {
constexpr TColor CategoryColours[7] = {Colours::Black, Colours::Blue, Colours::Aqua, Colours::Lime, Colours::Yellow, Colours::Red, Colours::Fuchsia};

void TakeBand1Texts()
{
    CutPosA = HeaderText(Header, 0, 4);
    CutPosB = HeaderText(Header, 16, 4);
    WeedText = HeaderText(Header, 24, 4);
    BandName1 = HeaderText(Header, 40, 4);
    CaptureDate = HeaderText(Header, 88, 7);
    PathRow = HeaderText(Header, 113, 9);
    SatelliteText = HeaderText(Header, 180, 8);
    SensorText = HeaderText(Header, 208, 8);
}
}

void TMainForm::OpenItemClick()
{
    ApplyScreenState(ScreenRow::OpenStart);
    for (std::size_t k = 1; k <= 6; ++k) {
        Categories[k].Number = static_cast<std::int32_t>(k);
        Categories[k].Color = CategoryColours[k];
    }
    Dragging = false;
    ShowScatterLabels(false);

    ShowMessage(QStringLiteral("第１のバンド（シアンのプレーン）を読み込んでください。"));
    if (!OpenDialog.execute())
        return;
    ScreenCursor::SetWait();
    FileName = OpenDialog.fileName();
    ReadBandFile(FileName, Header, Band1);
    TakeBand1Texts();
    const auto [lower1, upper1] = AskDisplayRange(Band1);

    ShowMessage(QStringLiteral("第２のバンド（赤のプレーン）を読み込んでください。"));
    if (OpenDialog.execute()) {
        ScreenCursor::SetWait();
        FileName = OpenDialog.fileName();
        ReadBandFile(FileName, Header, Band2);
        BandName2 = HeaderText(Header, 40, 4);
        const auto [lower2, upper2] = AskDisplayRange(Band2);
        ScreenCursor::SetWait();
        DrawComposite(Band1, Band2, StretchTable(lower1, upper1), StretchTable(lower2, upper2), imgColorImage->canvas());
    }

    lblMessage->setCaption(QStringLiteral("衛星画像"));
    StartPt = QPoint(0, 0);
    EndPt = QPoint(511, 399);
    PaintScatter(StartPt, EndPt, imgWholeScatter);
    for (EditBox *edit : {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6})
        edit->clear();
    Menus::SetMenuEnabled(OperationMenu, true);
    imgMapOverlay->assign(*imgColorImage);
    ScreenCursor::SetDefault();
}
