#pragma once

namespace ruzdo {

// The arithmetic of the plate grid: cells of equal size, filled row by row from
// the column `indention` of row 0. All divisions drop the remainder.
struct PlateGridShape {
  int width = 0;
  int height = 0;
  int cols = 2;  // >= 1
  int rows = 0;  // 0 = as many as the plates need
  int minRuzdo = 0;
  int maxRuzdo = 9;
  int indention = 0;  // empty cells before the first plate
};

struct PlateRect {
  int left, top, width, height;
};

int CellWidth(const PlateGridShape& s);
int CellHeight(const PlateGridShape& s);

// Rows the plates and the leading empty cells fill.
int RowsNeeded(const PlateGridShape& s);
// How far the plates reach down: beyond the grid's height when fewer rows
// are asked for than the plates fill, and the grid then scrolls by the rest.
int ContentHeight(const PlateGridShape& s);
int ScrollRange(const PlateGridShape& s);

// Rectangle of plate i (0 = the plate of minRuzdo), with the grid scrolled
// `scrolled` pixels down.
PlateRect PlateRectAt(const PlateGridShape& s, int i, int scrolled = 0);

}  // namespace ruzdo
