#pragma once

class QCommandLineParser;

// `factorix --grafica TEXTO [--salida ARCHIVO.svg|.png] [--tamano
// ANCHOxALTO] [--descripcion]`: the picture of the graph (800×600 unless
// --tamano says otherwise) and/or its description on standard output.
// Returns an ExitStatus.
int RunGraphCommand(const QCommandLineParser& parser);
