#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The language the program speaks in one run. Its texts are written in
// Spanish; catalogues translate them into Catalan (which Valencian schools
// read too), Galician, Basque and English. The language follows the user's
// preferences, and the option "--idioma CODE" overrides them for one run.
// Codes are ISO 639-1: "es", "ca", "gl", "eu", "en".
class UiLanguage {
public:
  // The option's name on the command line, without "--".
  static constexpr const char* kOption = "idioma";

  // "es": the language the texts are written in, which needs no catalogue.
  static QString source();
  // Every language the program speaks, Spanish first.
  static QStringList known();
  static bool isKnown(const QString& code);

  // The first of `preferences` (QLocale::uiLanguages(): "ca-ES", "ca", …,
  // most wanted first) that the program speaks; Spanish when the list names
  // none, or reaches "C" (the untranslated locale) first.
  static QString fromPreferences(const QStringList& preferences);
  // The user's language from the system's locale (LANGUAGE, LC_ALL,
  // LC_MESSAGES, LANG).
  static QString fromSystem();

  // The value of the last language option among `arguments` (the program's
  // name first): "--idioma CODE" or "--idioma=CODE", before a lone "--".
  // Empty when the option has no value.
  static std::optional<QString> optionValue(const QStringList& arguments);
  // The language of this run: the option's, when it names a known language;
  // otherwise the system's.
  static QString forRun(const QStringList& arguments);
  // `arguments` without the language options that name a known language:
  // what is left for the rest of the program to act on.
  static QStringList withoutOption(QStringList arguments);

  // How many of the raw arguments from argv[index] on make up a language
  // option with a known CODE: 2 for "--idioma CODE", 1 for "--idioma=CODE",
  // 0 for anything else (the option without a value or with an unknown one
  // too). For decisions taken before Qt starts.
  static int optionLength(int argc, const char* const* argv, int index);
};
