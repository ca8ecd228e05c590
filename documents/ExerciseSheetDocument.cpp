#include "documents/ExerciseSheetDocument.h"

#include <QCoreApplication>

#include <algorithm>

#include "documents/DocumentFiles.h"
#include "documents/LatexDocument.h"
#include "documents/MathMarkup.h"
#include "engine/exercises/SheetJson.h"
#include "engine/factor/Factorization.h"
#include "engine/factor/PolynomialText.h"
#include "report/SolutionText.h"

namespace {

QString padText(const std::string& text) { return QString::fromStdString(text); }

// "x = -3", each distinct root once with its multiplicity, then the two
// complex roots.
QStringList rootTexts(const factorix::Exercise& exercise) {
  QStringList roots;
  for (std::size_t i = 0; i < exercise.roots.size();) {
    std::size_t j = i;
    while (j < exercise.roots.size() && exercise.roots[j] == exercise.roots[i]) ++j;
    roots << ExerciseSheetDocument::tr("x = %1").arg(padText(exercise.roots[i].get_str())) +
                 SolutionText::multiplicitySuffix(static_cast<unsigned>(j - i));
    i = j;
  }
  if (!exercise.quadratic.empty())
    for (const std::string& root : factorix::ComplexRootTexts(exercise.quadratic))
      roots << ExerciseSheetDocument::tr("x = %1").arg(padText(root));
  return roots;
}

// `pattern` (a translated text with one %1) escaped for LaTeX, `latex` in
// place of its %1.
QString latexWith(const QString& pattern, const QString& latex) {
  const qsizetype at = pattern.indexOf(QStringLiteral("%1"));
  return MathMarkup::escapeLatex(pattern.left(at)) + latex + MathMarkup::escapeLatex(pattern.mid(at + 2));
}

QString plainList(const QStringList& roots) {
  QStringList shown;
  for (const QString& root : roots) shown << MathMarkup::plain(root);
  return shown.join(QStringLiteral(", "));
}

// A PDF's text is what a reader searches and copies: its polynomials are
// written as the sheet's JSON writes them, "x³-2x²+4".
QString pdfMath(const QString& padText) { return MathMarkup::escapeHtml(MathMarkup::superscripts(padText)); }

constexpr double kCharactersAt12pt = 56;  // of "P(x) = …" on one line of an A4 page, digits counted whole
constexpr double kSuperscriptWidth = 0.6;  // an exponent, in widths of a digit
constexpr double kBodyPoints = 12;
constexpr double kSmallestPoints = 4;

// The width of "P(x) = …" in widths of a digit.
double lineWidth(const QString& padText) {
  double width = 7;
  for (QChar c : MathMarkup::superscripts(padText)) width += c.category() == QChar::Number_Other ? kSuperscriptWidth : 1;
  return width;
}

}  // namespace

ExerciseSheetDocument::ExerciseSheetDocument(const factorix::SheetOptions& options,
                                             std::vector<factorix::Exercise> exercises, QList<QStringList> worked)
    : options_(options), exercises_(std::move(exercises)), worked_(std::move(worked)) {
  using factorix::Exponents;
  for (const factorix::Exercise& exercise : exercises_) {
    entries_.append({padText(factorix::WritePolynomial(exercise.polynomial, Exponents::kPadText)),
                     padText(factorix::WriteFactorization(factorix::Factorize(exercise.polynomial), Exponents::kPadText)),
                     rootTexts(exercise)});
  }
}

QString ExerciseSheetDocument::title() const { return ExerciseSheetDocument::tr("Hoja de ejercicios"); }

QString ExerciseSheetDocument::choices() const {
  QString text = ExerciseSheetDocument::tr("Grado %1 · raíces entre %2 y %3")
                     .arg(options_.degree)
                     .arg(MathMarkup::plain(QString::number(options_.lowest)),
                          MathMarkup::plain(QString::number(options_.highest)));
  if (options_.rationals) text += ExerciseSheetDocument::tr(" · con raíces fraccionarias");
  if (options_.complexFactor) text += ExerciseSheetDocument::tr(" · con un factor de segundo grado sin raíces reales");
  return text + ExerciseSheetDocument::tr(" · semilla %1").arg(options_.seed);
}

