#pragma once

#include <QByteArray>
#include <QString>

// How the drawing commands end: a usage error says what is wrong and
// points to --help (status 2), a failure says why nothing was written
// (status 1), and what they print goes to standard output whole.
namespace DrawingOutput {

int usageError(const QString& problem);
int failure(const QString& message);
// False when standard output could not take `bytes`.
bool write(const QByteArray& bytes);

}  // namespace DrawingOutput
