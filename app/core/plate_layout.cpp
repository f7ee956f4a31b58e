#include "plate_layout.h"

namespace ruzdo {

int CellWidth(const PlateGridShape& s) { return s.cols > 0 ? s.width / s.cols : 0; }

int CellHeight(const PlateGridShape& s) {
  if (s.rows != 0) return s.height / s.rows;
  if (s.cols <= 0) return 0;
  // Rows the plates and the leading empty cells need.
  const int needed = (s.maxRuzdo + s.indention - s.minRuzdo) / s.cols + 1;
  return needed > 0 ? s.height / needed : 0;
}

PlateRect PlateRectAt(const PlateGridShape& s, int i) {
  const int w = CellWidth(s);
  const int h = CellHeight(s);
  const int cell = i + s.indention;
  const int cols = s.cols > 0 ? s.cols : 1;
  return {(cell % cols) * w, (cell / cols) * h, w, h};
}

}  // namespace ruzdo
