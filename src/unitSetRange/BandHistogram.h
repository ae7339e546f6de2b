#pragma once

#include "toolkit/Canvas.h"
#include "unitMain/WorkingState.h"

#include <array>
#include <cstdint>

using HistogramCounts = std::array<std::int32_t, 256>;

// How many scene pixels of the raster hold each value; the counts add up to
// 204,800.
HistogramCounts BandHistogram(const BandRaster &raster);

// Draws the histogram on a 256 x 200 canvas: a dotted blue grid at x = 50,
// 100, .. 250, then one red bar per value, h = trunc(count / maximum * 200)
// drawn from (v, 200) to (v, 200 - h), so h - 1 pixels show.
void DrawBandHistogram(Canvas &canvas, const HistogramCounts &counts);
