#include "history/history_notice.h"

#include <QStringList>

namespace ruzdo {

HistoryNotice NoticeOfHistory(const HistoryState& state) {
  const QString waiting = QStringLiteral(" (ждут записи: %1)").arg(state.waiting);
  QString text;
  QString more;
  switch (state.fault) {
    case HistoryFault::None:
      if (!state.damagedCopy.isEmpty()) {
        text = QStringLiteral("История ответов повреждена; начата новая.");
        more = QStringLiteral("Повреждённый файл отложен как %1.").arg(state.damagedCopy);
      }
      break;
    case HistoryFault::Busy:
      text = QStringLiteral("История занята другой программой") + waiting;
      more = QStringLiteral("Ответы ждут и будут записаны, когда файл освободится.");
      break;
    case HistoryFault::DiskFull:
      text = QStringLiteral("Нет места на диске для истории") + waiting;
      more = QStringLiteral("Ответы ждут и будут записаны, когда место освободится.");
      break;
    case HistoryFault::Damaged:
      text = QStringLiteral("История ответов повреждена") + waiting;
      more = QStringLiteral("Повреждённый файл не удалось отложить.");
      break;
    case HistoryFault::Newer:
      text = QStringLiteral("История от более новой версии: не изменяется.");
      more = QStringLiteral("Ответы этого сеанса в неё не записываются.");
      break;
    case HistoryFault::Unwritable:
      text = QStringLiteral("Нет записи в папку данных") + waiting;
      more = QStringLiteral("История не ведётся, пока запись невозможна; ответы ждут.");
      break;
  }
  QStringList tip{more, state.file, state.detail};
  tip.removeAll(QString());
  return {text, tip.join(QLatin1Char('\n'))};
}

}  // namespace ruzdo
