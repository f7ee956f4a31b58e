#include "command_line.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTranslator>
#include <cstdio>
#include <cstring>

#include "history/history_store.h"
#include "platform/qt_translations.h"

namespace ruzdo {
namespace {

// Russian for the few texts of Qt's command-line parser that the user sees;
// Qt's own translations are not needed for these (and in English, Qt's own
// texts are the ones to show).
class ParserTranslator final : public QTranslator {
 public:
  QString translate(const char* context, const char* sourceText, const char* /*disambiguation*/,
                    int /*n*/) const override {
    struct Text {
      const char* english;
      const char* russian;
    };
    static constexpr Text kTexts[] = {
        {"Usage: %1", "Использование: %1"},
        {"[options]", "[параметры]"},
        {"Options:", "Параметры:"},
        {"Arguments:", "Аргументы:"},
        {"Unknown option '%1'.", "Неизвестный параметр «%1»."},
        {"Unknown options: %1.", "Неизвестные параметры: %1."},
        {"Missing value after '%1'.", "Не указано значение после «%1»."},
        {"Unexpected value after '%1'.", "Лишнее значение после «%1»."},
    };
    if (std::strcmp(context, "QCommandLineParser") != 0) return {};
    for (const Text& text : kTexts) {
      if (std::strcmp(sourceText, text.english) == 0) return QString::fromUtf8(text.russian);
    }
    return {};
  }
  bool isEmpty() const override { return false; }
};

// Options that QGuiApplication and QApplication take from the command line.
constexpr const char* kQtOptionsWithValue[] = {
    "platform",        "platformpluginpath", "platformtheme", "plugin",
    "qwindowgeometry", "qwindowicon",        "qwindowtitle",  "icon",
    "display",         "geometry",           "style",         "stylesheet",
    "session",         "qmljsdebugger",      "title",         "name"};
constexpr const char* kQtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

void print(std::FILE* stream, const QString& text) {
  std::fputs(text.toUtf8().constData(), stream);
}

// Writes the history as CSV to file, "-" being standard output as for other
// command-line tools; "" when done, else why not.
QString exportTo(HistoryStore& store, const QString& file) {
  if (file != QLatin1String("-")) return store.exportCsv(file) ? QString() : store.errorText();
  QFile out;
  if (!out.open(stdout, QIODevice::WriteOnly)) return out.errorString();
  if (!store.exportCsv(out)) return store.errorText();
  return out.flush() ? QString() : out.errorString();
}

}  // namespace

int handleCommandLine(int argc, char* argv[]) {
  if (argc <= 1) return -1;  // the usual start: nothing to read

  QCoreApplication app(argc, argv);
  // In the language the window would speak: as the settings choose, else the
  // system's.
  const QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Ruzdo"),
                           QStringLiteral("Ruzdo"));
  const InterfaceLanguage language = ChosenInterfaceLanguage(settings);
  InstallInterfaceTexts(&app, language);
  // Installed last, so asked first: the parser's texts as they are written here.
  ParserTranslator parserTexts;
  if (language == InterfaceLanguage::Russian) QCoreApplication::installTranslator(&parserTexts);

  QCommandLineParser parser;
  parser.setApplicationDescription(QCoreApplication::translate(
      "CommandLine", "Ruzdo — тренажёр восприятия японских чисел на слух."));
  // "-platform xcb" as QApplication reads it, not as -p -l -a ...
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  const QCommandLineOption help(
      {QStringLiteral("h"), QStringLiteral("help")},
      QCoreApplication::translate("CommandLine", "Показать эту справку и выйти."));
  const QCommandLineOption version(
      {QStringLiteral("v"), QStringLiteral("version")},
      QCoreApplication::translate("CommandLine", "Показать версию программы и выйти."));
  const QCommandLineOption exportHistory(
      QStringLiteral("export-history"),
      QCoreApplication::translate(
          "CommandLine",
          "Записать историю ответов в ФАЙЛ (CSV, UTF-8; «-» — в стандартный вывод) и выйти."),
      QCoreApplication::translate("CommandLine", "ФАЙЛ"));
  parser.addOption(help);
  parser.addOption(version);
  parser.addOption(exportHistory);
  for (const char* name : kQtOptionsWithValue) {
    QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  }
  for (const char* name : kQtFlags) {
    QCommandLineOption option(QString::fromLatin1(name));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  }

  const QString name = QStringLiteral("ruzdo");
  const QString hint = QCoreApplication::translate("CommandLine", "Справка: %1 --help\n").arg(name);
  if (!parser.parse(QCoreApplication::arguments())) {
    print(stderr, QStringLiteral("%1: %2\n").arg(name, parser.errorText()) + hint);
    return 2;
  }
  if (!parser.positionalArguments().isEmpty()) {
    print(stderr, QCoreApplication::translate("CommandLine", "%1: лишний аргумент «%2».\n")
                          .arg(name, parser.positionalArguments().constFirst()) +
                      hint);
    return 2;
  }
  if (parser.isSet(help)) {
    print(stdout, parser.helpText());
    return 0;
  }
  if (parser.isSet(version)) {
    print(stdout, QStringLiteral("Ruzdo %1\n").arg(QStringLiteral(RUZDO_VERSION)));
    return 0;
  }
  if (parser.isSet(exportHistory)) {
    // The same folder as the program's: its name, then the data location.
    QCoreApplication::setApplicationName(QStringLiteral("Ruzdo"));
    HistoryStore store;
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const QString file = parser.value(exportHistory);
    const QString why = store.open(folder) ? exportTo(store, file) : store.errorText();
    if (!why.isEmpty()) {
      const QString where = file == QLatin1String("-")
                                ? QCoreApplication::translate("CommandLine", "в стандартный вывод")
                                : QCoreApplication::translate("CommandLine", "в «%1»").arg(file);
      print(stderr, QCoreApplication::translate("CommandLine",
                                                "%1: не удалось записать историю ответов %2: %3\n")
                        .arg(name, where, why));
      return 1;
    }
    return 0;
  }
  return -1;
}

}  // namespace ruzdo