QString ExerciseSheetDocument::text() const {
  QString out = title() + QLatin1Char('\n') + choices() + QStringLiteral("\n\n") +
                ExerciseSheetDocument::tr("Factoriza y halla las raíces de cada polinomio.") + QStringLiteral("\n\n");
  for (qsizetype i = 0; i < entries_.size(); ++i)
    out += ExerciseSheetDocument::tr("%1. P(x) = %2").arg(i + 1).arg(MathMarkup::plain(entries_[i].polynomial)) + QLatin1Char('\n');
  out += QLatin1Char('\n') + ExerciseSheetDocument::tr("Soluciones") + QStringLiteral("\n\n");
  for (qsizetype i = 0; i < entries_.size(); ++i) {
    const Entry& entry = entries_[i];
    out += ExerciseSheetDocument::tr("%1. P(x) = %2").arg(i + 1).arg(MathMarkup::plain(entry.polynomial)) + QLatin1Char('\n');
    out += QStringLiteral("   ") + ExerciseSheetDocument::tr("Factorización: %1").arg(MathMarkup::plain(entry.factorization)) + QLatin1Char('\n');
    out += QStringLiteral("   ") + ExerciseSheetDocument::tr("Raíces: %1").arg(plainList(entry.roots)) + QLatin1Char('\n');
    if (i < worked_.size())
      for (const QString& line : worked_[i]) out += QStringLiteral("   ") + line + QLatin1Char('\n');
    out += QLatin1Char('\n');
  }
  return out;
}

QString ExerciseSheetDocument::html() const { return htmlWith(&MathMarkup::html, false); }

QString ExerciseSheetDocument::htmlWith(QString (*math)(const QString&), bool printed) const {
  // On a printed page every polynomial stays on one line, as a reader finds
  // and copies it: all are set smaller when the longest would not fit.
  double widest = 0;
  for (const Entry& entry : entries_) widest = std::max(widest, lineWidth(entry.polynomial));
  const double points = std::clamp(kBodyPoints * kCharactersAt12pt / widest, kSmallestPoints, kBodyPoints);
  const auto polynomial = [&](const QString& padText) {
    const QString line = QStringLiteral("P(x) = ") + math(padText);
    if (!printed || points == kBodyPoints) return line;
    return QStringLiteral("<span style=\"font-size: %1pt\">%2</span>").arg(points, 0, 'f', 1).arg(line);
  };
  QString out = QStringLiteral("<!DOCTYPE html>\n<html lang=\"es\">\n<head>\n<meta charset=\"utf-8\">\n<title>%1</title>\n"
                               "</head>\n<body>\n<h1>%1</h1>\n<p>%2</p>\n<p>%3</p>\n<ol>\n")
                    .arg(MathMarkup::escapeHtml(title()), MathMarkup::escapeHtml(choices()),
                         MathMarkup::escapeHtml(ExerciseSheetDocument::tr("Factoriza y halla las raíces de cada polinomio.")));
  // Room under each exercise to work it out on the page.
  for (const Entry& entry : entries_)
    out += QStringLiteral("<li style=\"margin-bottom: 28pt\">%1</li>\n").arg(polynomial(entry.polynomial));
  out += QStringLiteral("</ol>\n<h2 style=\"page-break-before: always\">%1</h2>\n<ol>\n")
             .arg(MathMarkup::escapeHtml(ExerciseSheetDocument::tr("Soluciones")));
  for (qsizetype i = 0; i < entries_.size(); ++i) {
    const Entry& entry = entries_[i];
    QStringList roots;
    for (const QString& root : entry.roots) roots << math(root);
    out += QStringLiteral("<li><p>%1<br>\n%2<br>\n%3</p>\n")
               .arg(polynomial(entry.polynomial),
                    MathMarkup::escapeHtml(ExerciseSheetDocument::tr("Factorización: %1")).arg(math(entry.factorization)),
                    MathMarkup::escapeHtml(ExerciseSheetDocument::tr("Raíces: %1")).arg(roots.join(QStringLiteral(", "))));
    if (i < worked_.size() && !worked_[i].isEmpty()) {
      // On a page a long line wraps rather than running off the paper.
      const QString pre = printed ? QStringLiteral("<pre style=\"white-space: pre-wrap; font-size: 8pt\">%1</pre>\n")
                                  : QStringLiteral("<pre>%1</pre>\n");
      out += pre.arg(MathMarkup::escapeHtml(worked_[i].join(QLatin1Char('\n'))));
    }
    out += QStringLiteral("</li>\n");
  }
  return out + QStringLiteral("</ol>\n</body>\n</html>\n");
}

