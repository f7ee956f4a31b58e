#pragma once

#include <QLabel>

// A label that wraps its text over as many lines as its height holds, in a
// font up to kShrinkSteps sizes smaller when it needs to, and ends the last
// line with "…" when the rest still does not fit. The whole text stays in
// fullText(); the shown lines are separated by line breaks.
class ElidedLabel : public QLabel {
  Q_OBJECT
 public:
  explicit ElidedLabel(QWidget* parent);

  void setFullText(const QString& text);
  const QString& fullText() const { return full_; }
  static constexpr int kShrinkSteps = 2;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void fit();
  // The lines shown in font, and whether they hold the whole text.
  QStringList wrap(const QFont& font, bool* whole) const;
  QString full_;
  QFont base_;  // the font when the text fits
};
