#pragma once

class QCoreApplication;
class QString;

// The catalogues of one language: the program's own, which translates its
// Spanish texts, and Qt's, which translates the standard buttons ("Sí",
// "No", "Aceptar") and the command line parser's messages.
class Translation {
public:
  // Makes `language` (a UiLanguage code) the language of every text from
  // now on: loads its catalogues into translators owned by `app`, installs
  // them and makes it the default locale. Spanish's own catalogue holds
  // only the plurals of the texts with a count. Returns false when a
  // catalogue is missing, in which case the texts it would translate stay as
  // written.
  static bool install(QCoreApplication& app, const QString& language);
};
