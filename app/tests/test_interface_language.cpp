// The interface's language: which one the system and the setting choose,
// every text of the windows translated in English, and the Russian texts of
// the designed controls as designed.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QChart>
#include <QChartView>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <algorithm>
#include <string>
#include <vector>

#include "core/interface_language.h"
#include "drill_fixture.h"
#include "history/history_window.h"
#include "history/value_summary_model.h"
#include "training_options_window.h"
#include "uAboutFrm.h"

using ruzdo::InterfaceLanguage;

namespace {

// Every text of window and its children that a user reads or a screen
// reader says, each as "objectName what: text".
QStringList textsOf(QWidget* window) {
  QStringList out;
  const auto add = [&out](const QObject* o, const char* what, const QString& text) {
    if (!text.isEmpty()) out << QStringLiteral("%1 %2: %3").arg(o->objectName(), what, text);
  };
  QList<QWidget*> all = window->findChildren<QWidget*>();
  all.prepend(window);
  for (QWidget* w : all) {
    add(w, "title", w->windowTitle());
    add(w, "tool tip", w->toolTip());
    add(w, "accessible name", w->accessibleName());
    add(w, "accessible description", w->accessibleDescription());
    if (QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w)) {
      add(w, "name", a->text(QAccessible::Name));
      add(w, "description", a->text(QAccessible::Description));
    }
    if (auto* l = qobject_cast<QLabel*>(w)) add(w, "text", l->text());
    if (auto* b = qobject_cast<QAbstractButton*>(w)) add(w, "text", b->text());
    if (auto* g = qobject_cast<QGroupBox*>(w)) add(w, "title", g->title());
    if (auto* e = qobject_cast<QLineEdit*>(w)) add(w, "placeholder", e->placeholderText());
    if (auto* c = qobject_cast<QComboBox*>(w)) {
      for (int i = 0; i < c->count(); ++i) {
        add(w, "item", c->itemText(i));
        add(w, "item tool tip", c->itemData(i, Qt::ToolTipRole).toString());
      }
    }
    if (auto* t = qobject_cast<QTabWidget*>(w)) {
      for (int i = 0; i < t->count(); ++i) add(w, "tab", t->tabText(i));
    }
    if (auto* v = qobject_cast<QAbstractItemView*>(w); v && v->model()) {
      const QAbstractItemModel* m = v->model();
      for (int c = 0; c < m->columnCount(); ++c) {
        add(w, "header", m->headerData(c, Qt::Horizontal).toString());
        for (int r = 0; r < m->rowCount(); ++r) add(w, "cell", m->index(r, c).data().toString());
      }
    }
    if (auto* v = qobject_cast<QChartView*>(w)) {
      add(w, "chart title", v->chart()->title());
      for (const QAbstractAxis* axis : v->chart()->axes()) add(w, "axis", axis->titleText());
    }
  }
  return out;
}

// A window of each kind, with a run's lines shown and a history to list:
// the main window, «Параметры обучения», the history and About.
struct AllWindows {
  QTemporaryDir dir;
  DrillFixture d;
  TfAbout about{&d.form};
  AllWindows() {
    d.form.setAboutWindow(&about);
    d.form.openHistory(dir.path());
    d.setRange(tanNone, 0, 9);
    d.form.bStartClick();
    for (int i = 0; i < 3; ++i) {
      d.form.tMainTimer();
      d.clickPlate(i == 0 ? 9 : 1);
    }
    d.form.bStopClick();
    d.form.RzGroup1Items1Click();
    d.form.RzGroup1Items2Click();
    about.show();
  }
  QList<QWidget*> windows() { return {&d.form, d.form.fOptions, d.form.fHistory, &about}; }
};

}  // namespace

