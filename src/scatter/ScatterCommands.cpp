#include "unitMain/TMainForm.h"

#include "scatter/Scatter.h"
#include "classify/CategoryStats.h"
#include "toolkit/Label.h"
#include "toolkit/Picture.h"
#include "toolkit/ScreenCursor.h"
#include "unitMain/WorkingState.h"

#include <algorithm>

namespace {

// The pointer is captured during a drag, so a release can come from outside
// the picture, and a drag may go up or to the left. The rectangle handed on
// is the one under the outline: corners put in order and kept in the scene.
void OrderCorners(QPoint &first, QPoint &second)
{
    const auto clampX = [](int x) { return std::clamp(x, 0, SceneWidth - 1); };
    const auto clampY = [](int y) { return std::clamp(y, 0, SceneHeight - 1); };
    const QPoint upperLeft(clampX(std::min(first.x(), second.x())), clampY(std::min(first.y(), second.y())));
    const QPoint lowerRight(clampX(std::max(first.x(), second.x())), clampY(std::max(first.y(), second.y())));
    first = upperLeft;
    second = lowerRight;
}

// One pass of the rubber band from corner s to corner p: both polylines
// start at s, so s is inverted twice, and the far corner not at all.
void Outline(Canvas &canvas, const QPoint &s, const QPoint &p)
{
    canvas.moveTo(s.x(), s.y());
    canvas.lineTo(p.x(), s.y());
    canvas.lineTo(p.x(), p.y());
    canvas.moveTo(s.x(), s.y());
    canvas.lineTo(s.x(), p.y());
    canvas.lineTo(p.x(), p.y());
}

}

void TMainForm::PaintScatter(const QPoint &first, const QPoint &second, Picture *target)
{
    CountScatter(Band1, Band2, first, second, ScatterCount);
    PlotScatter(ScatterCount, target->canvas());
}

void TMainForm::ShowScatterLabels(bool show)
{
    const std::array<Label *, 6> labels{lblScatter1, lblScatter2, lblScatter3, lblScatter4, lblScatter5, lblScatter6};
    for (Label *label : labels)
        label->setVisible(show);
    if (show)
        for (Label *label : labels)
            label->raise();
}

void TMainForm::MakeScatterItemClick()
{
    ApplyScreenState(ScreenRow::MakeScatter, PictureGroup);
    imgMapOverlay->assign(*imgColorImage);
    ApplyScreenState(ScreenRow::MakeScatter, RaisingGroup);
    ApplyScreenState(ScreenRow::MakeScatter, EnablingGroup | MenuGroup);
    ScatterMode = true;
    TrainingMode = false;
    lblMessage->setCaption(QStringLiteral("矩形領域を左上から右下へマウスでドラッグしてください。"));
    Dragging = false;
}

void TMainForm::imgMapOverlayMouseDown(int X, int Y)
{
    StartPt = QPoint(X, Y);
    PrevX = X;
    PrevY = Y;
    Dragging = true;
}

void TMainForm::imgMapOverlayMouseMove(int X, int Y)
{
    if (Dragging) {
        CurX = X;
        CurY = Y;
        Canvas &canvas = imgMapOverlay->canvas();
        canvas.setPenMode(PenMode::Invert);
        canvas.setPenStyle(PenStyle::Solid);
        Outline(canvas, StartPt, QPoint(PrevX, PrevY));
        Outline(canvas, StartPt, QPoint(CurX, CurY));
    }
    PrevX = X;
    PrevY = Y;
}

void TMainForm::imgMapOverlayMouseUp(int X, int Y)
{
    ScreenCursor::SetWait();
    if (ScatterMode) {
        lblMessage->setCaption(QString());
        EndPt = QPoint(X, Y);
        Dragging = false;
        OrderCorners(StartPt, EndPt);
        PaintScatter(StartPt, EndPt, imgPartScatter);
        ApplyScreenState(ScreenRow::OverlayUpScatter, PictureGroup);
        ApplyScreenState(ScreenRow::OverlayUpScatter, LabelGroup);
        ApplyScreenState(ScreenRow::OverlayUpScatter, MenuGroup);
    }
    if (TrainingMode) {
        lblMessage->setCaption(QString());
        EndPt = QPoint(X, Y);
        Dragging = false;
        OrderCorners(StartPt, EndPt);
        ComputeCategoryStats(Band1, Band2, StartPt, EndPt, Categories[static_cast<std::size_t>(std::clamp(CurrentCategory, 0, 6))]);
        ApplyScreenState(ScreenRow::OverlayUpTraining, MenuGroup);
        lblMessage->setCaption(QStringLiteral("設定したいカテゴリーの色をクリック。終わったら［操作｜判別ﾏｯﾌﾟ計算］を選んでください。"));
    }
    ScreenCursor::SetDefault();
}
