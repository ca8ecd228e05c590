#pragma once

class QCoreApplication;
class QTranslator;

// Qt's own Spanish translation: the standard buttons of every box read
// "Sí", "No", "Aceptar", "Cancelar".
class SpanishTranslation {
public:
  // Loads Qt's Spanish catalogue into a translator owned by `app` and
  // installs it. Returns false when the catalogue is not installed.
  static bool install(QCoreApplication& app);
};
