#pragma once

#include <optional>
#include <vector>

namespace ruzdo {

struct ScreenRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

// Where a stored window goes on today's screens.
struct WindowPlacement {
  int width = 0;
  int height = 0;
  std::optional<ScreenRect> position;  // none: leave it where it would open (only x, y used)
};

// The least of a window's top strip (where its title bar is grabbed) that
// must lie on a screen for its stored position to be kept, in pixels.
inline constexpr int kUsableStripWidth = 100;
inline constexpr int kUsableStripHeight = 20;

// Fits a stored window rectangle to the screens' available areas (the first
// is the primary screen): the size is clamped to the area of the screen it
// lies most on (or the primary one); the position is kept only when, at that
// size, a usable part of its top strip lies on some screen.
WindowPlacement PlaceStoredWindow(const ScreenRect& stored, const std::vector<ScreenRect>& screens);

}  // namespace ruzdo
