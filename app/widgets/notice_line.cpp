#include "widgets/notice_line.h"

#include <QTimer>
#include <algorithm>

namespace {

// Long enough to read a notice of a line twice.
constexpr int kTurnMs = 5000;
const QString kJoin = QStringLiteral("  ·  ");

}  // namespace

NoticeLine::NoticeLine(QWidget* parent) : QLabel(parent), turn_(new QTimer(this)) {
  setTextFormat(Qt::PlainText);
  setWordWrap(false);
  setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  // The pane's designed height holds one line, however long the notices.
  setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
  turn_->setInterval(kTurnMs);
  connect(turn_, &QTimer::timeout, this, &NoticeLine::nextTurn);
  setVisible(false);
}

void NoticeLine::setNotice(Source source, const QString& text, const QString& details) {
  Notice& n = notices_[index(source)];
  if (n.text == text && n.details == (text.isEmpty() ? QString() : details)) return;
  n = text.isEmpty() ? Notice{} : Notice{text, details};
  // A notice that is new or changed is shown first.
  shown_ = text.isEmpty() ? 0 : static_cast<int>(index(source));
  QStringList texts;
  QStringList more;
  QStringList tip;
  for (const Notice& each : notices_) {
    if (each.text.isEmpty()) continue;
    texts << each.text;
    if (!each.details.isEmpty()) more << each.details;
    tip << (each.details.isEmpty() ? each.text : each.text + QLatin1Char('\n') + each.details);
  }
  // Read out as sentences, one after the other.
  for (QString& t : texts)
    if (!t.endsWith(QLatin1Char('.'))) t += QLatin1Char('.');
  setAccessibleName(texts.join(QLatin1Char(' ')));
  setAccessibleDescription(more.join(QLatin1Char('\n')));
  setToolTip(tip.join(QStringLiteral("\n\n")));
  setVisible(!texts.isEmpty());
  fit();
}

QStringList NoticeLine::notices() const {
  QStringList all;
  for (const Notice& n : notices_)
    if (!n.text.isEmpty()) all << n.text;
  return all;
}

void NoticeLine::fit() {
  const QStringList all = notices();
  const int width = std::max(1, contentsRect().width());
  const QFontMetrics metrics = fontMetrics();
  const QString joined = all.join(kJoin);
  if (all.size() < 2 || metrics.horizontalAdvance(joined) <= width) {
    turn_->stop();
    QLabel::setText(metrics.elidedText(joined, Qt::ElideRight, width));
    return;
  }
  // Taking turns: shown_ counts among those set.
  shown_ = std::clamp(shown_, 0, static_cast<int>(all.size()) - 1);
  QLabel::setText(metrics.elidedText(all[shown_], Qt::ElideRight, width));
  if (!turn_->isActive() && !underMouse()) turn_->start();
}

void NoticeLine::nextTurn() {
  shown_ = (shown_ + 1) % std::max<int>(1, static_cast<int>(notices().size()));
  fit();
}

void NoticeLine::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  fit();
}

void NoticeLine::enterEvent(QEnterEvent* event) {
  QLabel::enterEvent(event);
  turn_->stop();  // the one being read stays
}

void NoticeLine::leaveEvent(QEvent* event) {
  QLabel::leaveEvent(event);
  fit();
}
