#include "cli/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <cstring>
#include <vector>

#include "cli/DrawingCommands.h"
#include "cli/ExitStatus.h"
#include "cli/TextCommand.h"
#include "cli/TextRunner.h"
#include "presentation/UiLanguage.h"

namespace {

const QString kStandardInput = QStringLiteral("-");

void write(std::FILE* stream, const QByteArray& bytes) {
  std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

int usageError(const QString& what) {
  std::fflush(stdout);
  write(stderr, CommandLine::tr("%1: %2\nPruebe «%1 --help» para más información.\n")
                    .arg(QCoreApplication::applicationName(), what)
                    .toUtf8());
  return kUsage;
}

QString versionText() {
  return CommandLine::tr(
             "%1 %2\n"
             "Copyright (C) 2026 Equipo de Factorix.\n"
             "Licencia GPLv3+: GNU GPL versión 3 o posterior <https://gnu.org/licenses/gpl.html>.\n"
             "Esto es software libre: puede modificarlo y redistribuirlo.\n"
             "No hay NINGUNA GARANTÍA, en la medida que lo permita la ley.\n")
      .arg(QCoreApplication::applicationName(), QCoreApplication::applicationVersion());
}

// What --help calls the value of every option that takes a polynomial.
constexpr const char* kTextValueName = "TEXTO";

// Whether `argument` is an option whose value is a TEXTO: a text command,
// or a drawing command that takes one (--grafica).
bool takesText(const QString& argument) {
  if (!argument.startsWith(QLatin1String("--"))) return false;
  const QStringView name = QStringView(argument).mid(2);
  for (const TextCommand& command : textCommands())
    if (name == QLatin1String(command.option)) return true;
  for (const DrawingCommand& command : drawingCommands())
    if (command.valueName && std::strcmp(command.valueName, kTextValueName) == 0 &&
        name == QLatin1String(command.option))
      return true;
  return false;
}

// "--calcular -- TEXTO": the "--" ends the options, so that a TEXTO that
// begins with signs ("--x-2") is not read as one. The parser would take the
// "--" as the value, so the option and TEXTO become "--calcular=TEXTO"; the
// "--" stays after them, and whatever follows is an operand, as after any
// "--", never an option.
QStringList withTextAfterEndOfOptions(QStringList arguments) {
  for (qsizetype i = 1; i + 2 < arguments.size(); ++i) {
    if (arguments[i] == QLatin1String("--")) break;  // operands from here on
    if (arguments[i + 1] != QLatin1String("--") || !takesText(arguments[i])) continue;
    arguments[i] += u'=' + arguments[i + 2];
    arguments.remove(i + 2);
    break;
  }
  return arguments;
}

// Every option of the command line, declared on one parser.
struct Options {
  QCommandLineParser parser;
  // Qt's own help and version options describe themselves in English.
  QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("?")},
                          CommandLine::tr("Muestra esta ayuda.")};
  QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                             CommandLine::tr("Muestra la versión y la licencia.")};
  QCommandLineOption padText{
      QStringLiteral("texto"),
      CommandLine::tr("Escribe las líneas en la codificación de la casilla de fórmula (2xe2 por 2x²).")};
  QCommandLineOption json{QStringLiteral("json"),
                          CommandLine::tr("Con --pasos, escribe la solución como un objeto JSON en una línea por polinomio.")};
  // Chosen before the parser exists (main), so that every text is in it;
  // declared here to be listed and checked.
  QCommandLineOption language{QLatin1String(UiLanguage::kOption),
                              CommandLine::tr("Muestra los textos en IDIOMA: es (español), ca (català), "
                                              "gl (galego), eu (euskara) o en (English). Por omisión, "
                                              "el idioma del sistema, y el español si no es ninguno de ellos."),
                              CommandLine::tr("IDIOMA")};
  std::vector<QCommandLineOption> textOptions;     // as textCommands() lists them
  std::vector<QCommandLineOption> drawingOptions;  // as drawingCommands() lists them

  Options() {
    parser.setApplicationDescription(CommandLine::tr(
        "Descompone un polinomio en x con coeficientes enteros por sus raíces enteras.\n"
        "Sin opciones abre la ventana del programa.\n\n"
        "TEXTO es el polinomio tal como lo guarda la casilla de fórmula (2xe3+0xe2+0x-16,\n"
        "con «e» delante de cada cifra elevada) o tal como se ve (2x³+0x²+0x-16), o\n"
        "escrito como se suele escribir: \"x^3 - 8\", \"X**2-1\", \"−16 + 2x³\", \"x^2 - 1 = 0\".\n\n"
        "Estado de salida: 0 si solo se escribieron líneas, 1 si un cálculo terminó\n"
        "con un mensaje de error, 2 si las opciones no son válidas."));
    parser.addOption(help);
    parser.addOption(version);
    for (const TextCommand& command : textCommands()) {
      textOptions.emplace_back(QString::fromLatin1(command.option), CommandLine::tr(command.description),
                               CommandLine::tr("TEXTO"));
      parser.addOption(textOptions.back());
    }
    for (const DrawingCommand& command : drawingCommands()) {
      const QString valueName = command.valueName ? CommandLine::tr(command.valueName) : QString();
      drawingOptions.emplace_back(QString::fromLatin1(command.option), CommandLine::tr(command.description),
                                  valueName);
      parser.addOption(drawingOptions.back());
    }
    parser.addOption(padText);
    parser.addOption(json);
    parser.addOption(language);
  }
};

