#include "plate_layout.h"

#include <algorithm>

namespace ruzdo {

int CellWidth(const PlateGridShape& s) { return s.cols > 0 ? s.width / s.cols : 0; }

int RowsNeeded(const PlateGridShape& s) {
  return s.cols > 0 ? (s.maxRuzdo + s.indention - s.minRuzdo) / s.cols + 1 : 0;
}

int CellHeight(const PlateGridShape& s) {
  if (s.rows != 0) return s.height / s.rows;
  const int needed = RowsNeeded(s);
  return needed > 0 ? s.height / needed : 0;
}

int ContentHeight(const PlateGridShape& s) { return RowsNeeded(s) * CellHeight(s); }

int ScrollRange(const PlateGridShape& s) { return std::max(0, ContentHeight(s) - s.height); }

PlateRect PlateRectAt(const PlateGridShape& s, int i, int scrolled) {
  const int w = CellWidth(s);
  const int h = CellHeight(s);
  const int cell = i + s.indention;
  const int cols = s.cols > 0 ? s.cols : 1;
  return {(cell % cols) * w, (cell / cols) * h - scrolled, w, h};
}

}  // namespace ruzdo
