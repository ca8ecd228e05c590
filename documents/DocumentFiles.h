#pragma once

#include <QByteArray>
#include <QPageLayout>
#include <QString>

#include <functional>
#include <utility>
#include <vector>

class QPdfWriter;

// Writing a document's file whole or not at all: into a temporary file
// beside it, renamed over it only when everything was written. A device, a
// FIFO or a socket (/dev/stdout, /dev/null, a pipe) has nothing to keep
// whole and cannot be renamed over: it is written straight. Each call
// returns an empty string on success, else the reason for the failure.
namespace DocumentFiles {

// A file's path and all its bytes.
using FileBytes = std::pair<QString, QByteArray>;

QString writeBytes(const QString& path, const QByteArray& bytes);
// Several files that belong together (a document and its picture): none is
// replaced unless every one was written out, then each is put in place in
// the order given, stopping at the first that fails.
QString writeFiles(const std::vector<FileBytes>& files);
// True when `path` names an existing device, FIFO or socket, or a link to
// one: a stream written straight, with no folder to put other files beside.
bool isStream(const QString& path);
// The pages of the documents the program prints or writes as PDF: A4,
// portrait, with 20 mm margins.
QPageLayout pageLayout();
// An A4 PDF of `html` (QTextDocument's subset of HTML and CSS) whose text
// can be selected and searched; `title` goes into its properties.
QString writePdf(const QString& path, const QString& html, const QString& title);
// A PDF of pageLayout() at `resolution` dots per inch, drawn by
// `draw`, which returns an empty string or why it could not draw.
QString writePdf(const QString& path, const QString& title, int resolution,
                 const std::function<QString(QPdfWriter&)>& draw);

}  // namespace DocumentFiles
