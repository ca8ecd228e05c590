#include "app/SolutionDocument.h"

#include <QDir>
#include <QFileInfo>
#include <QMimeData>
#include <QRegularExpression>

#include <algorithm>

#include "app/GraphSection.h"
#include "app/SolutionPages.h"
#include "documents/DocumentFiles.h"
#include "documents/LatexDocument.h"
#include "documents/MathMarkup.h"
#include "graphview/GraphDescription.h"
#include "graphview/GraphImage.h"

namespace {

// The graph's picture: twice the pixels of its drawing, sharp on paper.
constexpr int kPictureScale = 2;
// A LaTeX table is set in bands of columns of at most this many characters
// in all, so that it stays within the width of a page with LaTeX's own
// margins; the space between two columns counts as this many more.
constexpr qsizetype kLatexBandCharacters = 60;
constexpr qsizetype kLatexColumnSpace = 2;

// Inline styles, which survive pasting into a word processor.
const QString kCell = QStringLiteral("padding:0 0.5em;text-align:right");
const QString kRule = QStringLiteral("border-right:1px solid black;");
const QString kLine = QStringLiteral("border-top:1px solid black;");
const QString kApart = QStringLiteral("border-left:1px solid black;");

QString cell(const QString& text, const QString& borders = {}) {
  return QStringLiteral("<td style=\"%1%2\">%3</td>").arg(borders, kCell, MathMarkup::htmlOfShown(text));
}

QString htmlLines(const QString& text) {
  QStringList lines = text.split(u'\n');
  for (QString& line : lines) line = MathMarkup::htmlOfShown(line);
  return QStringLiteral("<p>%1</p>\n").arg(lines.join(QStringLiteral("<br>\n")));
}

QString latexLines(const QString& text) {
  QStringList lines = text.split(u'\n');
  for (QString& line : lines) line = MathMarkup::latexOfShown(line);
  // Ragged right: a line broken within a long number has nothing to stretch.
  return QStringLiteral("{\\raggedright\\noindent %1\\par}\n\n").arg(lines.join(QStringLiteral("\\\\\n")));
}

// A table's widest cells in LaTeX, in characters: the root takes at most a
// third of a band; a longer number is broken over lines of its cell.
qsizetype rootCharacters(const SheetTable& table) { return std::min(table.root.size(), kLatexBandCharacters / 3); }
qsizetype cellCharacters(const SheetTable& table) {
  return kLatexBandCharacters - rootCharacters(table) - 2 * kLatexColumnSpace;
}

// A number of a table for math mode; one longer than `characters` as the
// lines of a cell, each of at most that many, right-aligned.
QString latexCell(const QString& shown, qsizetype characters) {
  if (shown.size() <= characters) return shown.isEmpty() ? shown : MathMarkup::latexOfShownNumber(shown);
  const QString plain = QString(shown).replace(QChar(0x2212), u'-');
  QStringList lines;
  for (qsizetype at = 0; at < plain.size(); at += characters) lines << plain.mid(at, characters);
  return QStringLiteral("\\begin{array}[t]{@{}r@{}}%1\\end{array}").arg(lines.join(QStringLiteral("\\\\")));
}

// The first column of each band: runs of columns whose widest numbers add
// up to at most the band's width, at least one column each.
std::vector<int> bandStarts(const SheetTable& table) {
  std::vector<int> starts;
  const qsizetype root = rootCharacters(table) + kLatexColumnSpace;
  qsizetype used = root;
  for (int c = 0; c <= table.degree(); ++c) {
    const qsizetype width = std::min(cellCharacters(table),
                                     std::max({table.dividend.value(c).size(), table.products.value(c - 1).size(),
                                               (c < table.degree() ? table.quotient.value(c) : table.remainder).size()})) +
                            kLatexColumnSpace;
    if (starts.empty() || used + width > kLatexBandCharacters) {
      starts.push_back(c);
      used = root;
    }
    used += width;
  }
  starts.push_back(table.degree() + 1);
  return starts;
}

}  // namespace

QString SolutionDocument::title() { return QCoreApplication::translate("SolutionDialog", "Resolución paso a paso"); }

//          | 1  0  0 −8
//        2 |    2  4  8
//        ---------------
//            1  2  4 | 0
QString SolutionDocument::htmlTable(const SheetTable& table) const {
  const int n = table.degree();
  QString out = QStringLiteral("<table style=\"border-collapse:collapse;margin:0.3em 0 0.8em\">\n<tr>") + cell({}, kRule);
  for (const QString& number : table.dividend) out += cell(number);
  out += QStringLiteral("</tr>\n<tr>") + cell(table.root, kRule) + cell({});
  for (const QString& number : table.products) out += cell(number);
  out += QStringLiteral("</tr>\n<tr>") + cell({});
  for (int c = 0; c < n; ++c) out += cell(table.quotient.value(c), kLine);
  return out + cell(table.remainder, kLine + kApart) + QStringLiteral("</tr>\n</table>\n");
}

