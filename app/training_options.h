#pragma once

#include <span>
#include <string_view>

namespace ruzdo {

// The group boxes of «Параметры обучения», in the order they are shown.
enum class OptionSection {
  Speaker,    // «Кто говорит»: the voice
  Said,       // «Что говорится»: readings, which values, sentences
  Sound,      // «Как звучит»: listening conditions
  Pace,       // «Темп и подсказки»: timing and feedback
  Interface,  // «Интерфейс»: the window's language
};

enum class OptionKind {
  Check,   // a check box, stored as "true" / "false"
  Choice,  // a list whose items (filled by their owner) carry the stored value as data
};

// One option of «Параметры обучения», declared once: the window builds its
// control from it (in table order within its section), and the settings keep
// it under "panel/<key>".
struct TrainingOption {
  const char* key;   // in the settings' "panel" group
  const char* name;  // the control's objectName (tests and the wiring find it by that)
  OptionSection section;
  OptionKind kind;
  const char* label;    // QT_TRANSLATE_NOOP("TrainingOptions", …): a check's text, a list's label
  const char* toolTip;  // QT_TRANSLATE_NOOP too; null: the chosen item's own
  bool checked;         // a check's default; a list starts at its first item
};

// Every option, by section.
std::span<const TrainingOption> TrainingOptions();

// The option under key; null for none.
const TrainingOption* FindTrainingOption(std::string_view key);

// A section's title, QT_TRANSLATE_NOOP("TrainingOptions", …), and its box's objectName.
const char* SectionTitle(OptionSection s);
const char* SectionName(OptionSection s);
inline constexpr int kOptionSectionCount = 5;

}  // namespace ruzdo
