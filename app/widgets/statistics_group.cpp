#include "widgets/statistics_group.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "widgets/designed_controls.h"
#include "widgets/elided_label.h"

StatisticsGroup::StatisticsGroup(QWidget* parent) : QGroupBox(tr("Статистика"), parent) {
  setObjectName(QStringLiteral("gInfo"));
  setGeometry(1, 370, 294, 105);

  ruzdo::addLabel(this, tr("Текущий вопрос:"), 10, 20);
  questionCount = ruzdo::addLabel(this, QStringLiteral("0"), 230, 20);
  questionCount->setObjectName(QStringLiteral("lAll"));
  questionCount->setAccessibleName(tr("Текущий вопрос"));
  questionCount->setMinimumWidth(50);

  errorPanel = new QFrame(this);
  errorPanel->setObjectName(QStringLiteral("pErr"));
  errorPanel->setGeometry(5, 35, 286, 25);
  errorPanel->setAutoFillBackground(true);
  ruzdo::addLabel(errorPanel, tr("Количество ошибок:"), 5, 7);
  errorCount = ruzdo::addLabel(errorPanel, QStringLiteral("0"), 225, 7);
  errorCount->setObjectName(QStringLiteral("lErr"));
  errorCount->setAccessibleName(tr("Количество ошибок"));
  errorCount->setMinimumWidth(50);
  flashTimer = new QTimer(this);
  flashTimer->setObjectName(QStringLiteral("tMarker"));
  flashTimer->setInterval(300);

  // Below the counts, one line under the other: the noise level, what the
  // last question (or the plate clicked) said, filled when it ends, and the
  // run's state, wrapped over its share of the lines and ended with "…"
  // where it must be cut (the tool tip holds all of it).
  runLines = new QWidget(this);
  runLines->setObjectName(QStringLiteral("pRunLines"));
  auto* lines = new QVBoxLayout(runLines);
  lines->setContentsMargins(3, 0, 3, 0);
  lines->setSpacing(0);
  said = new ElidedLabel(runLines);
  said->setObjectName(QStringLiteral("lSaid"));
  said->setAccessibleName(tr("Сказано"));
  said->setTextInteractionFlags(Qt::TextSelectableByMouse);
  runState = new ElidedLabel(runLines);
  runState->setObjectName(QStringLiteral("lRunState"));
  runState->setVisible(false);
  noise = new QLabel(runLines);
  noise->setObjectName(QStringLiteral("lNoise"));
  noise->setTextFormat(Qt::PlainText);
  noise->setToolTip(
      tr("Речь громче шума на столько децибел (меньше — труднее). Два верных "
         "ответа подряд — на 2 дБ труднее, ошибка — на 2 дБ легче."));
  lines->addWidget(noise);
  lines->addWidget(said, 1);
  lines->addWidget(runState, 1);
  noise->setVisible(false);
  parent->installEventFilter(this);
  fit();
}

void StatisticsGroup::showCounts(int questions, int errors) {
  questionCount->setText(QString::number(questions));
  errorCount->setText(QString::number(errors));
  // Screen readers read the name: it carries the number as well as its caption.
  questionCount->setAccessibleName(tr("Текущий вопрос: %1").arg(questions));
  errorCount->setAccessibleName(tr("Количество ошибок: %1").arg(errors));
}

void StatisticsGroup::flashError() {
  if (flashTimer->isActive()) return;
  QPalette p = errorPanel->palette();
  p.setColor(QPalette::Window, QColor(0xFF, 0x00, 0x00));
  errorPanel->setPalette(p);
  errorPanel->setAutoFillBackground(true);
  flashTimer->start();
}

void StatisticsGroup::endErrorFlash() {
  QPalette p = errorPanel->palette();
  p.setColor(QPalette::Window, palette().color(QPalette::Window));
  errorPanel->setPalette(p);
  // Unfilled, the panel shows the group box's own face, shade for shade.
  errorPanel->setAutoFillBackground(false);
  flashTimer->stop();
}

void StatisticsGroup::showRunState(const QString& text) {
  runState->setFullText(text);
  runState->setAccessibleName(text);
  runState->setToolTip(text);
  runState->setVisible(!text.isEmpty());
}

void StatisticsGroup::showNoiseLevel(double db, bool noisy) {
  // The level is how much louder the speech is than the noise.
  const QString text = db > 0   ? tr("Речь громче шума на %1 дБ").arg(db)
                       : db < 0 ? tr("Речь тише шума на %1 дБ").arg(-db)
                                : tr("Речь и шум одной громкости");
  noise->setText(text);
  noise->setAccessibleName(text);
  noise->setVisible(noisy);
}

void StatisticsGroup::showSaid(const QString& line, const QString& accessible, bool wrong) {
  QPalette p = said->palette();
  p.setColor(QPalette::WindowText,
             wrong ? QColor(0xB0, 0x00, 0x00) : palette().color(QPalette::WindowText));
  said->setPalette(p);
  said->setFullText(line);
  said->setToolTip(line);
  said->setAccessibleName(accessible);
}

bool StatisticsGroup::eventFilter(QObject* watched, QEvent* event) {
  if (watched == parent() && event->type() == QEvent::Resize) fit();
  return QGroupBox::eventFilter(watched, event);
}

void StatisticsGroup::fit() {
  // Its designed height at the window's first size, more in a taller one.
  constexpr int kBelow = 10;
  const QRect r = geometry();
  resize(r.width(), std::max(105, parentWidget()->height() - r.top() - kBelow));
  runLines->setGeometry(5, 60, width() - 10, height() - 62);
}
