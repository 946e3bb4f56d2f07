// Page sections built from the painter's pieces; each returns the row below itself.
#pragma once

#include "shop_painter.h"

namespace velquist::suggest_set {

int sectionTitle(ShopPainter& s, int y, int width, bool withRule);
int cardGrid(ShopPainter& s, int y, int width, int columns, int rows, CardStyle style);
int couponStrip(ShopPainter& s, int y, int width, int count);
int blockRow(ShopPainter& s, int y, int width, int count);
int navigationBar(ShopPainter& s, int y, int width, bool tabs);
int standaloneButton(ShopPainter& s, int y, int width);
int headerBand(ShopPainter& s, int y, int width, int height);

}  // namespace velquist::suggest_set
