#include "core/beside_placement.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace ruzdo {
namespace {

long long overlap(const ScreenRect& a, const ScreenRect& b) {
  const long long w = std::min(a.x + a.width, b.x + b.width) - std::max(a.x, b.x);
  const long long h = std::min(a.y + a.height, b.y + b.height) - std::max(a.y, b.y);
  return w > 0 && h > 0 ? w * h : 0;
}

// The nearest value to v that keeps a length of size within [low, high).
int within(int v, int size, int low, int high) {
  return std::clamp(v, low, std::max(low, high - size));
}

}  // namespace

ScreenRect PlaceBesideOwner(const ScreenRect& screen, const ScreenRect& owner, int width,
                            int height, const std::vector<KeptInView>& keep) {
  const int right = screen.x + screen.width;
  const int bottom = screen.y + screen.height;
  const int y = within(owner.y, height, screen.y, bottom);
  const int x = within(owner.x, width, screen.x, right);
  if (owner.x + owner.width + width <= right) return {owner.x + owner.width, y, width, height};
  if (owner.x - width >= screen.x) return {owner.x - width, y, width, height};
  if (owner.y + owner.height + height <= bottom) return {x, owner.y + owner.height, width, height};
  if (owner.y - height >= screen.y) return {x, owner.y - height, width, height};

  // No room: the edges of the screen, the owner and each kept part are where
  // the least covering places lie.
  std::vector<int> xs = {screen.x, right - width, owner.x + owner.width - width};
  std::vector<int> ys = {screen.y, bottom - height, owner.y};
  for (const KeptInView& k : keep) {
    xs.insert(xs.end(), {k.rect.x - width, k.rect.x + k.rect.width});
    ys.insert(ys.end(), {k.rect.y - height, k.rect.y + k.rect.height});
  }
  const ScreenRect preferred{within(owner.x + owner.width, width, screen.x, right), y, width,
                             height};
  ScreenRect best = preferred;
  double bestCost = std::numeric_limits<double>::max();
  long long bestDistance = 0;
  for (int cx : xs)
    for (int cy : ys) {
      const ScreenRect r{within(cx, width, screen.x, right), within(cy, height, screen.y, bottom),
                         width, height};
      double cost = 0;
      for (const KeptInView& k : keep) {
        const long long area = static_cast<long long>(k.rect.width) * k.rect.height;
        if (area > 0) cost += k.weight * static_cast<double>(overlap(r, k.rect)) / area;
      }
      const long long distance =
          std::llabs(r.x - preferred.x) + std::llabs(static_cast<long long>(r.y) - preferred.y);
      if (cost < bestCost - 1e-9 || (cost < bestCost + 1e-9 && distance < bestDistance)) {
        best = r;
        bestCost = cost;
        bestDistance = distance;
      }
    }
  return best;
}

}  // namespace ruzdo
