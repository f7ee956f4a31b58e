#include "training_options_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>
#include <algorithm>

#include "core/beside_placement.h"
#include "platform/qt_translations.h"
#include "widgets/labelled_combo_box.h"

using ruzdo::OptionKind;
using ruzdo::TrainingOption;

namespace {

QString translated(const char* text) {
  return QCoreApplication::translate("TrainingOptions", text);
}

}  // namespace

TrainingOptionsWindow::TrainingOptionsWindow(QWidget* parent) : QWidget(parent, Qt::Tool) {
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
  ruzdo::FillLanguageChoice(choice("language"));

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
    // Named by its label and its value, as screen readers read the main
    // window's pickers (a plain combo box is named by its value alone).
    auto* list = new LabelledComboBox(label, parent);
    connect(list, &QComboBox::currentIndexChanged, this, &TrainingOptionsWindow::changed);
    auto* caption = new QLabel(tr("%1:").arg(label), parent);
    caption->setBuddy(list);
    form->addRow(caption, list);
    widget = list;
  }
  widget->setObjectName(QString::fromLatin1(option.name));
  if (option.kind == OptionKind::Check) widget->setAccessibleName(label);
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

void TrainingOptionsWindow::showInFront(const QList<QWidget*>& keep, bool activate) {
  if (!placed_ && parentWidget()) {
    placed_ = true;
    place(keep);
  }
  // A window of its kind stays above the main window (window managers keep a
  // tool window over the window it belongs to).
  setAttribute(Qt::WA_ShowWithoutActivating, !activate);
  show();
  raise();
  if (activate) activateWindow();
}

void TrainingOptionsWindow::place(const QList<QWidget*>& keep) {
  showSectionsWithRows();
  adjustSize();
  const QWidget* owner = parentWidget()->window();
  // Not yet shown, the window has no frame: the main window's tells its size.
  const QRect ownerFrame = owner->frameGeometry();
  const QSize frame =
      isVisible() ? frameGeometry().size() : size() + ownerFrame.size() - owner->geometry().size();
  const auto rect = [](const QRect& r) {
    return ruzdo::ScreenRect{r.x(), r.y(), r.width(), r.height()};
  };
  if (movedTo_) {
    std::vector<ruzdo::ScreenRect> screens;
    for (const QScreen* s : QGuiApplication::screens())
      screens.push_back(rect(s->availableGeometry()));
    if (ruzdo::PlaceStoredWindow({movedTo_->x(), movedTo_->y(), frame.width(), frame.height()},
                                 screens)
            .position) {
      placedAt_ = *movedTo_;
      move(placedAt_);
      return;
    }
    movedTo_.reset();
  }
  const QScreen* screen = owner->screen();
  const QRect room = screen ? screen->availableGeometry() : ownerFrame;
  std::vector<ruzdo::KeptInView> kept;
  for (const QWidget* w : keep)
    if (w && w->isVisible()) kept.push_back({rect(QRect(w->mapToGlobal(QPoint()), w->size())), 1});
  const ruzdo::ScreenRect at =
      ruzdo::PlaceBesideOwner(rect(room), rect(ownerFrame), frame.width(), frame.height(), kept);
  placedAt_ = QPoint(at.x, at.y);
  move(placedAt_);
}

void TrainingOptionsWindow::moveEvent(QMoveEvent* event) {
  // A move of the shown window away from where it was put is the learner's.
  if (isVisible() && placed_ && pos() != placedAt_) movedTo_ = pos();
  QWidget::moveEvent(event);
}

void TrainingOptionsWindow::showSectionsWithRows() {
  for (int i = 0; i < ruzdo::kOptionSectionCount; ++i)
    boxes_[i]->setVisible(forms_[i]->rowCount() > 0);
}

void TrainingOptionsWindow::showEvent(QShowEvent* event) {
  showSectionsWithRows();
  QWidget::showEvent(event);
}
