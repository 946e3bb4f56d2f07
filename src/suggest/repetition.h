// Groups of boxes of one size standing in one row or one column: cards, coupons, cells.
#pragma once

#include <vector>

#include "core/geometry.h"

namespace velquist::suggest_detail {

// For each box, the number of its group, or -1 when no other box of its size lines up with it.
std::vector<int> repeatedGroups(const std::vector<Rect>& boxes);

// Boxes that follow one another down the page with small gaps and overlapping columns, united:
// the picture, title, price and button of a card drawn without a border.
// Only stacks of two parts or more are given.
std::vector<Rect> stackParts(const std::vector<Rect>& parts, int gap);

// The cells of a navigation bar: bare words on one line, evenly spaced, in a band between two
// full-width lines (`bands`, the rows of those lines).
std::vector<Rect> navigationCells(const std::vector<Rect>& words, const std::vector<int>& bands);

}  // namespace velquist::suggest_detail
