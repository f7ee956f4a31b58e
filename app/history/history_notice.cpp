#include "history/history_notice.h"

#include <QCoreApplication>
#include <QStringList>

namespace ruzdo {
namespace {

// Translated as the main window's texts, where they were written first.
struct Text {
  Q_DECLARE_TR_FUNCTIONS(TMainForm)
};

}  // namespace

HistoryNotice NoticeOfHistory(const HistoryState& state) {
  const QString waiting = Text::tr(" (ждут записи: %1)").arg(state.waiting);
  QString text;
  QString more;
  switch (state.fault) {
    case HistoryFault::None:
      if (!state.damagedCopy.isEmpty()) {
        text = Text::tr("История ответов повреждена; начата новая.");
        more = Text::tr("Повреждённый файл отложен как %1.").arg(state.damagedCopy);
      }
      break;
    case HistoryFault::Busy:
      text = Text::tr("История занята другой программой%1").arg(waiting);
      more = Text::tr("Ответы ждут и будут записаны, когда файл освободится.");
      break;
    case HistoryFault::DiskFull:
      text = Text::tr("Нет места на диске для истории%1").arg(waiting);
      more = Text::tr("Ответы ждут и будут записаны, когда место освободится.");
      break;
    case HistoryFault::Damaged:
      text = Text::tr("История ответов повреждена%1").arg(waiting);
      more = Text::tr("Повреждённый файл не удалось отложить.");
      break;
    case HistoryFault::Newer:
      text = Text::tr("История от более новой версии: не изменяется.");
      more = Text::tr("Ответы этого сеанса в неё не записываются.");
      break;
    case HistoryFault::Unwritable:
      text = Text::tr("Нет записи в папку данных%1").arg(waiting);
      more = Text::tr("История не ведётся, пока запись невозможна; ответы ждут.");
      break;
  }
  QStringList tip{more, state.file, state.detail};
  tip.removeAll(QString());
  return {text, tip.join(QLatin1Char('\n'))};
}

}  // namespace ruzdo
