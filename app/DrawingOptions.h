#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>

// The options of the drawing commands, parsed once, and the way they end
// on a usage error: the program's name, the problem and a pointer to
// --help on standard error, status 2.
struct DrawingOptions {
  QCommandLineParser parser;
  QCommandLineOption graph{QStringLiteral("grafica"), QString(), QStringLiteral("TEXTO")};
  QCommandLineOption sheet{QStringLiteral("ejercicios"), QString(), QStringLiteral("N")};
  QCommandLineOption window{QStringLiteral("hoja")};
  QCommandLineOption output{QStringLiteral("salida"), QString(), QStringLiteral("ARCHIVO")};
  QCommandLineOption size{QStringLiteral("tamano"), QString(), QStringLiteral("ANCHOxALTO")};
  QCommandLineOption describe{QStringLiteral("descripcion")};
  QCommandLineOption degree{QStringLiteral("grado"), QString(), QStringLiteral("G")};
  QCommandLineOption roots{QStringLiteral("raices"), QString(), QStringLiteral("A..B")};
  QCommandLineOption rationals{QStringLiteral("racionales")};
  QCommandLineOption complexFactor{QStringLiteral("complejas")};
  QCommandLineOption seed{QStringLiteral("semilla"), QString(), QStringLiteral("S")};
  QCommandLineOption worked{QStringLiteral("con-pasos")};
  QCommandLineOption format{QStringLiteral("formato"), QString(), QStringLiteral("FORMATO")};

  DrawingOptions();

  enum Status : int { kDone = 0, kMessage = 1, kUsage = 2 };
  // Writes "factorix: <problem>" and the pointer to --help; returns kUsage.
  static int usageError(const QString& problem);
  // Writes "factorix: <message>" on standard error; returns kMessage.
  static int failure(const QString& message);
  // Writes `bytes` to standard output; false when it could not.
  static bool writeOut(const QByteArray& bytes);
};
