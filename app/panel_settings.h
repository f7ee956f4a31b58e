#pragma once

class QSettings;
class TMainForm;

namespace ruzdo {

// Writes every setting of the panel, the mode, the options and the window's
// geometry and splitters.
void SavePanelSettings(const TMainForm& form, QSettings& settings);

// Puts back what SavePanelSettings wrote and applies it to the plate grid. A
// value that is missing, damaged or out of its control's range keeps the
// control's default; a range of 100 numbers or more keeps the default range.
// With nothing stored, nothing changes.
void RestorePanelSettings(TMainForm& form, QSettings& settings);

}  // namespace ruzdo
