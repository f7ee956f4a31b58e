#include "training_options_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
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

using ruzdo::OptionKind;
using ruzdo::TrainingOption;

namespace {

QString translated(const char* text) {
  return QCoreApplication::translate("TrainingOptions", text);
}

}  // namespace

TrainingOptionsWindow::TrainingOptionsWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("fTrainingOptions"));
  setWindowTitle(tr("Параметры обучения"));
  setAccessibleName(windowTitle());

  auto* layout = new QVBoxLayout(this);
  for (int i = 0; i < ruzdo::kOptionSectionCount; ++i) {
    const auto s = static_cast<Section>(i);
    boxes_[i] = new QGroupBox(translated(ruzdo::SectionTitle(s)), this);
    boxes_[i]->setObjectName(QString::fromLatin1(ruzdo::SectionName(s)));
    forms_[i] = new QFormLayout(boxes_[i]);
    forms_[i]->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    layout->addWidget(boxes_[i]);
  }
  layout->addStretch();
  for (const TrainingOption& option : ruzdo::TrainingOptions()) addControl(option);
  voice = choice("voice");
  variants = check("variants");
  weakFirst = check("weakFirst");
  afterSpeech = check("afterSpeech");
  showAnswer = check("showAnswer");

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  buttons->button(QDialogButtonBox::Close)->setText(tr("Закрыть"));
  connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::close);
  layout->addWidget(buttons);
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, &QWidget::close);

  setMinimumWidth(360);
}

void TrainingOptionsWindow::addControl(const TrainingOption& option) {
  QGroupBox* parent = box(option.section);
  QFormLayout* form = forms_[static_cast<int>(option.section)];
  const QString label = translated(option.label);
  QWidget* widget = nullptr;
  if (option.kind == OptionKind::Check) {
    auto* box = new QCheckBox(label, parent);
    box->setChecked(option.checked);
    connect(box, &QCheckBox::toggled, this, &TrainingOptionsWindow::changed);
    form->addRow(box);
    widget = box;
  } else {
    auto* list = new QComboBox(parent);
    connect(list, &QComboBox::currentIndexChanged, this, &TrainingOptionsWindow::changed);
    auto* caption = new QLabel(tr("%1:").arg(label), parent);
    caption->setBuddy(list);
    form->addRow(caption, list);
    widget = list;
  }
  widget->setObjectName(QString::fromLatin1(option.name));
  widget->setAccessibleName(label);
  if (option.toolTip) widget->setToolTip(translated(option.toolTip));
  controls_.push_back({&option, widget});
}

const TrainingOptionsWindow::Control* TrainingOptionsWindow::find(std::string_view key) const {
  const auto c = std::find_if(controls_.begin(), controls_.end(),
                              [key](const Control& each) { return key == each.option->key; });
  return c == controls_.end() ? nullptr : &*c;
}

TrainingOptionsWindow::Control* TrainingOptionsWindow::find(std::string_view key) {
  return const_cast<Control*>(std::as_const(*this).find(key));
}

QGroupBox* TrainingOptionsWindow::box(Section s) const { return boxes_[static_cast<int>(s)]; }

QCheckBox* TrainingOptionsWindow::check(std::string_view key) const {
  const Control* c = find(key);
  return c ? qobject_cast<QCheckBox*>(c->widget) : nullptr;
}

QComboBox* TrainingOptionsWindow::choice(std::string_view key) const {
  const Control* c = find(key);
  return c ? qobject_cast<QComboBox*>(c->widget) : nullptr;
}

QVariant TrainingOptionsWindow::value(const TrainingOption& option) const {
  const Control* c = find(option.key);
  if (!c) return {};
  if (auto* box = qobject_cast<QCheckBox*>(c->widget))
    return c->forced ? c->chosen : box->isChecked();
  return static_cast<QComboBox*>(c->widget)->currentData().toString();
}

void TrainingOptionsWindow::setValue(const TrainingOption& option, const QVariant& value) {
  Control* c = find(option.key);
  if (!c) return;
  if (auto* box = qobject_cast<QCheckBox*>(c->widget)) {
    if (c->forced)
      c->chosen = value.toBool();
    else
      box->setChecked(value.toBool());
    return;
  }
  auto* list = static_cast<QComboBox*>(c->widget);
  const int item = list->findData(value.toString());
  if (item >= 0) list->setCurrentIndex(item);
}

void TrainingOptionsWindow::forceChecked(std::string_view key, bool forced) {
  Control* c = find(key);
  auto* box = c ? qobject_cast<QCheckBox*>(c->widget) : nullptr;
  if (!box || forced == c->forced) return;
  c->forced = forced;
  if (forced) {
    c->chosen = box->isChecked();
    box->setChecked(true);
  } else {
    box->setChecked(c->chosen);
  }
  box->setEnabled(!forced);
}

bool TrainingOptionsWindow::afterSpeechInForce() const {
  return find("afterSpeech")->forced || afterSpeech->isChecked();
}

bool TrainingOptionsWindow::afterSpeechChosen() const {
  return value(*ruzdo::FindTrainingOption("afterSpeech")).toBool();
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
  for (int i = 0; i < ruzdo::kOptionSectionCount; ++i)
    boxes_[i]->setVisible(forms_[i]->rowCount() > 0);
}

void TrainingOptionsWindow::showEvent(QShowEvent* event) {
  showSectionsWithRows();
  QWidget::showEvent(event);
}