// The first drawing command the call names, if any.
const DrawingCommand* drawingCommandOf(const Options& options) {
  for (size_t i = 0; i < options.drawingOptions.size(); ++i) {
    if (options.parser.isSet(options.drawingOptions[i])) return &drawingCommands()[i];
  }
  return nullptr;
}

int runDrawing(const DrawingCommand& command, const QCommandLineParser& parser,
               std::span<const DrawingHandler> handlers) {
  for (const DrawingHandler& handler : handlers) {
    if (std::strcmp(handler.option, command.option) == 0) return handler.run(parser);
  }
  std::fflush(stdout);
  write(stderr, CommandLine::tr("%1: --%2 dibuja y solo la ejecuta el programa de la ventana.\n")
                    .arg(QCoreApplication::applicationName(), QString::fromLatin1(command.option))
                    .toUtf8());
  return kMessage;
}

int runText(const TextCommand& command, const QString& text, bool padText) {
  const TextRunner runner(command, padText);
  const int status = text == kStandardInput ? runner.runStandardInput() : runner.runText(text);
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
    write(stderr, CommandLine::tr("%1: no se pudo escribir la salida.\n")
                      .arg(QCoreApplication::applicationName())
                      .toUtf8());
    return kMessage;
  }
  return status;
}

}  // namespace

void CommandLine::nameApplication() {
  QCoreApplication::setApplicationName(QStringLiteral("factorix"));
  QCoreApplication::setApplicationVersion(QStringLiteral(FACTORIX_VERSION));
}

int CommandLine::run(const QStringList& arguments, std::span<const DrawingHandler> drawing) {
  Options options;
  QCommandLineParser& parser = options.parser;
  if (!parser.parse(withTextAfterEndOfOptions(arguments))) return usageError(parser.errorText());
  const QStringList languages = parser.values(options.language);
  if (languages.size() > 1)
    return usageError(CommandLine::tr("--%1 se indica una sola vez.").arg(QLatin1String(UiLanguage::kOption)));
  for (const QString& language : languages) {
    if (!UiLanguage::isKnown(language))
      return usageError(CommandLine::tr("idioma desconocido: «%1»; elija uno de estos: %2.")
                            .arg(language, UiLanguage::known().join(QStringLiteral(", "))));
  }
  if (parser.isSet(options.help)) {
    write(stdout, parser.helpText().toUtf8());
    return kLinesOnly;
  }
  if (parser.isSet(options.version)) {
    write(stdout, versionText().toUtf8());
    return kLinesOnly;
  }
  if (!parser.positionalArguments().isEmpty())
    return usageError(CommandLine::tr("argumento inesperado: «%1».").arg(parser.positionalArguments().first()));
  if (const DrawingCommand* command = drawingCommandOf(options)) return runDrawing(*command, parser, drawing);

  const TextCommand* chosen = nullptr;
  QString text;
  for (size_t i = 0; i < options.textOptions.size(); ++i) {
    const QStringList values = parser.values(options.textOptions[i]);
    if (values.isEmpty()) continue;
    if (chosen || values.size() > 1) return usageError(CommandLine::tr("indique una sola orden y un solo TEXTO."));
    chosen = &textCommands()[i];
    text = values.first();
  }
  if (!chosen) return usageError(CommandLine::tr("falta la orden, por ejemplo --calcular TEXTO."));
  if (parser.isSet(options.json) && !(chosen = jsonForm(*chosen)))
    return usageError(CommandLine::tr("--json solo acompaña a --pasos."));
  return runText(*chosen, text, parser.isSet(options.padText));
}