QString SolutionDocument::html() const {
  QString out = QStringLiteral("<!DOCTYPE html>\n<html lang=\"es\">\n<head>\n<meta charset=\"utf-8\">\n"
                               "<title>%1</title>\n</head>\n<body>\n<h1>%1</h1>\n")
                    .arg(MathMarkup::escapeHtml(title()));
  out += htmlLines(sheet_.polynomial);
  for (const SheetSection& section : sheet_.sections) {
    out += QStringLiteral("<h2>%1</h2>\n").arg(MathMarkup::escapeHtml(section.name));
    for (const SheetItem& item : section.items)
      out += item.table ? htmlLines(item.table->caption) + htmlTable(*item.table) : htmlLines(item.text);
  }
  if (sheet_.graph) {
    const QSize size = GraphImage::kDefaultSize;
    out += QStringLiteral("<h2>%1</h2>\n<p><img src=\"data:image/png;base64,%2\" width=\"%3\" height=\"%4\" alt=\"%5\"></p>\n")
               .arg(MathMarkup::escapeHtml(GraphSection::title()),
                    QString::fromLatin1(GraphImage::png(*sheet_.graph, size, kPictureScale).toBase64()))
               .arg(size.width())
               .arg(size.height())
               .arg(MathMarkup::escapeHtml(GraphDescription::text(*sheet_.graph)));
  }
  return out + QStringLiteral("</body>\n</html>\n");
}

QString SolutionDocument::latexTable(const SheetTable& table) const {
  const int n = table.degree();
  const qsizetype cellWidth = cellCharacters(table);
  const auto number = [cellWidth](const QString& shown) { return latexCell(shown, cellWidth); };
  QString out = latexLines(table.caption);
  const std::vector<int> starts = bandStarts(table);
  for (std::size_t band = 0; band + 1 < starts.size(); ++band) {
    const int first = starts[band];
    const int end = starts[band + 1];
    QString rows[3];
    for (int c = first; c < end; ++c) {
      rows[0] += QStringLiteral(" & ") + number(table.dividend.value(c));
      rows[1] += QStringLiteral(" & ") + number(table.products.value(c - 1));
      rows[2] += QStringLiteral(" & ") + (c < n ? number(table.quotient.value(c))
                                                 : QStringLiteral("\\multicolumn{1}{|r}{%1}").arg(number(table.remainder)));
    }
    out += QStringLiteral("\\[\n\\begin{array}{r|%1}\n%2 \\\\\n%3%4 \\\\ \\hline\n\\multicolumn{1}{r}{}%5\n\\end{array}\n\\]\n")
               .arg(QString(end - first, u'r'), rows[0], latexCell(table.root, rootCharacters(table)), rows[1], rows[2]);
  }
  return out;
}

QString SolutionDocument::latexFragment() const {
  QString out = latexLines(sheet_.polynomial);
  for (const SheetSection& section : sheet_.sections) {
    out += QStringLiteral("\\subsection*{%1}\n").arg(MathMarkup::latexOfShown(section.name));
    for (const SheetItem& item : section.items) out += item.table ? latexTable(*item.table) : latexLines(item.text);
  }
  return out;
}

QString SolutionDocument::latex(const QString& figure) const {
  QString body = latexFragment();
  if (!figure.isEmpty())
    body += QStringLiteral("\\subsection*{%1}\n\\begin{center}\n\\includegraphics[width=0.8\\linewidth]{%2}\n\\end{center}\n")
                .arg(MathMarkup::latexOfShown(GraphSection::title()), figure);
  return LatexDocument::wrap(title(), body);
}

QMimeData* SolutionDocument::mimeData() const {
  auto* data = new QMimeData;
  data->setText(sheet_.plainText);
  data->setHtml(html());
  return data;
}

QString SolutionDocument::figurePath(const QString& path) {
  const QFileInfo file(path);
  // A name pdflatex reads in any folder: letters, digits and hyphens.
  static const QRegularExpression unsafe(QStringLiteral("[^A-Za-z0-9-]"));
  const QString name = file.completeBaseName().replace(unsafe, QStringLiteral("-")) + QStringLiteral("-grafica.png");
  return file.dir().filePath(name);
}

QString SolutionDocument::write(const QString& path, DocumentFormat format) const {
  switch (format) {
    case DocumentFormat::kPdf: return SolutionPages::writePdf(sheet_, path);
    case DocumentFormat::kHtml: return DocumentFiles::writeBytes(path, html().toUtf8());
    case DocumentFormat::kLatex: {
      // A stream (/dev/stdout) has no folder to put the picture beside.
      if (!sheet_.graph || DocumentFiles::isStream(path)) return DocumentFiles::writeBytes(path, latex().toUtf8());
      // The picture is replaced only together with the document.
      const QString figure = figurePath(path);
      return DocumentFiles::writeFiles(
          {{path, latex(QFileInfo(figure).fileName()).toUtf8()},
           {figure, GraphImage::png(*sheet_.graph, GraphImage::kDefaultSize, kPictureScale)}});
    }
    case DocumentFormat::kJson: return tr("la resolución no se escribe en JSON desde la hoja.");
    case DocumentFormat::kText: break;
  }
  return DocumentFiles::writeBytes(path, sheet_.plainText.toUtf8());
}
