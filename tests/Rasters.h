#pragma once

#include "unitMain/WorkingState.h"

#include <memory>

// Rasters live on the heap in the tests: each is 205,713 bytes.
using Band = std::unique_ptr<BandRaster>;

// A zero raster whose scene pixel (x, y), cell [x + 1][y + 1], is value(x, y).
template <typename Value>
Band MakeBand(Value value)
{
    auto band = std::make_unique<BandRaster>();
    for (int x = 0; x < SceneWidth; ++x)
        for (int y = 0; y < SceneHeight; ++y)
            (*band)[static_cast<std::size_t>(x + 1)][static_cast<std::size_t>(y + 1)] = static_cast<BandValue>(value(x, y));
    return band;
}
