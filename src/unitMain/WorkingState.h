#pragma once

#include "toolkit/Colour.h"

#include <QByteArray>
#include <QPoint>
#include <QString>

#include <array>
#include <cstdint>

class TMainForm;

// Shared data types of the working state.
using BandValue = std::uint8_t;

// A band raster [0..512][0..400], stored column by column: cell [i][j] at
// position i * 401 + j. Scene pixel (x, y) is cell [x + 1][y + 1]; column 0
// and line 0 are never written or read.
using BandRaster = std::array<std::array<BandValue, 401>, 513>;

constexpr int SceneWidth = 512;
constexpr int SceneHeight = 400;
constexpr int HeaderSize = 512;
constexpr int BandFileSize = HeaderSize + SceneWidth * SceneHeight;

using HeaderBuffer = std::array<std::uint8_t, HeaderSize>;

// [band-1 value][band-2 value], band-2 value varying fastest.
using ScatterCounts = std::array<std::array<std::int32_t, 256>, 256>;
using DecisionTableType = std::array<std::array<std::uint8_t, 256>, 256>;

struct TCategory
{
    std::int32_t Number = 0;
    QByteArray Name;
    float Mean1 = 0;
    float Mean2 = 0;
    float Var1 = 0;
    float Var2 = 0;
    float Cov = 0;
    TColor Color = 0;
};

using CategoryTable = std::array<TCategory, 7>;
using CategoryFlags = std::array<bool, 7>; // index 1..6 used

// The globals of the main unit, in their declared order. They exist once,
// from start to end, and start as zero.
inline TMainForm *MainForm = nullptr;
inline QString FileName;
inline HeaderBuffer Header{};
inline QByteArray CaptureDate;
inline QByteArray PathRow;
inline QByteArray CutPosB;
inline QByteArray CutPosA;
inline QByteArray WeedText;
inline QByteArray SatelliteText;
inline QByteArray SensorText;
inline QByteArray BandName1;
inline QByteArray BandName2;
inline std::int32_t LowerBound = 0;
inline std::int32_t UpperBound = 0;
inline BandRaster Band1{};
inline BandRaster Band2{};
inline ScatterCounts ScatterCount{};
inline QPoint StartPt;
inline QPoint EndPt;
inline std::int32_t PrevX = 0;
inline std::int32_t PrevY = 0;
inline std::int32_t CurX = 0;
inline std::int32_t CurY = 0;
inline bool Dragging = false;
inline CategoryTable Categories{};
inline DecisionTableType DecisionTable{};
inline std::int32_t CurrentCategory = 0;
inline CategoryFlags CategoryUsed{};
inline bool ScatterMode = false;
inline bool TrainingMode = false;

// Puts every variable back to its start value (used by the tests, which run
// several sessions of the program in one process).
void ResetWorkingState();
