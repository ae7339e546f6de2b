#pragma once

#include "unitMain/WorkingState.h"

#include <QPoint>

// Gives category the means, variances and covariance (divisor N) of the
// training area from first to second, both corners included. The running
// sums are the record's float fields, rounded at every store; everything
// between stores is long double. N comes from the corners as given, so a
// reversed rectangle visits no pixel and divides by its (possibly zero) N.
void ComputeCategoryStats(const BandRaster &band1, const BandRaster &band2, QPoint first, QPoint second, TCategory &category);
