#pragma once

#include <QLabel>

// A label that wraps its text over as many lines as its height holds and
// ends the last of them with "…" when the rest does not fit. The whole text
// stays in fullText(); the shown lines are separated by line breaks.
class ElidedLabel : public QLabel {
  Q_OBJECT
 public:
  explicit ElidedLabel(QWidget* parent);

  void setFullText(const QString& text);
  const QString& fullText() const { return full_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void fit();
  QString full_;
};
