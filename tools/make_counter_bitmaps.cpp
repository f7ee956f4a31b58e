// Renders the counter-word pictures (16 x 16, 30 x 16 for the two-character
// words, 44 x 16 for ページ) as black-on-white 16-colour bitmaps from the 16-pixel bitmap font
// Unifont-JP, which stays crisp at this size where outline fonts blur.
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

namespace {

struct Counter {
  const char* name;
  const char* text;
  int width;
};

constexpr Counter kCounters[] = {
    {"NEN", "年", 16},       {"GATU", "月", 16},      {"NITI", "日", 16},
    {"ZI", "時", 16},        {"FUN", "分", 16},       {"BYOU", "秒", 16},
    {"EN", "円", 16},        {"KAI", "回", 16},       {"GAI", "階", 16},
    {"KYUU", "級", 16},      {"GYOU", "行", 16},      {"KYOKU", "曲", 16},
    {"KIRO", "キロ", 30},    {"KEN", "件", 16},       {"KO", "個", 16},
    {"NIN", "人", 16},       {"SAI", "才", 16},       {"ZIKAN", "時間", 30},
    {"DAI", "台", 16},       {"TYOUME", "丁目", 30},  {"TUKI", "か月", 30},
    {"BAN", "番", 16},       {"HON", "本", 16},       {"HIKI", "匹", 16},
    {"PAASENTO", "％", 16},  // the full-width sign fills the cell
    {"TU", "つ", 16},        {"MAI", "枚", 16},       {"SATU", "冊", 16},
    {"HAI", "杯", 16},       {"TYAKU", "着", 16},     {"SOKU", "足", 16},
    {"WA", "羽", 16},        {"TOU", "頭", 16},       {"DO", "度", 16},
    {"GOU", "号", 16},       {"HAKU", "泊", 16},      {"SYUUKAN", "週間", 30},
    {"NITIKAN", "日間", 30}, {"PEEZI", "ページ", 44}, {"BANSEN", "番線", 30},
    {"GOUSYA", "号車", 30},  {"MEI", "名", 16},       {"TEN", "点", 16},
};

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
  const QString text = QString::fromUtf8(c.text);
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
  if (total > c.width) std::fprintf(stderr, "%s does not fit: %d pixels\n", c.name, total);
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
  for (const Counter& c : kCounters) {
    const QImage image = render(font, c);
    QFile f(QString::fromLatin1(argv[1]) + QLatin1Char('/') + QString::fromLatin1(c.name) +
            QStringLiteral(".bmp"));
    if (!f.open(QIODevice::WriteOnly) || f.write(EncodeBmp4(image)) < 0) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(f.fileName()));
      return 1;
    }
  }
  return 0;
}
