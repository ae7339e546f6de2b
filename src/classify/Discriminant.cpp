#include "Discriminant.h"

#include "toolkit/Extended.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <vector>

float CategoryDeterminant(const TCategory &category)
{
    return Fpu::Store(Extended{category.Var1} * category.Var2 - Extended{category.Cov} * category.Cov);
}

float Discriminant(int a, int b, TCategory category)
{
    const float det = CategoryDeterminant(category);
    const float dx = Fpu::Store(Extended(a) - category.Mean1);
    const float dy = Fpu::Store(Extended(b) - category.Mean2);
    const float i11 = Fpu::Store(Fpu::Divide(category.Var2, det));
    const float i12 = Fpu::Store(Fpu::Divide(-Extended{category.Cov}, det));
    const float i21 = Fpu::Store(Fpu::Divide(-Extended{category.Cov}, det));
    const float i22 = Fpu::Store(Fpu::Divide(category.Var1, det));
    const Extended quadratic = (dx * Extended{i11} + dy * Extended{i21}) * dx + (dx * Extended{i12} + dy * Extended{i22}) * dy;
    return Fpu::Store(Fpu::Ln(det) + quadratic);
}

int FirstDegenerateCategory(const CategoryTable &categories, const CategoryFlags &used)
{
    for (int k = 1; k <= 6; ++k)
        if (used[static_cast<std::size_t>(k)] && !(CategoryDeterminant(categories[static_cast<std::size_t>(k)]) > 0.0f))
            return k;
    return 0;
}

void ClearDecisionTable(DecisionTableType &table)
{
    for (auto &row : table)
        row.fill(0);
}

namespace {

// What the discriminant of one category computes before it looks at the pair.
struct Prepared
{
    int number = 0;
    Extended lnDet = 0;
    float i11 = 0, i12 = 0, i21 = 0, i22 = 0;
    std::array<float, 256> dx{};
    std::array<float, 256> dy{};
};

Prepared Prepare(int number, const TCategory &category)
{
    Prepared prepared;
    prepared.number = number;
    const float det = CategoryDeterminant(category);
    for (int value = 0; value < 256; ++value) {
        prepared.dx[static_cast<std::size_t>(value)] = Fpu::Store(Extended(value) - category.Mean1);
        prepared.dy[static_cast<std::size_t>(value)] = Fpu::Store(Extended(value) - category.Mean2);
    }
    prepared.i11 = Fpu::Store(Fpu::Divide(category.Var2, det));
    prepared.i12 = Fpu::Store(Fpu::Divide(-Extended{category.Cov}, det));
    prepared.i21 = Fpu::Store(Fpu::Divide(-Extended{category.Cov}, det));
    prepared.i22 = Fpu::Store(Fpu::Divide(category.Var1, det));
    prepared.lnDet = Fpu::Ln(det);
    return prepared;
}

float Evaluate(const Prepared &p, int a, int b)
{
    const Extended dx = p.dx[static_cast<std::size_t>(a)];
    const Extended dy = p.dy[static_cast<std::size_t>(b)];
    const Extended quadratic = (dx * p.i11 + dy * p.i21) * dx + (dx * p.i12 + dy * p.i22) * dy;
    return Fpu::Store(p.lnDet + quadratic);
}

}

