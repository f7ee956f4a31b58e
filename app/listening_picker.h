#pragma once

class QComboBox;

namespace ruzdo {

// Fills picker with the listening conditions (their names, each item's data
// its key, its tool tip what it is), and keeps the picker's tool tip that of
// the condition chosen.
void FillListeningPicker(QComboBox* picker);

}  // namespace ruzdo
