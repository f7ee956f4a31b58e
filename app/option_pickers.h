#pragma once

class QComboBox;

// The lists of «Параметры обучения» whose items the program knows, not the
// table of options: each filled once, its first item chosen.
namespace ruzdo {

// The engine's voices by their Russian names (who speaks and how), the
// standard one first, each item's data the engine's name; then «Разные»
// (empty data: a speaker and style drawn for every question). The picker's
// accessible name says the voice chosen.
void FillVoicePicker(QComboBox* picker);

// The listening conditions (their names, each item's data its key, its tool
// tip what it is); the picker's tool tip is that of the condition chosen.
void FillListeningPicker(QComboBox* picker);

}  // namespace ruzdo
