#pragma once

#include "toolkit/Canvas.h"
#include "unitMain/WorkingState.h"

#include <array>
#include <cstdint>

// Maps a raw band value with a band's display bounds to 0..255:
// s = trunc(256 / (upper - lower) * (value - lower)), clamped to 0..255.
std::int32_t StretchValue(std::int32_t value, std::int32_t lower, std::int32_t upper);

// StretchValue for all 256 values of one band. An entry whose computation
// fails keeps the failure, so that it is raised at the first pixel that
// needs it, as the pixel-by-pixel computation would.
class StretchTable
{
public:
    StretchTable(std::int32_t lower, std::int32_t upper);
    // The stretched value; raises the entry's failure.
    std::uint8_t operator[](BandValue value) const
    {
        const std::int16_t entry = entries_[value];
        if (entry < 0)
            raise(entry);
        return static_cast<std::uint8_t>(entry);
    }
    // Raises the value's failure, if it has one.
    void check(BandValue value) const
    {
        if (entries_[value] < 0)
            raise(entries_[value]);
    }
    // Some value's stretch fails.
    bool anyFailure() const;

private:
    [[noreturn]] static void raise(std::int16_t entry);
    std::array<std::int16_t, 256> entries_{};
};

// Draws the false-colour composite: pixel (x, y) = s1 * $010100 + s2, band 1
// in green and blue, band 2 in red. Pixels are set line by line; an error at
// a pixel leaves the pixels before it set and the rest as they were.
void DrawComposite(const BandRaster &band1, const BandRaster &band2, const StretchTable &stretch1, const StretchTable &stretch2, Canvas &canvas);
