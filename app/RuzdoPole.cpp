#include "RuzdoPole.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>

#include "core/digit_sequence.h"
#include "core/plate_layout.h"
#include "core/random_source.h"
#include "core/typed_answer.h"
#include "core/value_text.h"
#include "widgets/plate_button.h"

TRuzdoPole::TRuzdoPole(QWidget* owner) : QWidget(owner) {
  setObjectName(QStringLiteral("RuzdoPole"));
  setAccessibleName(tr("Поле выбора"));
  setAutoFillBackground(true);
  QPalette p = palette();
  p.setColor(QPalette::Window, p.color(QPalette::Button));
  setPalette(p);
  QFont f = font();
  f.setPointSize(14);
  setFont(f);
  FScroll = new QScrollBar(Qt::Vertical, this);
  FScroll->setObjectName(QStringLiteral("RuzdoPoleScroll"));
  FScroll->setAccessibleName(tr("Прокрутка поля выбора"));
  // The plates keep the keyboard: one reached with Tab or an arrow key is
  // scrolled into view.
  FScroll->setFocusPolicy(Qt::NoFocus);
  FScroll->setVisible(false);
  connect(FScroll, &QScrollBar::valueChanged, this, [this] { PlacePlates(); });

  // In the colours and font of a tool tip.
  FTypedHint = new QLabel(this);
  FTypedHint->setObjectName(QStringLiteral("lTyped"));
  FTypedHint->setTextFormat(Qt::PlainText);
  FTypedHint->setFont(QToolTip::font());
  FTypedHint->setFrameStyle(QFrame::Box | QFrame::Plain);
  FTypedHint->setMargin(3);
  FTypedHint->setAutoFillBackground(true);
  QPalette tip = FTypedHint->palette();
  tip.setColor(QPalette::Window, tip.color(QPalette::ToolTipBase));
  tip.setColor(QPalette::WindowText, tip.color(QPalette::ToolTipText));
  FTypedHint->setPalette(tip);
  FTypedHint->setVisible(false);
}

void TRuzdoPole::showEvent(QShowEvent* event) {
  // The first show plays the part of window creation: the plates are built
  // for the size the grid has now.
  if (!FCreated) {
    FCreated = true;
    Rebuild();
    // The window starts with the focus on the first plate, ready to answer.
    if (!window()->focusWidget() && !FPlates.empty()) FPlates.front()->setFocus();
  }
  QWidget::showEvent(event);
}

void TRuzdoPole::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // A new size moves and sizes the plates; what they show stays, so a
  // sequence just asked is still on its plate.
  PlacePlates();
  placeTypedHint();
}

void TRuzdoPole::wheelEvent(QWheelEvent* event) {
  // The plates pass the wheel on to the grid, wherever the pointer is on it.
  if (FScroll->isVisible())
    QCoreApplication::sendEvent(FScroll, event);
  else
    QWidget::wheelEvent(event);
}

bool TRuzdoPole::eventFilter(QObject* watched, QEvent* event) {
  // Only plates are watched. One pressed with the mouse stays where it is,
  // under the pointer, so that the press ends on it.
  if (event->type() == QEvent::FocusIn &&
      static_cast<QFocusEvent*>(event)->reason() != Qt::MouseFocusReason)
    ScrollToPlate(static_cast<QWidget*>(watched));
  return QWidget::eventFilter(watched, event);
}

void TRuzdoPole::ScrollToPlate(const QWidget* plate) {
  if (!FScroll->isVisible()) return;
  const QRect r = plate->geometry();
  if (r.top() < 0)
    FScroll->setValue(FScroll->value() + r.top());
  else if (r.bottom() >= height())
    FScroll->setValue(FScroll->value() + r.bottom() + 1 - height());
}

void TRuzdoPole::TakeFocusIfLost(const QPointer<QWidget>& before) {
  const QWidget* now = window()->focusWidget();
  if ((!before || !before->isEnabled() || !now || !now->isEnabled()) && !FPlates.empty())
    FPlates.front()->setFocus(Qt::OtherFocusReason);
}

