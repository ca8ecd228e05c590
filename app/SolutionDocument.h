#pragma once

#include <QCoreApplication>
#include <QString>

#include "app/SolutionSheet.h"
#include "documents/DocumentFormat.h"

class QMimeData;

// «Resolución paso a paso» as the documents that leave the program: the
// plain text the command line prints, HTML with the tables as tables and
// exponents raised, LaTeX with the Ruffini tables as `array`s laid out as
// in class, and the PDF of SolutionPages. Each is written from the sheet
// the window shows; the graph goes in as a picture.
class SolutionDocument {
  Q_DECLARE_TR_FUNCTIONS(SolutionDocument)

public:
  // `sheet` must outlive this object.
  explicit SolutionDocument(const SolutionSheet& sheet) : sheet_(sheet) {}

  static QString title();

  // A whole HTML page; the graph as a PNG inside it.
  QString html() const;
  // The work as LaTeX for a document of one's own: the tables as arrays,
  // the rest as text; no graph.
  QString latexFragment() const;
  // A complete LaTeX document; `figure`, when not empty, is the file name of
  // the graph's picture beside it.
  QString latex(const QString& figure = {}) const;
  // What «Copiar» puts on the clipboard: text/plain and text/html.
  QMimeData* mimeData() const;

  // Writes the file in `format` (text, HTML, LaTeX or PDF; JSON is not a
  // form of the sheet) whole or not at all; a LaTeX document gets its
  // graph in a PNG file beside it, named after it and replaced only with it
  // (none beside a stream such as /dev/stdout). Returns an empty string on
  // success, else the reason for the failure.
  QString write(const QString& path, DocumentFormat format) const;
  // The graph's picture beside a LaTeX document at `path`: "f.tex" → "f-grafica.png".
  static QString figurePath(const QString& path);

private:
  QString htmlTable(const SheetTable& table) const;
  QString latexTable(const SheetTable& table) const;

  const SolutionSheet& sheet_;
};
