#include "WorkingState.h"

void ResetWorkingState()
{
    FileName.clear();
    Header.fill(0);
    for (QByteArray *text : {&CaptureDate, &PathRow, &CutPosB, &CutPosA, &WeedText, &SatelliteText, &SensorText, &BandName1, &BandName2})
        text->clear();
    LowerBound = UpperBound = 0;
    for (auto &column : Band1)
        column.fill(0);
    for (auto &column : Band2)
        column.fill(0);
    for (auto &row : ScatterCount)
        row.fill(0);
    StartPt = EndPt = QPoint();
    PrevX = PrevY = CurX = CurY = 0;
    Dragging = false;
    Categories = CategoryTable{};
    for (auto &row : DecisionTable)
        row.fill(0);
    CurrentCategory = 0;
    CategoryUsed.fill(false);
    ScatterMode = TrainingMode = false;
}
