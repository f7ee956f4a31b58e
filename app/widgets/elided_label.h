#pragma once

#include <QLabel>

// A label that wraps its text over as many lines as its height holds, in its
// own font (never smaller, so it stays as readable as the text around it),
// and ends the last line with "…" when the rest does not fit. The whole text
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
  QStringList wrap() const;
  QString full_;
};
