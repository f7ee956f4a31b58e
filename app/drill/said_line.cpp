#include "drill/said_line.h"

#include <QCoreApplication>
#include <QStringList>

#include "core/speech_voice.h"

namespace ruzdo {
namespace {

// The window's texts, translated as the window's.
struct Text {
  Q_DECLARE_TR_FUNCTIONS(TMainForm)
};

}  // namespace

SaidLine SaidLineOf(const Said& said, bool judged, bool wrong,
                    const std::optional<QString>& clicked, const QString& reading) {
  // A sentence is shown as it was said.
  QString verdict =
      Text::tr("Сказано: %1")
          .arg(QString::fromStdString(said.sentence.empty() ? said.written : said.sentence));
  // A voice other than the standard one is named, as the learner heard it.
  if (!said.voice.empty())
    verdict += QStringLiteral(" (") +
               QCoreApplication::translate("SpeechVoice", VoiceDisplayName(said.voice).c_str()) +
               QLatin1Char(')');
  if (judged) {
    // A sentence ends with its own stop: no second one after it.
    static const QString kStops = QStringLiteral("。.!?！？");
    if (verdict.isEmpty() || !kStops.contains(verdict.back())) verdict += QLatin1Char('.');
    if (!wrong)
      verdict += Text::tr(" Верно");
    else if (clicked)
      verdict += Text::tr(" Нажато: %1").arg(*clicked);
    else
      verdict += Text::tr(" Ответа не было");
  }
  if (reading.isEmpty()) return {verdict, verdict};
  return {verdict + QStringLiteral(" — ") + reading, verdict + QStringLiteral("; ") + reading};
}

QString RunSummary(const DrillRun& run) {
  // The most missed first; equal ones in the order they were first missed.
  int wrong = 0;
  QStringList parts;
  for (const auto& [value, count] : run.misses()) {
    wrong += count;
    parts << QStringLiteral("%1 ×%2").arg(QString::fromStdString(value)).arg(count);
  }
  const int judged = run.judged();
  QString text = Text::tr("Итог: %1 из %2").arg(judged - wrong).arg(judged);
  text += parts.isEmpty() ? Text::tr("; без ошибок")
                          : Text::tr("; ошибки: %1").arg(parts.join(QStringLiteral(", ")));
  return text;
}

}  // namespace ruzdo
