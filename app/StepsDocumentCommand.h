#pragma once

class QCommandLineParser;

// `factorix --pasos TEXTO --formato texto|json|html|latex|pdf [--salida
// ARCHIVO]`: the worked solution as a document, on standard output or in a
// file (a PDF only in a file); the format follows --formato, else the
// file's ending. Returns an ExitStatus.
int RunStepsDocument(const QCommandLineParser& parser);

// --salida and --formato: the worked solution's document with --pasos,
// else an option named without its command.
int RunDocumentOption(const QCommandLineParser& parser);
