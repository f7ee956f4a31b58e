#pragma once

#include <QFont>
#include <QPixmap>
#include <QPushButton>
#include <QStringList>
#include <functional>

class QImage;
class QKeyEvent;

// One plate of the grid: a push button that draws its picture to the right of
// its caption, with the picture's background (its bottom-left pixel) transparent.
class PlateButton : public QPushButton {
  Q_OBJECT
 public:
  explicit PlateButton(QWidget* parent);

  // Takes its own copy of the picture; null removes it.
  void setGlyph(const QImage* image);
  // The caption, and the counter word its picture shows: a screen reader
  // hears them together ("3本", "3か月").
  void setCaption(const QString& caption);
  void setCounterWord(const QString& word);
  bool hasGlyph() const { return !glyph_.isNull(); }
  QSize glyphSize() const { return glyph_.size(); }

  // Offered every key first (arrows, digits typed to name a plate, Enter);
  // true when it took the key. Enter that it leaves presses the plate, as
  // Space does.
  std::function<bool(PlateButton*, const QKeyEvent&)> onKey;

  QSize sizeHint() const override;

  // How the caption and picture are drawn in the plate's present size. The
  // whole caption always shows: its font is shrunk down to
  // kMinCaptionPointSize before the picture is dropped; then it is wrapped
  // over lines (after a "-" or a space where it can), and only past that is
  // it set smaller still, down to kSmallestPointSize.
  static constexpr int kMinCaptionPointSize = 8;
  static constexpr int kSmallestPointSize = 4;
  // The focused plate's frame, in the palette's highlight colour, this many
  // pixels wide, inset from the plate's edge by kFocusInset.
  static constexpr int kFocusFrame = 3;
  static constexpr int kFocusInset = 2;
  struct Face {
    QFont font;
    QStringList lines;  // the caption as drawn, line by line; joined, the caption
    bool glyph = false;
  };
  Face face() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void updateAccessibleName();

  QPixmap glyph_;
  QString counterWord_;
};
