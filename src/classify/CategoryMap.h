#pragma once

#include "toolkit/Canvas.h"
#include "unitMain/WorkingState.h"

// Paints the 2 x 2 block of every value pair with a category in that
// category's colour, then the scatter grid again over the blocks.
void PaintDecisionBlocks(const DecisionTableType &table, const CategoryTable &categories, Canvas &canvas);

// Paints every scene pixel in the colour of its pair's category, black where
// the table holds 0.
void PaintCategoryMap(const BandRaster &band1, const BandRaster &band2, const DecisionTableType &table, const CategoryTable &categories, Canvas &canvas);
