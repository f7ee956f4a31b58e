#pragma once

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "core/tani.h"
#include "counter_image.h"

class PlateButton;
class QScrollBar;
class QKeyEvent;
class QLabel;

// Plate click event: the plate's number and its caption at the moment of the click.
using TButtonClick = std::function<void(int num, const QString& tel)>;

// The answer field: one plate per number of the range MinRuzdo ... MaxRuzdo,
// laid out row by row in Cols columns, starting Indention cells in. With a
// template the plates show random digit sequences instead of their numbers.
// With fewer rows than the plates fill, the grid scrolls to the plates below.
class TRuzdoPole : public QWidget {
  Q_OBJECT
  Q_PROPERTY(int Tani READ taniOrdinal WRITE setTaniOrdinal)
  Q_PROPERTY(int Rows READ Rows WRITE SetRows)
  Q_PROPERTY(int Cols READ Cols WRITE SetCols)
  Q_PROPERTY(int MinRuzdo READ MinRuzdo WRITE SetMinRuzdo)
  Q_PROPERTY(int MaxRuzdo READ MaxRuzdo WRITE SetMaxRuzdo)
  Q_PROPERTY(int Indention READ Indention WRITE SetIndention)
  Q_PROPERTY(QString Template READ Template WRITE SetTemplate)

 public:
  explicit TRuzdoPole(QWidget* owner);

  TTani Tani() const { return FTani; }
  int Rows() const { return FRows; }
  int Cols() const { return FCols; }
  int MinRuzdo() const { return FMinRuzdo; }
  int MaxRuzdo() const { return FMaxRuzdo; }
  int Indention() const { return FIndention; }
  const QString& Template() const { return FTemplate; }

  void SetTani(TTani v);
  void SetRows(int v);
  void SetCols(int v);
  void SetMinRuzdo(int v);
  void SetMaxRuzdo(int v);
  void SetIndention(int v);
  void SetTemplate(const QString& s);
  // With a plate count the grid holds that many plates, whatever the range,
  // without counter words, each showing the caption SetCaptions gives it
  // (a lesson's items); 0 gives a plate per number of the range again.
  void SetPlateCount(int count);
  // Where a lesson's plates get their captions when drawn anew (count of
  // them); unset: from the template.
  std::function<QStringList(int count)> CaptionSource;
  int PlateCount() const { return FPlateCount; }

  // Scrolls the grid, if it scrolls, until PLATE shows whole.
  void ScrollToPlate(const QWidget* plate);
  // The first plate takes the window's focus when the control that had it
  // (before) is disabled now (the toolkit passes it on to whatever comes
  // next, or to none), or none has it: answers are given on the plates.
  void TakeFocusIfLost(const QPointer<QWidget>& before);

  // Setters called between BeginUpdate and EndUpdate guard and store their
  // values as ever, but the plates are rebuilt or laid out once, by
  // EndUpdate, for the values then in force: a range lowered from
  // 99990 ... 100000 to 0 ... 9 passes through 0 ... 100000, which is never
  // built.
  void BeginUpdate();
  void EndUpdate();

  // Raised once per plate click; written directly.
  TButtonClick OnButtonClick;

  // Answering from the keyboard: on a focused plate, the digits of a plate's
  // caption name it (the focus goes to it as soon as they do) and Enter
  // presses it; Backspace takes back the last digit, Escape all of them.
  // Digits that name no plate press nothing: Enter then only says so. What
  // was typed shows in a hint at the grid's lower left corner (the label
  // lTyped, over the plates while it shows).
  const QString& Typed() const { return FTyped; }
  // What a caption is typed as, where not simply its digits (a date's
  // without its year); unset: its digits.
  std::function<std::string(const std::string& caption)> TypedDigits;
  void ClearTyped();

  // Gives every plate a fresh sequence from the template, no two the same
  // while the template has enough of them.
  void RegenerateCaptions();
  // The same drawn ahead without showing them (the same draws, in the same
  // order), and shown later: a question made before its tick.
  QStringList DrawCaptions() const;
  void SetCaptions(const QStringList& captions);
  // Puts the caption of a randomly chosen plate into text; leaves it as it
  // was when there are no plates.
  void RandomPlateCaption(QString& text) const;

  // The plates in index order (plate i has the number MinRuzdo + i); valid
  // until the next change of range, rows or columns.
  const std::vector<PlateButton*>& Plates() const { return FPlates; }
  int CellWidth() const { return FCellWidth; }
  int CellHeight() const { return FCellHeight; }
  // Shown only while the plates reach below the grid.
  QScrollBar* ScrollBar() const { return FScroll; }

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  int taniOrdinal() const { return FTani; }
  void setTaniOrdinal(int v) {
    if (v >= 0 && v < kTaniCount) SetTani(static_cast<TTani>(v));
  }

  void Rebuild();
  void CreatePlates();
  void LayoutPlates();
  // Sizes and places the plates, scrolled as the scroll bar stands.
  void PlacePlates();
  // Gives plate the counter's picture and word, as said after its number.
  void showCounter(PlateButton* plate) const;
  void PlateClick(PlateButton* plate);
  bool plateKey(PlateButton* from, const QKeyEvent& event);
  void moveFocus(PlateButton* from, int key);
  void showTyped(const QString& line);
  void placeTypedHint();

  TTani FTani = tanNone;
  int FCols = 2;
  int FRows = 0;
  int FMinRuzdo = 0;
  int FMaxRuzdo = 9;
  int FCellHeight = 0;
  int FCellWidth = 0;
  std::vector<PlateButton*> FPlates;
  const QImage* FGlyph = nullptr;  // from the counter image cache, not owned
  int FIndention = 0;
  QString FTemplate;
  int FPlateCount = 0;    // > 0: that many plates with captions set from outside
  bool FCreated = false;  // the first show has built the plates
  QString FTyped;         // the digits typed so far
  QLabel* FTypedHint = nullptr;
  QScrollBar* FScroll = nullptr;
  int FUpdating = 0;  // BeginUpdate calls not yet ended
  bool FRebuildPending = false;
  bool FLayoutPending = false;
};