namespace {

// A float evaluation of the same formula, to decide most pairs quickly.
// Each of its terms passes at most five float roundings, so against
// Evaluate, whose own 64-bit roundings add next to nothing, it errs by at
// most about 5 * 2^-24 of the sum of the absolute values of its terms. That
// sum is largest at the largest deviations; bound, 2^-19 of it there, is
// more than six times the error.
struct Quick
{
    float lnDet = 0;
    float bound = 0;
    std::array<float, 256> dx{}, dxI11{}, dxI12{};
    std::array<float, 256> dyI21{}, dyI22{}, dy{};
};

Quick MakeQuick(const Prepared &p)
{
    Quick q;
    q.lnDet = static_cast<float>(p.lnDet);
    double largestDx = 0;
    double largestDy = 0;
    for (std::size_t value = 0; value < 256; ++value) {
        q.dx[value] = p.dx[value];
        q.dxI11[value] = p.dx[value] * p.i11;
        q.dxI12[value] = p.dx[value] * p.i12;
        q.dy[value] = p.dy[value];
        q.dyI21[value] = p.dy[value] * p.i21;
        q.dyI22[value] = p.dy[value] * p.i22;
        largestDx = std::max(largestDx, std::fabs(double{p.dx[value]}));
        largestDy = std::max(largestDy, std::fabs(double{p.dy[value]}));
    }
    const double terms = std::fabs(static_cast<double>(p.lnDet)) + (largestDx * std::fabs(p.i11) + largestDy * std::fabs(p.i21)) * largestDx
        + (largestDx * std::fabs(p.i12) + largestDy * std::fabs(p.i22)) * largestDy;
    q.bound = static_cast<float>(std::min(std::ldexp(terms, -19), double{std::numeric_limits<float>::max()}));
    return q;
}

// Quick discriminants of the pairs (0, b) .. (255, b), each with the range
// in which Evaluate's result surely lies, widened on either side by more
// than the step between two floats there (the smallest float step also
// covers results that come out subnormal), so that results whose ranges do
// not meet also differ once rounded to float.
struct QuickLine
{
    std::array<float, 256> value{};
    std::array<float, 256> low{};
    std::array<float, 256> high{};
};

void EvaluateQuickly(const Quick &q, std::size_t b, QuickLine &line)
{
    const float dy = q.dy[b];
    const float dyI21 = q.dyI21[b];
    const float dyI22 = q.dyI22[b];
    for (std::size_t a = 0; a < 256; ++a) {
        const float d = q.lnDet + ((q.dxI11[a] + dyI21) * q.dx[a] + (q.dxI12[a] + dyI22) * dy);
        const float margin = q.bound + std::fabs(d) * 0x1p-21f + std::numeric_limits<float>::min();
        line.value[a] = d;
        line.low[a] = d - margin;
        line.high[a] = d + margin;
    }
}

// Four pairs side by side, in the lanes of one vector register.
using Floats = float __attribute__((vector_size(16)));
using Lanes = std::int32_t __attribute__((vector_size(16)));

Floats FourAt(const std::array<float, 256> &values, std::size_t a)
{
    Floats four;
    std::memcpy(&four, values.data() + a, sizeof four);
    return four;
}

// For the pairs (a, b) .. (a + 3, b): the index of the category that the
// quick values decide, or -1 where they leave the choice open. Where the
// range of the smallest quick value (the first of equal ones, as
// Evaluate's order takes it) meets no other range, Evaluate's floats
// differ in the same way. Ranges that reach beyond Huge leave it open too:
// there Evaluate may raise, and only Evaluate knows where.
Lanes ChooseQuickly(const std::vector<QuickLine> &lines, std::size_t a)
{
    constexpr float Huge = 1e37f;
    Floats bestValue = FourAt(lines[0].value, a);
    Floats bestHigh = FourAt(lines[0].high, a);
    Lanes best = {0, 0, 0, 0};
    for (std::size_t index = 1; index < lines.size(); ++index) {
        const Floats value = FourAt(lines[index].value, a);
        const Lanes smaller = value < bestValue;
        bestValue = smaller ? value : bestValue;
        bestHigh = smaller ? FourAt(lines[index].high, a) : bestHigh;
        best = smaller ? static_cast<std::int32_t>(index) : best;
    }
    Lanes clear = {-1, -1, -1, -1};
    for (std::size_t index = 0; index < lines.size(); ++index) {
        const Floats low = FourAt(lines[index].low, a);
        const Lanes apart = (best == static_cast<std::int32_t>(index)) | (low > bestHigh);
        clear &= apart & (low >= -Huge) & (FourAt(lines[index].high, a) <= Huge);
    }
    return clear ? best : -1;
}

// Evaluate for every used category in turn, pair (a, b): the best so far
// goes into entry after each, and only a strictly smaller discriminant
// replaces it, so that of equal ones the lower-numbered category stays.
void DecideExactly(const std::vector<Prepared> &prepared, std::size_t a, std::size_t b, std::uint8_t &entry)
{
    float minimum = 0;
    for (std::size_t index = 0; index < prepared.size(); ++index) {
        const float d = Evaluate(prepared[index], static_cast<int>(a), static_cast<int>(b));
        if (index == 0 || d < minimum) {
            minimum = d;
            entry = static_cast<std::uint8_t>(prepared[index].number);
        }
    }
}

}

void ComputeDecisionTable(const CategoryTable &categories, const CategoryFlags &used, DecisionTableType &table)
{
    std::vector<Prepared> prepared;
    for (int k = 1; k <= 6; ++k) {
        if (!used[static_cast<std::size_t>(k)])
            continue;
        try {
            prepared.push_back(Prepare(k, categories[static_cast<std::size_t>(k)]));
        } catch (const RuntimeError &) {
            // Pair by pair, this category fails at (0, 0), after the ones
            // before it have given that entry their best.
            float minimum = 0;
            for (std::size_t index = 0; index < prepared.size(); ++index) {
                const float d = Evaluate(prepared[index], 0, 0);
                if (index == 0 || d < minimum) {
                    minimum = d;
                    table[0][0] = static_cast<std::uint8_t>(prepared[index].number);
                }
            }
            throw;
        }
    }
    if (prepared.empty())
        return;

    std::vector<Quick> quick;
    for (const Prepared &p : prepared)
        quick.push_back(MakeQuick(p));

    // A pair whose quickly found best category lies clear of all others is
    // decided; any other pair, and every pair with a result near the end of
    // the float range (where Evaluate may raise), goes through Evaluate.
    // The table is the same either way. The decisions are gathered line by
    // line, byLine[b][a], and put into the table, [a][b], at the end; an
    // error puts in those made before it and the one it interrupted.
    std::vector<QuickLine> lines(prepared.size());
    auto byLine = std::make_unique<DecisionTableType>();
    const auto putInto = [&](std::size_t lastB, std::size_t lastA) {
        for (std::size_t b = 0; b <= lastB; ++b)
            for (std::size_t a = 0; a <= (b == lastB ? lastA : 255); ++a)
                table[a][b] = (*byLine)[b][a];
    };
    for (std::size_t b = 0; b < 256; ++b) {
        for (std::size_t index = 0; index < prepared.size(); ++index)
            EvaluateQuickly(quick[index], b, lines[index]);
        auto &line = (*byLine)[b];
        for (std::size_t a = 0; a < 256; a += 4) {
            const Lanes choice = ChooseQuickly(lines, a);
            for (std::size_t lane = 0; lane < 4; ++lane) {
                if (choice[lane] >= 0) {
                    line[a + lane] = static_cast<std::uint8_t>(prepared[static_cast<std::size_t>(choice[lane])].number);
                    continue;
                }
                line[a + lane] = table[a + lane][b];
                try {
                    DecideExactly(prepared, a + lane, b, line[a + lane]);
                } catch (const RuntimeError &) {
                    putInto(b, a + lane);
                    throw;
                }
            }
        }
    }
    putInto(255, 255);
}
