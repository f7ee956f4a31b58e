#pragma once

#include <vector>

#include "core/window_placement.h"

namespace ruzdo {

// A part of the main window that a window opened beside it should leave in
// view, and how much covering all of it counts.
struct KeptInView {
  ScreenRect rect;
  double weight = 1;
};

// Where a window of width x height (its frame) opens beside its owner (the
// main window's frame) on a screen's available area: right of the owner,
// else left, below, above, the first where the screen has room, aligned with
// the owner's top or left edge as far as the screen allows. Where none has
// room, the place on the screen that covers the least of keep (each part
// counted by the share of it covered, times its weight), the one nearest the
// owner's right edge among equals.
ScreenRect PlaceBesideOwner(const ScreenRect& screen, const ScreenRect& owner, int width,
                            int height, const std::vector<KeptInView>& keep);

}  // namespace ruzdo
