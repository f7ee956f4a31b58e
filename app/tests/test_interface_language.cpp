// The interface's language: which one the system and the setting choose.
#include <QTest>
#include <string>
#include <vector>

#include "core/interface_language.h"

using ruzdo::InterfaceLanguage;

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
};

QTEST_MAIN(TestInterfaceLanguage)
#include "test_interface_language.moc"
