#include "Discriminant.h"

#include "toolkit/Extended.h"

#include <array>
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

    for (int b = 0; b < 256; ++b)
        for (int a = 0; a < 256; ++a) {
            std::uint8_t &entry = table[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)];
            float minimum = 0;
            for (std::size_t index = 0; index < prepared.size(); ++index) {
                const float d = Evaluate(prepared[index], a, b);
                if (index == 0 || d < minimum) {
                    minimum = d;
                    entry = static_cast<std::uint8_t>(prepared[index].number);
                }
            }
        }
}
