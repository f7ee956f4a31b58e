#include "widgets/elided_label.h"

#include <QTextLayout>
#include <algorithm>

ElidedLabel::ElidedLabel(QWidget* parent) : QLabel(parent), base_(font()) {
  setTextFormat(Qt::PlainText);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  // The height comes from the layout, never from the text shown.
  setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
}

void ElidedLabel::setFullText(const QString& text) {
  full_ = text;
  fit();
}

void ElidedLabel::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  fit();
}

QStringList ElidedLabel::wrap(const QFont& font, bool* whole) const {
  const QFontMetrics metrics(font);
  const int width = std::max(1, contentsRect().width());
  const int lines = std::max(1, contentsRect().height() / metrics.lineSpacing());
  QTextLayout layout(full_, font);
  // Readings have no spaces: a line may break between any two kana.
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  layout.setTextOption(option);
  QStringList shown;
  *whole = true;
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(width);
    if (static_cast<int>(shown.size()) == lines - 1) {
      const QString rest = full_.mid(line.textStart());
      shown << metrics.elidedText(rest, Qt::ElideRight, width);
      *whole = shown.last() == rest;
      break;
    }
    shown << full_.mid(line.textStart(), line.textLength()).trimmed();
  }
  layout.endLayout();
  return shown;
}

void ElidedLabel::fit() {
  // In the label's own size when the text fits, else a size smaller at a
  // time (points or pixels, as the font is given), and only then shortened.
  QFont f = base_;
  QStringList shown;
  for (int smaller = 0;; ++smaller) {
    if (base_.pointSize() > 0)
      f.setPointSize(base_.pointSize() - smaller);
    else
      f.setPixelSize(base_.pixelSize() - smaller);
    bool whole = false;
    shown = wrap(f, &whole);
    if (whole || smaller == kShrinkSteps) break;
  }
  if (f != font()) setFont(f);
  QLabel::setText(shown.join(QLatin1Char('\n')));
}
