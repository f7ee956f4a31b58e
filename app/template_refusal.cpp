#include "template_refusal.h"

#include <QCoreApplication>

#include "core/digit_sequence.h"
#include "core/speech_text.h"

namespace ruzdo {
namespace {

struct Text {
  Q_DECLARE_TR_FUNCTIONS(TMainForm)
};

}  // namespace

QString TemplateRefusal(const QString& pattern, int plates,
                        const std::function<bool(const std::string& koe)>& readable) {
  const TemplateCheck check = CheckTemplate(pattern.toStdU32String(), plates);
  switch (check.fault) {
    case TemplateFault::TooLong:
      return Text::tr("Шаблон слишком длинный: %1 знаков, а можно не больше %2.")
          .arg(static_cast<int>(pattern.toStdU32String().size()))
          .arg(kMaxTemplateChars);
    case TemplateFault::BadCharacter:
      return Text::tr(
                 "Шаблон может содержать только знаки «_», цифры, латинские буквы, «-» и "
                 "пробелы; знак «%1» не подходит.")
          .arg(QString::fromStdU32String(std::u32string(1, check.bad)));
    case TemplateFault::NoBlank:
      return Text::tr(
          "Шаблон без знака «_» даёт одинаковые плашки: каждый «_» становится случайной "
          "цифрой.");
    case TemplateFault::TooFewBlanks:
      return Text::tr(
                 "Шаблон даёт только %1 разных последовательностей, а плашек %2: добавьте в "
                 "шаблон «_» или уменьшите диапазон.")
          .arg(check.sequences)
          .arg(plates);
    case TemplateFault::None:
      break;
  }
  // A plate's sequence is the template with each "_" replaced by a digit;
  // the engine is asked about one such sequence.
  QString sample = pattern;
  sample.replace(QLatin1Char('_'), QLatin1Char('0'));
  const auto sjis = SequenceSpeechText(sample.toStdString());
  if (!sjis || !readable(*sjis)) return Text::tr("Синтезатор речи не может прочесть этот шаблон.");
  return QString();
}

}  // namespace ruzdo