void TRuzdoPole::BeginUpdate() { ++FUpdating; }

void TRuzdoPole::EndUpdate() {
  if (FUpdating == 0 || --FUpdating > 0) return;
  const bool rebuild = FRebuildPending;
  const bool layout = FLayoutPending;
  FRebuildPending = FLayoutPending = false;
  if (rebuild)
    Rebuild();
  else if (layout)
    LayoutPlates();
}

void TRuzdoPole::SetTani(TTani v) {
  if (v == FTani) return;
  FGlyph = v != tanNone ? CounterImage(v) : nullptr;
  FTani = v;
  update();
  for (PlateButton* plate : FPlates) showCounter(plate);
}

void TRuzdoPole::SetRows(int v) {
  if (v < 0) return;
  FRows = v;
  Rebuild();
}

void TRuzdoPole::SetCols(int v) {
  if (v <= 0) return;
  FCols = v;
  if (FIndention >= v) FIndention = v - 1;
  Rebuild();
}

void TRuzdoPole::SetMinRuzdo(int v) {
  if (v < 0) return;
  FMinRuzdo = v;
  if (FMaxRuzdo < v) FMaxRuzdo = v;
  // A lesson's plates do not follow the range.
  if (FPlateCount == 0) Rebuild();
}

void TRuzdoPole::SetMaxRuzdo(int v) {
  if (v < 0) return;
  FMaxRuzdo = v;
  if (v < FMinRuzdo) FMinRuzdo = v;
  // A lesson's plates do not follow the range.
  if (FPlateCount == 0) Rebuild();
}

void TRuzdoPole::SetIndention(int v) {
  if (v == FIndention || v < 0) return;
  FIndention = v < FCols ? v : FCols - 1;
  LayoutPlates();
}

void TRuzdoPole::SetTemplate(const QString& s) {
  if (s == FTemplate) return;
  FTemplate = s;
  LayoutPlates();
}

void TRuzdoPole::SetPlateCount(int count) {
  if (count < 0 || count == FPlateCount) return;
  FPlateCount = count;
  Rebuild();
}

void TRuzdoPole::Rebuild() {
  if (FUpdating > 0) {
    FRebuildPending = true;
    return;
  }
  ClearTyped();
  // Deleting the focused plate would pass the focus on to whatever comes
  // next; it goes back to the grid's first plate instead.
  const QWidget* focused = window()->focusWidget();
  const bool plateHadFocus = focused && focused->parentWidget() == this;
  CreatePlates();
  // New plates are shown from the top.
  {
    const QSignalBlocker quiet(FScroll);
    FScroll->setValue(0);
  }
  LayoutPlates();
  if (plateHadFocus && !FPlates.empty()) FPlates.front()->setFocus(Qt::OtherFocusReason);
}

void TRuzdoPole::CreatePlates() {
  for (PlateButton* plate : FPlates) delete plate;
  FPlates.clear();
  const int n = FPlateCount > 0 ? FPlateCount : FMaxRuzdo - FMinRuzdo + 1;
  FPlates.reserve(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) {
    auto* plate = new PlateButton(this);
    plate->setVisible(false);
    plate->setObjectName(QStringLiteral("plate%1").arg(i));
    plate->setProperty("Tag", FMinRuzdo + i);
    showCounter(plate);
    plate->installEventFilter(this);
    connect(plate, &QPushButton::clicked, this, [this, plate] { PlateClick(plate); });
    plate->onKey = [this](PlateButton* from, const QKeyEvent& e) { return plateKey(from, e); };
    FPlates.push_back(plate);
  }
}

