#pragma once

#include "unitMain/WorkingState.h"

// ln(det S) + (x - m)' S^-1 (x - m) for the pair x = (a, b), with the
// determinant, the deviations and the inverse's elements stored as float and
// the rest in long double.
float Discriminant(int a, int b, TCategory category);

// det = Var1 * Var2 - Cov * Cov as the discriminant stores it.
float CategoryDeterminant(const TCategory &category);

// The first used category (1..6) whose determinant is not positive, or 0.
int FirstDegenerateCategory(const CategoryTable &categories, const CategoryFlags &used);

// Fills table for b = 0..255 (outer), a = 0..255 (inner) with the used
// category of smallest discriminant, ties to the lower number; 0 where no
// category is used. The table must have been cleared. Bit-identical to
// calling Discriminant pair by pair; an error leaves the entries before it.
void ComputeDecisionTable(const CategoryTable &categories, const CategoryFlags &used, DecisionTableType &table);

void ClearDecisionTable(DecisionTableType &table);
