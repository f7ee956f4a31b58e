#include "counter_image.h"

#include <QString>
#include <array>

namespace {
std::array<QImage*, kTaniCount> cache{};
int loadCount = 0;

bool valid(TTani t) { return t != tanNone && static_cast<int>(t) < kTaniCount; }
}  // namespace

QImage* CounterImage(TTani t) {
  if (!valid(t)) return nullptr;
  if (!cache[t]) {
    const std::string_view name = TaniResourceName(t);
    auto* image = new QImage(QStringLiteral(":/counters/") +
                             QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    ++loadCount;
    if (image->isNull()) {
      delete image;
      return nullptr;
    }
    cache[t] = image;
  }
  return cache[t];
}

void ReleaseCounterImage(TTani t) {
  if (!valid(t)) return;
  delete cache[t];
  cache[t] = nullptr;
}

int CounterImageLoadCount() { return loadCount; }
