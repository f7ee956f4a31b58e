#pragma once

#include <QLabel>
#include <array>

class QTimer;

// The one line of the notice pane. Sound and the history each set or clear
// a notice of their own; they come and go apart. Notices that fit the line
// together are shown joined; when they do not, each is shown in turn (held
// while the pointer is over the line), shortened with "…" if it is too long
// by itself. The tool tip and the accessible name always hold every notice
// in full, the accessible description their details. Hidden with none.
class NoticeLine : public QLabel {
  Q_OBJECT
 public:
  enum class Source { Sound, History };

  explicit NoticeLine(QWidget* parent);

  // An empty text clears the source's notice.
  void setNotice(Source source, const QString& text, const QString& details = {});
  QString notice(Source source) const { return notices_[index(source)].text; }
  // The notices as they are now, in order, each with its details.
  QStringList notices() const;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  struct Notice {
    QString text;
    QString details;
  };
  static std::size_t index(Source source) { return static_cast<std::size_t>(source); }
  // Shows what fits the present width; the turn goes on from where it was.
  void fit();
  void nextTurn();

  std::array<Notice, 2> notices_;
  QTimer* turn_;
  int shown_ = 0;  // which of the notices is shown when they take turns
};
