#include "presentation/SpanishTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool SpanishTranslation::install(QCoreApplication& app) {
  auto* translator = new QTranslator(&app);
  const QLocale spanish(QLocale::Spanish);
  if (!translator->load(spanish, QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return false;
  }
  QLocale::setDefault(spanish);
  return QCoreApplication::installTranslator(translator);
}
