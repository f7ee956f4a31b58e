// Draws the run-button images (face, up and down for Start, Stop and Pause),
// the application icon and the About picture.
//
//   make_app_images OUTPUT_DIR
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <cstdio>

namespace {

struct RunButton {
  const char* name;
  const char* word;
  QColor fill;
  int width;
};

// Drawn without antialiasing, so the white background stays one exact colour
// that the button can treat as transparent.
QImage drawButton(const RunButton& b, bool down) {
  QImage image(b.width, 64, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  QColor fill = down ? b.fill.darker(125) : b.fill;
  p.setPen(QPen(Qt::black, 2));
  p.setBrush(fill);
  p.drawEllipse(QRect(2, 2, b.width - 5, 59));
  QFont f(QStringLiteral("Liberation Sans"));
  f.setPixelSize(22);
  f.setBold(true);
  f.setStyleStrategy(QFont::NoAntialias);
  p.setFont(f);
  p.setPen(QColor(0, 0, 255));
  p.drawText(QRect(0, 0, b.width, 64), Qt::AlignCenter, QString::fromLatin1(b.word));
  return image;
}

QImage drawIcon() {
  // A green plate with the character 数 ("number") from the 16-pixel bitmap
  // font, doubled to 32 pixels; only colours of the 16-colour palette.
  QImage glyph(16, 16, QImage::Format_RGB32);
  glyph.fill(QColor(0, 128, 0));
  {
    QPainter p(&glyph);
    QFont f(QStringLiteral("Unifont-JP"));
    f.setPixelSize(16);
    f.setStyleStrategy(QFont::NoAntialias);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, QString::fromUtf8("数"));
  }
  QImage icon = glyph.scaled(32, 32, Qt::IgnoreAspectRatio, Qt::FastTransformation);
  QPainter p(&icon);
  p.setPen(Qt::black);
  p.drawRect(0, 0, 31, 31);
  return icon.convertToFormat(QImage::Format_ARGB32);
}

QImage drawAboutPicture() {
  QImage image(128, 160, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(0, 0, 0, 160);
  sky.setColorAt(0, QColor(70, 130, 200));
  sky.setColorAt(1, QColor(240, 200, 120));
  p.fillRect(image.rect(), sky);
  // A grid of plates, one of them picked.
  for (int row = 0; row < 3; ++row)
    for (int col = 0; col < 3; ++col) {
      const QRect r(14 + col * 34, 54 + row * 30, 30, 26);
      p.setPen(QPen(QColor(60, 60, 60), 1));
      p.setBrush(row == 1 && col == 2 ? QColor(250, 220, 60) : QColor(236, 233, 216));
      p.drawRoundedRect(r, 3, 3);
      QFont f(QStringLiteral("Liberation Sans"));
      f.setPixelSize(14);
      p.setFont(f);
      p.setPen(Qt::black);
      p.drawText(r, Qt::AlignCenter, QString::number(row * 3 + col + 1));
    }
  QFont title(QStringLiteral("Unifont-JP"));
  title.setPixelSize(32);
  p.setFont(title);
  p.setPen(Qt::white);
  p.drawText(QRect(0, 6, 128, 40), Qt::AlignCenter, QString::fromUtf8("数字"));
  QFont name(QStringLiteral("Liberation Sans"));
  name.setPixelSize(16);
  name.setBold(true);
  p.setFont(name);
  p.setPen(QColor(40, 40, 80));
  p.drawText(QRect(0, 146 - 12, 128, 24), Qt::AlignCenter, QStringLiteral("Ruzdo"));
  return image;
}

bool save(const QImage& image, const QString& path, const char* format, int quality = -1) {
  if (image.save(path, format, quality)) return true;
  std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
  return false;
}

}  // namespace

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_app_images OUTPUT_DIR\n");
    return 2;
  }
  const QString dir = QString::fromLatin1(argv[1]) + QLatin1Char('/');
  const RunButton buttons[] = {
      {"start", "Start", QColor(0, 200, 0), 96},
      {"stop", "Stop", QColor(230, 0, 0), 96},
      {"pause", "Pause", QColor(255, 230, 0), 160},
  };
  bool ok = true;
  for (const RunButton& b : buttons) {
    const QString base = dir + QString::fromLatin1(b.name);
    ok &= save(drawButton(b, false), base + QStringLiteral("_face.png"), "PNG");
    ok &= save(drawButton(b, false), base + QStringLiteral("_up.png"), "PNG");
    ok &= save(drawButton(b, true), base + QStringLiteral("_down.png"), "PNG");
  }
  ok &= save(drawIcon(), dir + QStringLiteral("ruzdo.png"), "PNG");
  ok &= save(drawAboutPicture(), dir + QStringLiteral("about.jpg"), "JPEG", 90);
  return ok ? 0 : 1;
}
