#pragma once

#include <QPoint>
#include <QString>

#include <array>

// The scene every benchmark works on: the Sentinel-2 sample, the most varied
// of the three, with six training areas of real land covers.
inline QString BenchSceneFolder()
{
    return QStringLiteral(SORVANE_SOURCE_DIR "/samples/virginia_s2_160112");
}

struct TrainingArea
{
    const char *landCover;
    QPoint first;
    QPoint second;
};

// Category k + 1 is trained from area k.
inline constexpr std::array<TrainingArea, 6> BenchAreas{{
    {"sea", {480, 200}, {510, 300}},
    {"salt marsh", {330, 250}, {380, 300}},
    {"woodland", {20, 120}, {45, 140}},
    {"green crop", {110, 60}, {140, 70}},
    {"bare soil", {200, 30}, {230, 50}},
    {"beach and surf", {440, 330}, {446, 360}},
}};
