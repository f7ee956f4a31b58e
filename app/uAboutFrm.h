#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// The modal About window, created hidden at start-up and reused.
class TfAbout : public QDialog {
  Q_OBJECT
 public:
  explicit TfAbout(QWidget* parent = nullptr);

  QLabel* Image1 = nullptr;
  QLabel* RzLabel1 = nullptr;
  QPlainTextEdit* Memo1 = nullptr;
  QPushButton* BitBtn1 = nullptr;

  // The lines of the information text, in order.
  static QStringList Lines();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};