class TestInterfaceLanguage : public QObject {
  Q_OBJECT
 private slots:
  // The system's languages as Qt reads them from LANGUAGE, LC_ALL,
  // LC_MESSAGES and LANG, most wanted first.
  void languageChoice_data() {
    QTest::addColumn<QString>("setting");
    QTest::addColumn<QStringList>("system");
    QTest::addColumn<bool>("english");
    const QStringList usEnglish{"en-US", "en-Latn-US", "en"};
    QTest::newRow("English system") << "" << usEnglish << true;
    QTest::newRow("British English") << "" << QStringList{"en-GB", "en-Latn-GB"} << true;
    QTest::newRow("Russian system") << "" << QStringList{"ru-RU", "ru"} << false;
    QTest::newRow("C locale") << "" << QStringList{"C"} << false;
    QTest::newRow("no language at all") << "" << QStringList{} << false;
    QTest::newRow("German") << "" << QStringList{"de-DE", "de"} << false;
    QTest::newRow("German, then English") << "" << QStringList{"de", "en"} << true;
    QTest::newRow("French, then Russian, then English")
        << "" << QStringList{"fr", "ru", "en"} << false;
    QTest::newRow("locale name as written") << "" << QStringList{"en_US.UTF-8"} << true;
    QTest::newRow("Russian chosen on English") << "ru" << usEnglish << false;
    QTest::newRow("English chosen on C") << "en" << QStringList{"C"} << true;
    QTest::newRow("unknown setting is the system's") << "fr" << usEnglish << true;
  }
  void languageChoice() {
    QFETCH(QString, setting);
    QFETCH(QStringList, system);
    QFETCH(bool, english);
    std::vector<std::string> tags;
    for (const QString& tag : system) tags.push_back(tag.toStdString());
    QCOMPARE(
        ruzdo::ChooseInterfaceLanguage(setting.toStdString(), tags) == InterfaceLanguage::English,
        english);
  }

  // In English no text is Cyrillic: a text added without its translation
  // fails here. The languages' list names Russian in Russian on purpose.
  void englishWindowsHaveNoCyrillic() {
    QTranslator english;
    QVERIFY(english.load(QStringLiteral(":/translations/ruzdo_en.qm")));
    QCoreApplication::installTranslator(&english);
    AllWindows w;
    QTRY_VERIFY(w.d.form.fHistory->values->rowCount() > 0);
    const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
    QStringList russian;
    int texts = 0;
    for (QWidget* window : w.windows()) {
      for (const QString& text : textsOf(window)) {
        ++texts;
        if (cyrillic.match(text).hasMatch() && !text.endsWith(QStringLiteral(": Русский")))
          russian << text;
      }
    }
    QCoreApplication::removeTranslator(&english);
    QVERIFY2(russian.isEmpty(), qPrintable(russian.join(QLatin1Char('\n'))));
    QVERIFY(texts > 100);
  }

  // The designed controls read in Russian word for word as designed.
  void russianTextsAsDesigned_data() {
    QTest::addColumn<int>("window");  // in AllWindows::windows()
    QTest::addColumn<QString>("text");
    const char* mainTexts[] = {"Простые",
                               "Числа",
                               "Последовательности чисел",
                               "Средние",
                               "Сложные",
                               "Справка",
                               "О программе",
                               "История ответов",
                               "Параметры обучения",
                               "Параметры генерации",
                               "Минимальное значение:",
                               "Максимальное значение:",
                               "Счетный суффикс:",
                               "Шаблон:",
                               "Скорость\nречи:",
                               "Интервал \n (шаг 0.5с):",
                               "Количество вопросов:",
                               "Параметры поля выбора",
                               "Количество столбцов:",
                               "Количество строк:",
                               "Отступ первой плашки:",
                               "Применить",
                               "Отмена",
                               "Статистика",
                               "Текущий вопрос:",
                               "Количество ошибок:",
                               "Start",
                               "Stop",
                               "Pause",
                               "Нет",
                               "2,0 с",
                               "90 %"};
    for (const char* text : mainTexts) QTest::newRow(text) << 0 << QString::fromUtf8(text);
    QTest::newRow("options") << 1 << QStringLiteral("Параметры обучения");
    QTest::newRow("history") << 2 << QStringLiteral("История ответов");
    QTest::newRow("About") << 3 << QStringLiteral("О программе");
  }
  void russianTextsAsDesigned() {
    QFETCH(int, window);
    QFETCH(QString, text);
    AllWindows w;
    const QString suffix = QStringLiteral(": ") + text;
    const QStringList texts = textsOf(w.windows()[window]);
    QVERIFY2(std::any_of(texts.begin(), texts.end(),
                         [&suffix](const QString& t) { return t.endsWith(suffix); }),
             qPrintable(texts.join(QLatin1Char('\n'))));
  }
};

QTEST_MAIN(TestInterfaceLanguage)
#include "test_interface_language.moc"
