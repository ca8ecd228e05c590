#pragma once

#include <QByteArray>
#include <QPageLayout>
#include <QString>

#include <functional>

class QPdfWriter;

// Writing a document's file whole or not at all: into a temporary file
// beside it, renamed over it only when everything was written. Each call
// returns an empty string on success, else the reason for the failure.
namespace DocumentFiles {

QString writeBytes(const QString& path, const QByteArray& bytes);
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
