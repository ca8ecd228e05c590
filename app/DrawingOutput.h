#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

#include "documents/DocumentFormat.h"

class QCommandLineParser;

// How the drawing commands end: a usage error says what is wrong and
// points to --help (status 2), a failure says why nothing was written
// (status 1), and what they print goes to standard output whole.
namespace DrawingOutput {

int usageError(const QString& problem);
int failure(const QString& message);
// A failure whose message already names the program.
int namedFailure(const QString& message);
// False when standard output could not take `bytes`.
bool write(const QByteArray& bytes);
// The form of a document: --formato, else the ending of --salida, else
// text; nullopt with `problem` set when neither can be used, or for a PDF
// without a file.
std::optional<DocumentFormat> chosenFormat(const QCommandLineParser& parser, QString& problem);

}  // namespace DrawingOutput
