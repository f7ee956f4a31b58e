#include "panel_settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QSettings>
#include <QSlider>
#include <QSpinBox>
#include <algorithm>

#include "Unit1.h"
#include "core/window_placement.h"
#include "training_options_window.h"
#include "widgets/pane_splitter.h"

namespace ruzdo {
namespace {

// The stored integer under key if it is one and lies in min ... max.
std::optional<int> storedInt(const QSettings& s, const QString& key, int min, int max) {
  const QVariant v = s.value(key);
  if (!v.isValid()) return std::nullopt;
  bool ok = false;
  const int x = v.toString().toInt(&ok);
  if (!ok || x < min || x > max) return std::nullopt;
  return x;
}

std::optional<bool> storedBool(const QSettings& s, const QString& key) {
  const QString v = s.value(key).toString();
  if (v == QLatin1String("true")) return true;
  if (v == QLatin1String("false")) return false;
  return std::nullopt;
}

void restoreSpin(const QSettings& s, const QString& key, QSpinBox* spin) {
  if (auto v = storedInt(s, key, spin->minimum(), spin->maximum())) spin->setValue(*v);
}

void restoreSlider(const QSettings& s, const QString& key, QSlider* slider) {
  if (auto v = storedInt(s, key, slider->minimum(), slider->maximum())) slider->setValue(*v);
}

// The splitter with a hot spot: its first pane's width and whether it is
// collapsed.
void saveSplitter(QSettings& s, const QString& key, const PaneSplitter* splitter) {
  s.setValue(key + QStringLiteral("/collapsed"), splitter->isCollapsed());
  if (!splitter->isCollapsed())
    s.setValue(key + QStringLiteral("/first"), splitter->sizes().value(0));
}

void restoreSplitter(const QSettings& s, const QString& key, PaneSplitter* splitter,
                     bool resizable) {
  const auto first = storedInt(s, key + QStringLiteral("/first"), 0, 10000);
  if (resizable && first && *first > 0) {
    QList<int> sizes = splitter->sizes();
    const int total = sizes.value(0) + sizes.value(1);
    if (*first < total) splitter->setSizes({*first, total - *first});
  }
  if (storedBool(s, key + QStringLiteral("/collapsed")).value_or(false) != splitter->isCollapsed())
    splitter->toggleCollapsed();
}

}  // namespace

void SavePanelSettings(const TMainForm& f, QSettings& s) {
  s.beginGroup(QStringLiteral("panel"));
  s.setValue(QStringLiteral("min"), f.sMinRuzdo->value());
  s.setValue(QStringLiteral("max"), f.sMaxRuzdo->value());
  s.setValue(QStringLiteral("counter"), f.sTani->currentIndex());
  s.setValue(QStringLiteral("template"), f.sTemplate->text());
  s.setValue(QStringLiteral("speed"), f.sSpechSpeed->value());
  s.setValue(QStringLiteral("interval"), f.sTimerInterval->value());
  s.setValue(QStringLiteral("questions"), f.sMaxQuestion->value());
  s.setValue(QStringLiteral("cols"), f.sCols->value());
  s.setValue(QStringLiteral("rows"), f.sRows->value());
  s.setValue(QStringLiteral("indent"), f.sIndention->value());
  s.setValue(QStringLiteral("mode"), static_cast<int>(f.Mode));
  s.setValue(QStringLiteral("weakFirst"), f.sWeakFirst->isChecked());
  s.setValue(QStringLiteral("voice"), f.sVoice->currentData().toString());
  s.setValue(QStringLiteral("variants"), f.sVariants->isChecked());
  s.setValue(QStringLiteral("afterSpeech"), f.fOptions->afterSpeechChosen());
  s.setValue(QStringLiteral("showAnswer"), f.fOptions->showAnswer->isChecked());
  s.setValue(QStringLiteral("condition"), f.listeningCondition());
  s.setValue(QStringLiteral("noiseDb"), f.noiseLevelDb());
  s.endGroup();
  s.beginGroup(QStringLiteral("window"));
  // Position as move() takes it and the client size as resize() takes it, so
  // that putting them back is exact with or without a window frame.
  s.setValue(QStringLiteral("x"), f.pos().x());
  s.setValue(QStringLiteral("y"), f.pos().y());
  s.setValue(QStringLiteral("width"), f.width());
  s.setValue(QStringLiteral("height"), f.height());
  saveSplitter(s, QStringLiteral("groupBar"), f.RzSplitter1);
  saveSplitter(s, QStringLiteral("settingsColumn"), f.RzSplitter2);
  s.endGroup();
}

void RestorePanelSettings(TMainForm& f, QSettings& s) {
  if (s.childGroups().isEmpty()) return;

  s.beginGroup(QStringLiteral("panel"));
  // The range only as a pair the panel would accept.
  const auto min =
      storedInt(s, QStringLiteral("min"), f.sMinRuzdo->minimum(), f.sMinRuzdo->maximum());
  const auto max =
      storedInt(s, QStringLiteral("max"), f.sMaxRuzdo->minimum(), f.sMaxRuzdo->maximum());
  if (min && max && *max - *min < 100) {
    f.sMinRuzdo->setValue(*min);
    f.sMaxRuzdo->setValue(*max);
  }
  if (auto counter = storedInt(s, QStringLiteral("counter"), 0, f.sTani->count() - 1))
    f.sTani->setCurrentIndex(*counter);
  const QVariant pattern = s.value(QStringLiteral("template"));
  if (pattern.isValid() && pattern.toString().size() <= f.sTemplate->maxLength())
    f.sTemplate->setText(pattern.toString());
  restoreSlider(s, QStringLiteral("speed"), f.sSpechSpeed);
  restoreSlider(s, QStringLiteral("interval"), f.sTimerInterval);
  restoreSpin(s, QStringLiteral("questions"), f.sMaxQuestion);
  restoreSpin(s, QStringLiteral("cols"), f.sCols);
  restoreSpin(s, QStringLiteral("rows"), f.sRows);
  restoreSpin(s, QStringLiteral("indent"), f.sIndention);
  if (auto weak = storedBool(s, QStringLiteral("weakFirst"))) f.sWeakFirst->setChecked(*weak);
  if (auto variants = storedBool(s, QStringLiteral("variants"))) f.sVariants->setChecked(*variants);
  if (auto after = storedBool(s, QStringLiteral("afterSpeech")))
    f.fOptions->afterSpeech->setChecked(*after);
  if (auto show = storedBool(s, QStringLiteral("showAnswer")))
    f.fOptions->showAnswer->setChecked(*show);
  // A voice by its engine name; one the engine no longer has is ignored.
  if (s.contains(QStringLiteral("voice"))) {
    const int voice = f.sVoice->findData(s.value(QStringLiteral("voice")).toString());
    if (voice >= 0) f.sVoice->setCurrentIndex(voice);
  }
  // A condition this build does not know is quiet; a level is brought within
  // the staircase's bounds.
  if (s.contains(QStringLiteral("condition")))
    f.setListeningCondition(s.value(QStringLiteral("condition")).toString());
  bool isNumber = false;
  const double noiseDb = s.value(QStringLiteral("noiseDb")).toDouble(&isNumber);
  if (isNumber) f.setNoiseLevelDb(noiseDb);
  const int mode = storedInt(s, QStringLiteral("mode"), 0, 1).value_or(0);
  s.endGroup();

  // The mode item puts the grid in line with the panel, as a click on it does.
  if (mode == 1)
    f.gEasyItems1Click();
  else
    f.gEasyItems0Click();

  s.beginGroup(QStringLiteral("window"));
  const auto x = storedInt(s, QStringLiteral("x"), -100000, 100000);
  const auto y = storedInt(s, QStringLiteral("y"), -100000, 100000);
  const auto width = storedInt(s, QStringLiteral("width"), 200, 20000);
  const auto height = storedInt(s, QStringLiteral("height"), 200, 20000);
  if (x && y && width && height) {
    // Never larger than the screen's available area; the stored position
    // only where a usable part of the window shows on a screen of today.
    std::vector<ScreenRect> areas;
    QList<QScreen*> screens = QGuiApplication::screens();
    if (QScreen* primary = QGuiApplication::primaryScreen()) {
      screens.removeAll(primary);
      screens.prepend(primary);
    }
    for (const QScreen* screen : screens) {
      const QRect a = screen->availableGeometry();
      areas.push_back({a.x(), a.y(), a.width(), a.height()});
    }
    const WindowPlacement p = PlaceStoredWindow({*x, *y, *width, *height}, areas);
    f.resize(std::max(p.width, f.minimumWidth()), std::max(p.height, f.minimumHeight()));
    if (p.position) f.move(p.position->x, p.position->y);
  }
  restoreSplitter(s, QStringLiteral("groupBar"), f.RzSplitter1, true);
  restoreSplitter(s, QStringLiteral("settingsColumn"), f.RzSplitter2, false);
  s.endGroup();
}

}  // namespace ruzdo