QString ExerciseSheetDocument::previewHtml(int count) const {
  QString out = QStringLiteral("<h3>%1</h3><p>%2</p><ol>")
                    .arg(MathMarkup::escapeHtml(title()), MathMarkup::escapeHtml(choices()));
  for (qsizetype i = 0; i < std::min<qsizetype>(count, entries_.size()); ++i)
    out += QStringLiteral("<li>P(x) = %1</li>").arg(MathMarkup::html(entries_[i].polynomial));
  out += QStringLiteral("</ol>");
  if (entries_.size() > count) out += QStringLiteral("<p>…</p>");
  return out;
}

QString ExerciseSheetDocument::latex() const {
  auto math = [](const QString& pad) { return QLatin1Char('$') + MathMarkup::latex(pad) + QLatin1Char('$'); };
  QString body = MathMarkup::escapeLatex(choices()) + QStringLiteral("\n\n") +
                 MathMarkup::escapeLatex(ExerciseSheetDocument::tr("Factoriza y halla las raíces de cada polinomio.")) +
                 QStringLiteral("\n\\begin{enumerate}\n");
  for (const Entry& entry : entries_) body += QStringLiteral("\\item $P(x) = %1$\n").arg(MathMarkup::latex(entry.polynomial));
  body += QStringLiteral("\\end{enumerate}\n\\newpage\n\\section*{%1}\n\\begin{enumerate}\n")
              .arg(MathMarkup::escapeLatex(ExerciseSheetDocument::tr("Soluciones")));
  for (qsizetype i = 0; i < entries_.size(); ++i) {
    const Entry& entry = entries_[i];
    QStringList roots;
    for (const QString& root : entry.roots) {
      // A multiplicity's words are text, not mathematics: "x = 2 (cuádruple)".
      const qsizetype words = root.indexOf(QStringLiteral(" ("));
      roots << math(root.left(words)) + (words < 0 ? QString() : MathMarkup::escapeLatex(root.mid(words)));
    }
    body += QStringLiteral("\\item $P(x) = %1$\\\\\n%2\\\\\n%3\n")
                .arg(MathMarkup::latex(entry.polynomial),
                     latexWith(ExerciseSheetDocument::tr("Factorización: %1"), math(entry.factorization)),
                     latexWith(ExerciseSheetDocument::tr("Raíces: %1"), roots.join(QStringLiteral(", "))));
    if (i < worked_.size() && !worked_[i].isEmpty())
      body += QStringLiteral("\\begin{verbatim}\n%1\n\\end{verbatim}\n").arg(worked_[i].join(QLatin1Char('\n')));
  }
  return LatexDocument::wrap(title(), body + QStringLiteral("\\end{enumerate}\n"));
}

QByteArray ExerciseSheetDocument::json() const {
  return QByteArray::fromStdString(factorix::SheetJson(options_.seed, exercises_));
}

QByteArray ExerciseSheetDocument::bytes(DocumentFormat format) const {
  switch (format) {
    case DocumentFormat::kJson: return json();
    case DocumentFormat::kHtml: return html().toUtf8();
    case DocumentFormat::kLatex: return latex().toUtf8();
    case DocumentFormat::kText:
    case DocumentFormat::kPdf: break;
  }
  return text().toUtf8();
}

QString ExerciseSheetDocument::write(const QString& path, DocumentFormat format) const {
  if (format == DocumentFormat::kPdf) return DocumentFiles::writePdf(path, htmlWith(&pdfMath, true), title());
  return DocumentFiles::writeBytes(path, bytes(format));
}
