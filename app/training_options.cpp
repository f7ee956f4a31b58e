#include "training_options.h"

#include <QtGlobal>
#include <array>

namespace ruzdo {
namespace {

using enum OptionSection;
using enum OptionKind;

constexpr TrainingOption kOptions[] = {
    {"voice", "sVoice", Speaker, Choice, QT_TRANSLATE_NOOP("TrainingOptions", "Голос"),
     QT_TRANSLATE_NOOP("TrainingOptions",
                       "Голос диктора; «Разные» — свой голос для каждого вопроса"),
     false},
    {"variants", "sVariants", Said, Check,
     QT_TRANSLATE_NOOP("TrainingOptions", "Разные варианты чтения"),
     QT_TRANSLATE_NOOP("TrainingOptions",
                       "Читать число в каждом вопросе любым из верных вариантов: "
                       "しちじ или ななじ, じゅっぽん или じっぽん"),
     false},
    {"weakFirst", "sWeakFirst", Said, Check, QT_TRANSLATE_NOOP("TrainingOptions", "Чаще ошибочные"),
     QT_TRANSLATE_NOOP("TrainingOptions",
                       "Чаще спрашивать числа, в которых недавно ошибались или которые путали"),
     false},
    {"sentences", "sSentences", Said, Check, QT_TRANSLATE_NOOP("TrainingOptions", "В предложениях"),
     QT_TRANSLATE_NOOP("TrainingOptions",
                       "Говорить число каждого вопроса внутри фразы для его счётного суффикса: "
                       "«全部で1980円になります», последовательность — «電話番号は…です». "
                       "Интервал считается от конца фразы: «Интервал после речи» с ним "
                       "включён всегда"),
     false},
    // Each condition's item says what it is; the box shows the chosen one's.
    {"condition", "sCondition", Sound, Choice, QT_TRANSLATE_NOOP("TrainingOptions", "Условия"),
     nullptr, false},
    {"afterSpeech", "sAfterSpeech", Pace, Check,
     QT_TRANSLATE_NOOP("TrainingOptions", "Интервал после речи"),
     QT_TRANSLATE_NOOP("TrainingOptions",
                       "Отсчитывать интервал от конца сказанного: каждый вопрос "
                       "слышен целиком, и на ответ есть весь интервал"),
     false},
    {"showAnswer", "sShowAnswer", Pace, Check,
     QT_TRANSLATE_NOOP("TrainingOptions", "Показывать верный ответ"),
     QT_TRANSLATE_NOOP("TrainingOptions",
                       "После ошибки или пропуска отметить верную плашку до следующего вопроса"),
     false},
    // Read once at the start: the windows are made in one language.
    {"language", "sLanguage", Interface, Choice,
     QT_TRANSLATE_NOOP("TrainingOptions", "Язык интерфейса"),
     QT_TRANSLATE_NOOP("TrainingOptions",
                       "Язык надписей, подсказок и сообщений программы. «Как в системе» — "
                       "английский, если он язык системы, иначе русский. Меняется при "
                       "следующем запуске программы"),
     false},
};

struct SectionRow {
  const char* name;
  const char* title;
};

// By OptionSection.
constexpr std::array<SectionRow, kOptionSectionCount> kSections{{
    {"gSpeaker", QT_TRANSLATE_NOOP("TrainingOptions", "Кто говорит")},
    {"gSaid", QT_TRANSLATE_NOOP("TrainingOptions", "Что говорится")},
    {"gSound", QT_TRANSLATE_NOOP("TrainingOptions", "Как звучит")},
    {"gPace", QT_TRANSLATE_NOOP("TrainingOptions", "Темп и подсказки")},
    {"gInterface", QT_TRANSLATE_NOOP("TrainingOptions", "Интерфейс")},
}};

}  // namespace

std::span<const TrainingOption> TrainingOptions() { return kOptions; }

const TrainingOption* FindTrainingOption(std::string_view key) {
  for (const TrainingOption& o : kOptions)
    if (key == o.key) return &o;
  return nullptr;
}

const char* SectionTitle(OptionSection s) { return kSections[static_cast<int>(s)].title; }
const char* SectionName(OptionSection s) { return kSections[static_cast<int>(s)].name; }

}  // namespace ruzdo
