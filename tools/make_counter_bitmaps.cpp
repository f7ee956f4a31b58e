// Renders the counter-word pictures of the table of counter words
// (app/data/counters.tsv: 16 x 16, 30 x 16 for the two-character words,
// 44 x 16 for ページ) as black-on-white 16-colour bitmaps from the 16-pixel
// bitmap font Unifont-JP, which stays crisp at this size where outline fonts
// blur.
//
//   make_counter_bitmaps OUTPUT_DIR
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <vector>

#include "bmp4_writer.h"
#include "core/tani.h"

namespace {

// A counter's picture as the table of counter words (app/data/counters.tsv)
// gives it.
struct Counter {
  QString name;
  QString text;
  int width;
};

Counter counter(TTani t) {
  const auto qt = [](std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
  };
  return {qt(TaniResourceName(t)), qt(TaniDrawn(t)), TaniPictureWidth(t)};
}

// One character in a 16 x 16 cell, black on white, without antialiasing.
QImage renderCell(const QFont& font, const QString& ch) {
  QImage cell(16, 16, QImage::Format_RGB32);
  cell.fill(Qt::white);
  QPainter p(&cell);
  p.setFont(font);
  p.setPen(Qt::black);
  p.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, ch);
  return cell;
}

// Columns of the cell that hold ink.
std::pair<int, int> inkColumns(const QImage& cell) {
  int first = cell.width(), last = -1;
  for (int x = 0; x < cell.width(); ++x)
    for (int y = 0; y < cell.height(); ++y)
      if (qGray(cell.pixel(x, y)) < 128) {
        first = std::min(first, x);
        last = std::max(last, x);
      }
  return {first, last};
}

QImage render(const QFont& font, const Counter& c) {
  const QString& text = c.text;
  QImage out(c.width, 16, QImage::Format_RGB32);
  out.fill(Qt::white);
  QPainter p(&out);
  if (text.size() == 1) {
    p.drawImage((c.width - 16) / 2, 0, renderCell(font, text));
    return out;
  }
  // Several characters: each cropped to its ink, one pixel apart (touching
  // where that would not fit), centred.
  std::vector<std::pair<QImage, std::pair<int, int>>> cells;
  int ink = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    QImage cell = renderCell(font, text.mid(i, 1));
    const auto columns = inkColumns(cell);
    ink += columns.second - columns.first + 1;
    cells.emplace_back(std::move(cell), columns);
  }
  const int gaps = static_cast<int>(cells.size()) - 1;
  const int gap = ink + gaps <= c.width ? 1 : 0;
  const int total = ink + gap * gaps;
  int x = (c.width - total) / 2;
  for (const auto& [cell, columns] : cells) {
    p.drawImage(x, 0, cell, columns.first, 0, columns.second - columns.first + 1, 16);
    x += columns.second - columns.first + 1 + gap;
  }
  if (total > c.width)
    std::fprintf(stderr, "%s does not fit: %d pixels\n", qPrintable(c.name), total);
  return out;
}

}  // namespace

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_counter_bitmaps OUTPUT_DIR\n");
    return 2;
  }
  QFont font(QStringLiteral("Unifont-JP"));
  font.setPixelSize(16);
  font.setStyleStrategy(QFont::NoAntialias);
  if (QFontInfo(font).family() != QStringLiteral("Unifont-JP")) {
    std::fprintf(stderr, "the font Unifont-JP is missing (Debian package fonts-unifont)\n");
    return 1;
  }
  for (int i = 1; i < kTaniCount; ++i) {
    const Counter c = counter(static_cast<TTani>(i));
    const QImage image = render(font, c);
    QFile f(QString::fromLatin1(argv[1]) + QLatin1Char('/') + c.name + QStringLiteral(".bmp"));
    if (!f.open(QIODevice::WriteOnly) || f.write(EncodeBmp4(image)) < 0) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(f.fileName()));
      return 1;
    }
  }
  return 0;
}
