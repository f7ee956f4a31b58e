#include "bmp4_writer.h"

#include <QtEndian>
#include <array>

namespace {

// The 16 colours of the classic VGA palette.
constexpr std::array<QRgb, 16> kPalette = {
    0xFF000000, 0xFF800000, 0xFF008000, 0xFF808000, 0xFF000080, 0xFF800080, 0xFF008080, 0xFFC0C0C0,
    0xFF808080, 0xFFFF0000, 0xFF00FF00, 0xFFFFFF00, 0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF, 0xFFFFFFFF};

int nearest(QRgb c) {
  int best = 0;
  long bestDistance = -1;
  for (int i = 0; i < 16; ++i) {
    const long dr = qRed(c) - qRed(kPalette[i]);
    const long dg = qGreen(c) - qGreen(kPalette[i]);
    const long db = qBlue(c) - qBlue(kPalette[i]);
    const long d = dr * dr + dg * dg + db * db;
    if (bestDistance < 0 || d < bestDistance) {
      bestDistance = d;
      best = i;
    }
  }
  return best;
}

void put16(QByteArray& b, quint16 v) {
  b.append(static_cast<char>(v & 0xFF));
  b.append(static_cast<char>(v >> 8));
}
void put32(QByteArray& b, quint32 v) {
  put16(b, static_cast<quint16>(v & 0xFFFF));
  put16(b, static_cast<quint16>(v >> 16));
}

}  // namespace

QByteArray EncodeBmp4(const QImage& source) {
  const QImage image = source.convertToFormat(QImage::Format_RGB32);
  const int w = image.width();
  const int h = image.height();
  const int rowBytes = ((w * 4 + 31) / 32) * 4;
  const quint32 paletteBytes = 16 * 4;
  const quint32 offset = 14 + 40 + paletteBytes;
  const quint32 dataBytes = static_cast<quint32>(rowBytes * h);

  QByteArray b;
  b.append("BM");
  put32(b, offset + dataBytes);
  put32(b, 0);
  put32(b, offset);
  put32(b, 40);
  put32(b, static_cast<quint32>(w));
  put32(b, static_cast<quint32>(h));
  put16(b, 1);
  put16(b, 4);
  put32(b, 0);  // no compression
  put32(b, dataBytes);
  put32(b, 2835);
  put32(b, 2835);
  put32(b, 16);
  put32(b, 16);
  for (QRgb c : kPalette) {
    b.append(static_cast<char>(qBlue(c)));
    b.append(static_cast<char>(qGreen(c)));
    b.append(static_cast<char>(qRed(c)));
    b.append('\0');
  }
  for (int y = h - 1; y >= 0; --y) {  // rows bottom-up
    QByteArray row(rowBytes, '\0');
    for (int x = 0; x < w; ++x) {
      const int index = nearest(image.pixel(x, y));
      char& byte = row[x / 2];
      byte =
          static_cast<char>(x % 2 == 0 ? (index << 4) : (static_cast<unsigned char>(byte) | index));
    }
    b.append(row);
  }
  return b;
}
