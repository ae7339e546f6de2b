#pragma once

#include <QRgb>
#include <cstdint>

// Colours are kept in the $00BBGGRR form, red in the low byte.
using TColor = std::uint32_t;

namespace Colours {
constexpr TColor Black = 0x000000;
constexpr TColor Red = 0x0000FF;
constexpr TColor Lime = 0x00FF00;
constexpr TColor Yellow = 0x00FFFF;
constexpr TColor Blue = 0xFF0000;
constexpr TColor Fuchsia = 0xFF00FF;
constexpr TColor Aqua = 0xFFFF00;
constexpr TColor White = 0xFFFFFF;
constexpr TColor Grey = 0x808080;
}

constexpr QRgb ToQRgb(TColor colour)
{
    return 0xFF000000u | ((colour & 0xFFu) << 16) | (colour & 0xFF00u) | ((colour >> 16) & 0xFFu);
}

constexpr TColor FromQRgb(QRgb pixel)
{
    return ((pixel & 0xFFu) << 16) | (pixel & 0xFF00u) | ((pixel >> 16) & 0xFFu);
}

constexpr TColor GreyLevel(int level)
{
    return static_cast<TColor>(level) * 0x010101u;
}
