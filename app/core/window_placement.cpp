#include "core/window_placement.h"

#include <algorithm>

namespace ruzdo {
namespace {

ScreenRect intersection(const ScreenRect& a, const ScreenRect& b) {
  const int left = std::max(a.x, b.x);
  const int top = std::max(a.y, b.y);
  const int right = std::min(a.x + a.width, b.x + b.width);
  const int bottom = std::min(a.y + a.height, b.y + b.height);
  if (right <= left || bottom <= top) return {};
  return {left, top, right - left, bottom - top};
}

long long area(const ScreenRect& r) { return static_cast<long long>(r.width) * r.height; }

}  // namespace

WindowPlacement PlaceStoredWindow(const ScreenRect& stored,
                                  const std::vector<ScreenRect>& screens) {
  WindowPlacement p{stored.width, stored.height, std::nullopt};
  if (screens.empty()) return p;
  const ScreenRect* home = &screens.front();
  for (const ScreenRect& s : screens)
    if (area(intersection(stored, s)) > area(intersection(stored, *home))) home = &s;
  p.width = std::clamp(stored.width, 1, std::max(1, home->width));
  p.height = std::clamp(stored.height, 1, std::max(1, home->height));
  const ScreenRect strip{stored.x, stored.y, p.width, kUsableStripHeight};
  for (const ScreenRect& s : screens) {
    const ScreenRect seen = intersection(strip, s);
    if (seen.width >= std::min(kUsableStripWidth, p.width) && seen.height >= kUsableStripHeight) {
      p.position = ScreenRect{stored.x, stored.y, p.width, p.height};
      break;
    }
  }
  return p;
}

}  // namespace ruzdo
