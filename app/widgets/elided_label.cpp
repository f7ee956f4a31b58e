#include "widgets/elided_label.h"

#include <QTextLayout>
#include <algorithm>

ElidedLabel::ElidedLabel(QWidget* parent) : QLabel(parent) {
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

QStringList ElidedLabel::wrap() const {
  const QFontMetrics metrics = fontMetrics();
  const int width = std::max(1, contentsRect().width());
  const int lines = std::max(1, contentsRect().height() / metrics.lineSpacing());
  QTextLayout layout(full_, font());
  // Readings have no spaces: a line may break between any two kana.
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  layout.setTextOption(option);
  QStringList shown;
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(width);
    if (static_cast<int>(shown.size()) == lines - 1) {
      const QString rest = full_.mid(line.textStart());
      shown << metrics.elidedText(rest, Qt::ElideRight, width);
      break;
    }
    shown << full_.mid(line.textStart(), line.textLength()).trimmed();
  }
  layout.endLayout();
  return shown;
}

void ElidedLabel::fit() { QLabel::setText(wrap().join(QLatin1Char('\n'))); }
