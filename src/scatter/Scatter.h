#pragma once

#include "toolkit/Canvas.h"
#include "unitMain/WorkingState.h"

#include <QPoint>

// Counts the value pairs of the scene pixels from first (upper left) to
// second (lower right), both included, into counts. A second corner left of
// or above the first gives an empty rectangle. Only pixels inside the scene
// are ever read.
void CountScatter(const BandRaster &band1, const BandRaster &band2, const QPoint &first, const QPoint &second, ScatterCounts &counts);

// The grey level of a count on the log scale of the plot:
// 0 for no pixel, 255 for the maximum, else trunc(ln count / ln maximum * 256).
std::int32_t ScatterGreyLevel(std::int32_t count, std::int32_t maximum);

// Paints every cell of the 512 x 512 plot (pair (a, b) at columns 2a..2a+1,
// rows 510 - 2b..511 - 2b) and then the dotted grey grid.
void PlotScatter(const ScatterCounts &counts, Canvas &canvas);

// The grid of the plot: dotted grey lines at x = 100 .. 500 and y = 411 .. 11.
void DrawScatterGrid(Canvas &canvas);

// Fills the 2 x 2 block of value pair (a, b) with the brush colour.
void FillScatterCell(Canvas &canvas, int a, int b);
