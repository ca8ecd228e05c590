#include "presentation/Translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "presentation/UiLanguage.h"

namespace {

// The program's catalogues are built into it (translations/), beside the
// Qt catalogues that Debian does not ship for some of its languages.
const QString kBuiltIn = QStringLiteral(":/i18n");

// Loads the first of `folders` that holds `name`_`language`.qm and
// installs it; false when none does. A catalogue with nothing to translate
// (Qt's English one) counts as found: Qt declines to install it, and needs
// it not.
bool installFirst(QCoreApplication& app, const QString& name, const QString& language, const QStringList& folders) {
  auto* translator = new QTranslator(&app);
  for (const QString& folder : folders) {
    if (!translator->load(name + u'_' + language, folder)) continue;
    if (!translator->isEmpty()) QCoreApplication::installTranslator(translator);
    return true;
  }
  delete translator;
  return false;
}

}  // namespace

bool Translation::install(QCoreApplication& app, const QString& language) {
  QLocale::setDefault(QLocale(language));
  const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  // Qt's buttons: Debian's catalogue of the language; for a language it
  // lacks, Spanish, the program's own, with the few texts built in above it
  // (a translator installed later is asked first).
  const QString qtbase = QStringLiteral("qtbase");
  bool qt = installFirst(app, qtbase, language, {qtFolder});
  if (!qt) {
    qt = installFirst(app, qtbase, UiLanguage::source(), {qtFolder});
    installFirst(app, qtbase, language, {kBuiltIn});
  }
  // Spanish has one too, for the singular of the texts with a count.
  return installFirst(app, QStringLiteral("factorix"), language, {kBuiltIn}) && qt;
}
