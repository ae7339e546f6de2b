#include "CategoryStats.h"

#include "toolkit/Extended.h"

#include <algorithm>

void ComputeCategoryStats(const BandRaster &band1, const BandRaster &band2, QPoint first, QPoint second, TCategory &category)
{
    const std::int64_t n = (std::int64_t{second.x()} - first.x() + 1) * (std::int64_t{second.y()} - first.y() + 1);
    const auto pixelCount = static_cast<Extended>(n);

    // Only pixels of the scene are read, whatever the corners.
    const int left = std::max(first.x(), 0);
    const int right = std::min(second.x(), SceneWidth - 1);
    const int top = std::max(first.y(), 0);
    const int bottom = std::min(second.y(), SceneHeight - 1);

    category.Mean1 = 0;
    category.Mean2 = 0;
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x) {
            const auto i = static_cast<std::size_t>(x + 1);
            const auto j = static_cast<std::size_t>(y + 1);
            category.Mean1 = Fpu::Store(Extended{category.Mean1} + band1[i][j]);
            category.Mean2 = Fpu::Store(Extended{category.Mean2} + band2[i][j]);
        }
    category.Mean1 = Fpu::Store(Fpu::Divide(category.Mean1, pixelCount));
    category.Mean2 = Fpu::Store(Fpu::Divide(category.Mean2, pixelCount));

    category.Var1 = 0;
    category.Var2 = 0;
    category.Cov = 0;
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x) {
            const auto i = static_cast<std::size_t>(x + 1);
            const auto j = static_cast<std::size_t>(y + 1);
            const Extended d1 = static_cast<Extended>(band1[i][j]) - category.Mean1;
            const Extended d2 = static_cast<Extended>(band2[i][j]) - category.Mean2;
            category.Var1 = Fpu::Store(category.Var1 + d1 * d1);
            category.Var2 = Fpu::Store(category.Var2 + d2 * d2);
            category.Cov = Fpu::Store(category.Cov + d1 * d2);
        }
    category.Var1 = Fpu::Store(Fpu::Divide(category.Var1, pixelCount));
    category.Var2 = Fpu::Store(Fpu::Divide(category.Var2, pixelCount));
    category.Cov = Fpu::Store(Fpu::Divide(category.Cov, pixelCount));
}
