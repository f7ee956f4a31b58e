#include "training_options_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>
#include <algorithm>

namespace {

struct SectionInfo {
  const char* name;
  const char* title;
};

// In the order they are shown, by TrainingOptionsWindow::Section.
constexpr SectionInfo kSections[] = {
    {"gSpeaker", "Кто говорит"},
    {"gSaid", "Что говорится"},
    {"gSound", "Как звучит"},
    {"gPace", "Темп и подсказки"},
};

QCheckBox* addCheck(QGroupBox* box, QFormLayout* form, const char* name, const QString& text,
                    const QString& toolTip) {
  auto* check = new QCheckBox(text, box);
  check->setObjectName(QString::fromLatin1(name));
  check->setAccessibleName(text);
  check->setToolTip(toolTip);
  form->addRow(check);
  return check;
}

}  // namespace

TrainingOptionsWindow::TrainingOptionsWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("fTrainingOptions"));
  setWindowTitle(QStringLiteral("Параметры обучения"));
  setAccessibleName(windowTitle());

  auto* layout = new QVBoxLayout(this);
  for (std::size_t i = 0; i < std::size(kSections); ++i) {
    boxes_[i] = new QGroupBox(QString::fromUtf8(kSections[i].title), this);
    boxes_[i]->setObjectName(QString::fromLatin1(kSections[i].name));
    forms_[i] = new QFormLayout(boxes_[i]);
    forms_[i]->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    layout->addWidget(boxes_[i]);
  }
  layout->addStretch();

  QGroupBox* speaker = box(Section::Speaker);
  voice = new QComboBox(speaker);
  voice->setObjectName(QStringLiteral("sVoice"));
  voice->setAccessibleName(QStringLiteral("Голос"));
  voice->setToolTip(QStringLiteral("Голос диктора; «Разные» — свой голос для каждого вопроса"));
  auto* voiceLabel = new QLabel(QStringLiteral("Голос:"), speaker);
  voiceLabel->setBuddy(voice);
  section(Section::Speaker)->addRow(voiceLabel, voice);

  QGroupBox* said = box(Section::Said);
  variants =
      addCheck(said, section(Section::Said), "sVariants", QStringLiteral("Разные варианты чтения"),
               QStringLiteral("Читать число в каждом вопросе любым из верных вариантов: "
                              "しちじ или ななじ, じゅっぽん или じっぽん"));
  weakFirst = addCheck(
      said, section(Section::Said), "sWeakFirst", QStringLiteral("Чаще ошибочные"),
      QStringLiteral("Чаще спрашивать числа, в которых недавно ошибались или которые путали"));

  QGroupBox* pace = box(Section::Pace);
  afterSpeech =
      addCheck(pace, section(Section::Pace), "sAfterSpeech", QStringLiteral("Интервал после речи"),
               QStringLiteral("Отсчитывать интервал от конца сказанного: каждый вопрос "
                              "слышен целиком, и на ответ есть весь интервал"));
  showAnswer = addCheck(pace, section(Section::Pace), "sShowAnswer",
                        QStringLiteral("Показывать верный ответ"),
                        QStringLiteral("После ошибки или пропуска отметить верную плашку до "
                                       "следующего вопроса"));

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("Закрыть"));
  connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::close);
  layout->addWidget(buttons);
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, &QWidget::close);

  setMinimumWidth(360);
}

QGroupBox* TrainingOptionsWindow::box(Section s) const { return boxes_[static_cast<int>(s)]; }

QFormLayout* TrainingOptionsWindow::section(Section s) const { return forms_[static_cast<int>(s)]; }

void TrainingOptionsWindow::forceAfterSpeech(bool forced) {
  if (forced == afterSpeechForced_) return;
  afterSpeechForced_ = forced;
  if (forced) {
    afterSpeechChosen_ = afterSpeech->isChecked();
    afterSpeech->setChecked(true);
  } else {
    afterSpeech->setChecked(afterSpeechChosen_);
  }
  afterSpeech->setEnabled(!forced);
}

bool TrainingOptionsWindow::afterSpeechInForce() const {
  return afterSpeechForced_ || afterSpeech->isChecked();
}

bool TrainingOptionsWindow::afterSpeechChosen() const {
  return afterSpeechForced_ ? afterSpeechChosen_ : afterSpeech->isChecked();
}

void TrainingOptionsWindow::showInFront() {
  if (!placed_ && parentWidget()) {
    // The first time beside the main window where the screen has room,
    // otherwise over its right edge, never off the screen.
    placed_ = true;
    showSectionsWithRows();
    adjustSize();
    const QRect owner = parentWidget()->window()->frameGeometry();
    const QScreen* screen = parentWidget()->screen();
    const QRect room = screen ? screen->availableGeometry() : owner;
    const QSize size = frameGeometry().size();
    QPoint at(owner.right() + 1, owner.top());
    if (at.x() + size.width() > room.right()) at.setX(owner.right() + 1 - size.width());
    at.setX(
        std::clamp(at.x(), room.left(), std::max(room.left(), room.right() + 1 - size.width())));
    at.setY(
        std::clamp(at.y(), room.top(), std::max(room.top(), room.bottom() + 1 - size.height())));
    move(at);
  }
  show();
  raise();
  activateWindow();
}

void TrainingOptionsWindow::showSectionsWithRows() {
  for (std::size_t i = 0; i < std::size(kSections); ++i)
    boxes_[i]->setVisible(forms_[i]->rowCount() > 0);
}

void TrainingOptionsWindow::showEvent(QShowEvent* event) {
  showSectionsWithRows();
  QWidget::showEvent(event);
}