void TRuzdoPole::LayoutPlates() {
  if (FUpdating > 0) {
    FLayoutPending = true;
    return;
  }
  // Painting is held back while the plates move, so the user never sees a
  // half-laid grid. (Hiding the grid would take the focus from its plate.)
  const bool wasEnabled = updatesEnabled();
  setUpdatesEnabled(false);
  if (FPlateCount > 0) {
    if (CaptionSource) SetCaptions(DrawCaptions());
  } else {
    const QStringList sequences = FTemplate.isEmpty() ? QStringList() : DrawCaptions();
    for (std::size_t i = 0; i < FPlates.size(); ++i)
      FPlates[i]->setCaption(FTemplate.isEmpty() ? QString::number(FMinRuzdo + static_cast<int>(i))
                                                 : sequences[static_cast<qsizetype>(i)]);
  }
  PlacePlates();
  for (PlateButton* plate : FPlates) plate->setVisible(true);
  setUpdatesEnabled(wasEnabled);
}

void TRuzdoPole::PlacePlates() {
  ruzdo::PlateGridShape shape;
  shape.width = width();
  shape.height = height();
  shape.cols = FCols;
  shape.rows = FRows;
  shape.minRuzdo = FPlateCount > 0 ? 0 : FMinRuzdo;
  shape.maxRuzdo = FPlateCount > 0 ? FPlateCount - 1 : FMaxRuzdo;
  shape.indention = FIndention;
  // The scroll bar takes its width from the plates only while they reach
  // below the grid; a wheel notch moves them by one row.
  const int range = ruzdo::ScrollRange(shape);
  const int barWidth = FScroll->sizeHint().width();
  if (range > 0) shape.width = std::max(0, shape.width - barWidth);
  FCellWidth = ruzdo::CellWidth(shape);
  FCellHeight = ruzdo::CellHeight(shape);
  {
    const QSignalBlocker quiet(FScroll);
    FScroll->setRange(0, range);
    FScroll->setPageStep(std::max(1, height()));
    FScroll->setSingleStep(
        std::max(1, FCellHeight / std::max(1, QApplication::wheelScrollLines())));
  }
  FScroll->setGeometry(width() - barWidth, 0, barWidth, height());
  FScroll->setVisible(range > 0);
  const int scrolled = FScroll->value();
  for (std::size_t i = 0; i < FPlates.size(); ++i) {
    const ruzdo::PlateRect r = ruzdo::PlateRectAt(shape, static_cast<int>(i), scrolled);
    FPlates[i]->setGeometry(r.left, r.top, r.width, r.height);
  }
}

void TRuzdoPole::RegenerateCaptions() { SetCaptions(DrawCaptions()); }

QStringList TRuzdoPole::DrawCaptions() const {
  // All different while the template has as many sequences as there are
  // plates: no two plates show the same.
  if (CaptionSource) return CaptionSource(static_cast<int>(FPlates.size()));
  QStringList captions;
  for (const std::string& s :
       ruzdo::MakeSequences(FTemplate.toStdString(), static_cast<int>(FPlates.size())))
    captions << QString::fromStdString(s);
  return captions;
}

void TRuzdoPole::SetCaptions(const QStringList& captions) {
  // Digits typed for the captions before name nothing among the new ones.
  ClearTyped();
  for (std::size_t i = 0; i < FPlates.size() && i < static_cast<std::size_t>(captions.size()); ++i)
    FPlates[i]->setCaption(captions[static_cast<qsizetype>(i)]);
}

void TRuzdoPole::showCounter(PlateButton* plate) const {
  // Only where the number is said with it: つ is said after 1 ... 10 only;
  // never on a lesson's plates.
  const std::string_view word =
      FPlateCount > 0 ? std::string_view()
                      : ruzdo::CounterShownAfter(FTani, plate->property("Tag").toInt());
  plate->setGlyph(word.empty() ? nullptr : FGlyph);
  plate->setCounterWord(QString::fromUtf8(word.data(), static_cast<qsizetype>(word.size())));
}

void TRuzdoPole::RandomPlateCaption(QString& text) const {
  if (FPlates.empty()) return;
  text = FPlates[static_cast<std::size_t>(ruzdo::RandomBelow(static_cast<int>(FPlates.size())))]
             ->text();
}

