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
#include "training_options.h"
#include "training_options_window.h"
#include "widgets/pane_splitter.h"

namespace ruzdo {
namespace {

// The value if it is an integer in min ... max.
std::optional<int> intIn(const QVariant& v, int min, int max) {
  if (!v.isValid()) return std::nullopt;
  bool ok = false;
  const int x = v.toString().toInt(&ok);
  if (!ok || x < min || x > max) return std::nullopt;
  return x;
}

// The stored integer under key if it is one and lies in min ... max.
std::optional<int> storedInt(const QSettings& s, const QString& key, int min, int max) {
  return intIn(s.value(key), min, max);
}

std::optional<bool> storedBool(const QSettings& s, const QString& key) {
  const QString v = s.value(key).toString();
  if (v == QLatin1String("true")) return true;
  if (v == QLatin1String("false")) return false;
  return std::nullopt;
}

std::optional<QVariant> asVariant(std::optional<int> x) {
  if (!x) return std::nullopt;
  return *x;
}

// A key of the "panel" group other than the options of «Параметры
// обучения» (those are kept by their own table): what is stored, the stored
// value if the panel takes it, and how it is put back.
struct PanelKey {
  const char* key;
  QVariant (*get)(const TMainForm&);
  std::optional<QVariant> (*read)(const TMainForm&, const QVariant&);
  void (*put)(TMainForm&, const QVariant&);
  bool last = false;  // put back after the options: it builds the grid
};

// A spin edit's or track bar's value, within its range.
template <auto control>
constexpr PanelKey number(const char* key) {
  return {key, [](const TMainForm& f) { return QVariant((f.*control)->value()); },
          [](const TMainForm& f, const QVariant& v) {
            return asVariant(intIn(v, (f.*control)->minimum(), (f.*control)->maximum()));
          },
          [](TMainForm& f, const QVariant& v) { (f.*control)->setValue(v.toInt()); }};
}

// In the order they are put back; a missing or damaged value keeps the
// control's default.
constexpr PanelKey kPanelKeys[] = {
    number<&TMainForm::sMinRuzdo>("min"),
    number<&TMainForm::sMaxRuzdo>("max"),
    {"counter", [](const TMainForm& f) { return QVariant(f.sTani->currentIndex()); },
     [](const TMainForm& f, const QVariant& v) {
       return asVariant(intIn(v, 0, f.sTani->count() - 1));
     },
     [](TMainForm& f, const QVariant& v) { f.sTani->setCurrentIndex(v.toInt()); }},
    {"template", [](const TMainForm& f) { return QVariant(f.sTemplate->text()); },
     [](const TMainForm& f, const QVariant& v) -> std::optional<QVariant> {
       if (!v.isValid() || v.toString().size() > f.sTemplate->maxLength()) return std::nullopt;
       return v.toString();
     },
     [](TMainForm& f, const QVariant& v) { f.sTemplate->setText(v.toString()); }},
    number<&TMainForm::sSpechSpeed>("speed"),
    number<&TMainForm::sTimerInterval>("interval"),
    number<&TMainForm::sMaxQuestion>("questions"),
    number<&TMainForm::sCols>("cols"),
    number<&TMainForm::sRows>("rows"),
    number<&TMainForm::sIndention>("indent"),
    // Brought within the staircase's bounds by the setter.
    {"noiseDb", [](const TMainForm& f) { return QVariant(f.noiseLevelDb()); },
     [](const TMainForm&, const QVariant& v) -> std::optional<QVariant> {
       bool isNumber = false;
       const double db = v.toDouble(&isNumber);
       if (!isNumber) return std::nullopt;
       return db;
     },
     [](TMainForm& f, const QVariant& v) { f.setNoiseLevelDb(v.toDouble()); }},
    // Always put back (the numbers mode when missing): the mode item puts the
    // grid in line with the panel, as a click on it does.
    {"mode", [](const TMainForm& f) { return QVariant(static_cast<int>(f.Mode)); },
     [](const TMainForm&, const QVariant& v) -> std::optional<QVariant> {
       return intIn(v, 0, static_cast<int>(ruzdo::kLastLesson)).value_or(0);
     },
     [](TMainForm& f, const QVariant& v) {
       if (v.toInt() == 1)
         f.gEasyItems1Click();
       else if (v.toInt() == 0)
         f.gEasyItems0Click();
       else
         f.SwitchMode(static_cast<ruzdo::DrillMode>(v.toInt()));
     },
     true},
};

std::size_t keyIndex(std::string_view key) {
  for (std::size_t i = 0; i < std::size(kPanelKeys); ++i)
    if (key == kPanelKeys[i].key) return i;
  return std::size(kPanelKeys);
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
  for (const PanelKey& k : kPanelKeys) s.setValue(QLatin1String(k.key), k.get(f));
  for (const TrainingOption& o : TrainingOptions())
    s.setValue(QLatin1String(o.key), f.fOptions->value(o));
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
  // «Параметры обучения» where the learner moved it (its frame, as move() takes it).
  if (const auto at = f.fOptions->movedTo()) {
    s.setValue(QStringLiteral("options/x"), at->x());
    s.setValue(QStringLiteral("options/y"), at->y());
  }
  s.endGroup();
}

void RestorePanelSettings(TMainForm& f, QSettings& s) {
  if (s.childGroups().isEmpty()) return;

  s.beginGroup(QStringLiteral("panel"));
  std::vector<std::optional<QVariant>> stored;
  for (const PanelKey& k : kPanelKeys) {
    const QVariant v = s.value(QLatin1String(k.key));
    stored.push_back(k.read(f, v));
  }
  // The range only as a pair the panel would accept.
  auto& min = stored[keyIndex("min")];
  auto& max = stored[keyIndex("max")];
  if (!min || !max || max->toInt() - min->toInt() >= 100) min = max = std::nullopt;
  const auto put = [&](bool last) {
    for (std::size_t i = 0; i < std::size(kPanelKeys); ++i)
      if (kPanelKeys[i].last == last && stored[i]) kPanelKeys[i].put(f, *stored[i]);
  };
  put(false);
  for (const TrainingOption& o : TrainingOptions()) {
    const QString key = QLatin1String(o.key);
    if (o.kind == OptionKind::Check) {
      if (auto on = storedBool(s, key)) f.fOptions->setValue(o, *on);
    } else if (s.contains(key)) {
      // A value the list no longer has (a voice gone from the engine, a
      // condition this build does not know) leaves the list as it is.
      f.fOptions->setValue(o, s.value(key).toString());
    }
  }
  put(true);
  s.endGroup();

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
  const auto optionsX = storedInt(s, QStringLiteral("options/x"), -100000, 100000);
  const auto optionsY = storedInt(s, QStringLiteral("options/y"), -100000, 100000);
  if (optionsX && optionsY) f.fOptions->setMovedTo({*optionsX, *optionsY});
  s.endGroup();
}

}  // namespace ruzdo
