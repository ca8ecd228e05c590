#include <QtTest>

#include <vector>

#include "presentation/UiLanguage.h"

// Which language a run speaks: the user's preferences, the option, and the
// raw arguments read before Qt starts.
class TestUiLanguage : public QObject {
  Q_OBJECT

private slots:
  void fromPreferences_data() {
    QTest::addColumn<QStringList>("preferences");  // as QLocale::uiLanguages() gives them
    QTest::addColumn<QString>("language");
    QTest::newRow("Catalan") << QStringList{"ca-ES", "ca-Latn-ES", "ca"} << "ca";
    QTest::newRow("Valencian") << QStringList{"ca-ES-valencia", "ca"} << "ca";
    QTest::newRow("Galician") << QStringList{"gl-ES", "gl"} << "gl";
    QTest::newRow("Basque, in France") << QStringList{"eu-FR", "eu"} << "eu";
    QTest::newRow("English") << QStringList{"en-US", "en-Latn-US", "en"} << "en";
    QTest::newRow("Spanish") << QStringList{"es-ES", "es"} << "es";
    QTest::newRow("Spanish before Catalan") << QStringList{"es-ES", "ca-ES"} << "es";
    QTest::newRow("C") << QStringList{"C"} << "es";
    QTest::newRow("C before Catalan") << QStringList{"C", "ca"} << "es";
    QTest::newRow("nothing") << QStringList{} << "es";
    QTest::newRow("untranslated") << QStringList{"fr-FR", "fr"} << "es";
    QTest::newRow("untranslated, then Galician") << QStringList{"fr", "fr-FR", "gl", "gl-ES"} << "gl";
    QTest::newRow("a language that only starts like one") << QStringList{"cat", "enm", "gle"} << "es";
  }

  void fromPreferences() {
    QFETCH(QStringList, preferences);
    QFETCH(QString, language);
    QCOMPARE(UiLanguage::fromPreferences(preferences), language);
  }

  void option_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("value");  // "(none)" when the option is absent
    QTest::addColumn<QStringList>("left");  // withoutOption
    QTest::newRow("none") << QStringList{"f", "--calcular", "1"} << "(none)" << QStringList{"f", "--calcular", "1"};
    QTest::newRow("separate") << QStringList{"f", "--idioma", "ca"} << "ca" << QStringList{"f"};
    QTest::newRow("joined") << QStringList{"f", "--calcular", "1", "--idioma=eu"} << "eu"
                            << QStringList{"f", "--calcular", "1"};
    QTest::newRow("the last counts") << QStringList{"f", "--idioma", "ca", "--idioma=en"} << "en" << QStringList{"f"};
    QTest::newRow("unknown stays for the parser") << QStringList{"f", "--idioma", "fr"} << "fr"
                                                  << QStringList{"f", "--idioma", "fr"};
    QTest::newRow("no value") << QStringList{"f", "--idioma"} << "" << QStringList{"f", "--idioma"};
    QTest::newRow("after --, a value") << QStringList{"f", "--calcular", "--", "--idioma=ca"} << "(none)"
                                       << QStringList{"f", "--calcular", "--", "--idioma=ca"};
    QTest::newRow("a longer option") << QStringList{"f", "--idiomas", "ca"} << "(none)"
                                     << QStringList{"f", "--idiomas", "ca"};
  }

  void option() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, value);
    QFETCH(QStringList, left);
    QCOMPARE(UiLanguage::optionValue(arguments).value_or(QStringLiteral("(none)")), value);
    QCOMPARE(UiLanguage::withoutOption(arguments), left);
  }

  // The raw arguments agree with the parsed ones on what the option takes.
  void optionLength_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("length");  // from index 1
    QTest::newRow("separate") << QStringList{"f", "--idioma", "ca"} << 2;
    QTest::newRow("joined") << QStringList{"f", "--idioma=ca"} << 1;
    QTest::newRow("last, without its value") << QStringList{"f", "--idioma"} << 0;
    QTest::newRow("unknown") << QStringList{"f", "--idioma", "fr"} << 0;
    QTest::newRow("unknown, joined") << QStringList{"f", "--idioma=", "ca"} << 0;
    QTest::newRow("another option") << QStringList{"f", "--calcular", "1"} << 0;
    QTest::newRow("a longer option") << QStringList{"f", "--idiomas=ca"} << 0;
  }

  void optionLength() {
    QFETCH(QStringList, arguments);
    QFETCH(int, length);
    std::vector<QByteArray> bytes;
    for (const QString& argument : arguments) bytes.push_back(argument.toUtf8());
    std::vector<const char*> argv;
    for (const QByteArray& argument : bytes) argv.push_back(argument.constData());
    QCOMPARE(UiLanguage::optionLength(int(argv.size()), argv.data(), 1), length);
  }
};

QTEST_GUILESS_MAIN(TestUiLanguage)
#include "tst_uilanguage.moc"