void TRuzdoPole::PlateClick(PlateButton* plate) {
  ClearTyped();
  const int tag = plate->property("Tag").toInt();
  const QString caption = plate->text();
  if (OnButtonClick) OnButtonClick(tag, caption);
}

void TRuzdoPole::ClearTyped() {
  FTyped.clear();
  if (!FTypedHint->isHidden()) showTyped(QString());
}

void TRuzdoPole::showTyped(const QString& line) {
  FTypedHint->setText(line);
  FTypedHint->setAccessibleName(line);
  FTypedHint->setVisible(!line.isEmpty());
  placeTypedHint();
}

void TRuzdoPole::placeTypedHint() {
  if (FTypedHint->isHidden()) return;
  FTypedHint->adjustSize();
  FTypedHint->move(4, std::max(0, height() - FTypedHint->height() - 4));
  FTypedHint->raise();
}

bool TRuzdoPole::plateKey(PlateButton* from, const QKeyEvent& event) {
  const auto modifiers = event.modifiers() & ~Qt::KeypadModifier;
  const int key = event.key();
  if (key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down) {
    if (modifiers != Qt::NoModifier) return false;
    ClearTyped();  // the plate is chosen by moving to it now
    moveFocus(from, key);
    return true;
  }
  if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  std::vector<std::string> captions;
  captions.reserve(FPlates.size());
  for (const PlateButton* plate : FPlates) {
    const std::string caption = plate->text().toStdString();
    captions.push_back(TypedDigits ? TypedDigits(caption) : caption);
  }
  const QString text = event.text();
  const bool digit = text.size() == 1 && text[0] >= QLatin1Char('0') && text[0] <= QLatin1Char('9');
  if (digit || (key == Qt::Key_Backspace && !FTyped.isEmpty())) {
    if (digit)
      FTyped += text;
    else
      FTyped.chop(1);
    const ruzdo::TypedMatch match = ruzdo::MatchTyped(FTyped.toStdString(), captions);
    if (match.plate >= 0) FPlates[static_cast<std::size_t>(match.plate)]->setFocus();
    const QString line = match.plate < 0 && !match.partial
                             ? tr("Набрано: %1 — такой плашки нет").arg(FTyped)
                             : tr("Набрано: %1").arg(FTyped);
    showTyped(FTyped.isEmpty() ? QString() : line);
    return true;
  }
  if (FTyped.isEmpty()) return false;  // Enter and Escape as on any button
  if (key == Qt::Key_Escape) {
    ClearTyped();
    return true;
  }
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    const ruzdo::TypedMatch match = ruzdo::MatchTyped(FTyped.toStdString(), captions);
    if (match.plate >= 0) {
      FPlates[static_cast<std::size_t>(match.plate)]->click();
      return true;
    }
    // A slip of the finger is no answer: the question stays open.
    const QString typed = FTyped;
    FTyped.clear();
    QApplication::beep();
    showTyped(tr("Нет плашки %1: ничего не нажато").arg(typed));
    return true;
  }
  return false;
}

void TRuzdoPole::moveFocus(PlateButton* from, int key) {
  // Arrow keys move through the grid as it is drawn: left/right by one plate,
  // up/down by one row.
  int index = -1;
  for (std::size_t i = 0; i < FPlates.size(); ++i)
    if (FPlates[i] == from) index = static_cast<int>(i);
  if (index < 0) return;
  int step = 0;
  switch (key) {
    case Qt::Key_Left:
      step = -1;
      break;
    case Qt::Key_Right:
      step = 1;
      break;
    case Qt::Key_Up:
      step = -FCols;
      break;
    case Qt::Key_Down:
      step = FCols;
      break;
    default:
      return;
  }
  const int target = index + step;
  if (target >= 0 && target < static_cast<int>(FPlates.size()))
    FPlates[static_cast<std::size_t>(target)]->setFocus(Qt::TabFocusReason);
}
