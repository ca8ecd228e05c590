#pragma once

#include <QString>

// Mathematical texts written by the engine with "e" before each raised
// digit ("2xe3-16", "(xe2+1)e2", "-1/2") made ready for each kind of
// document: exponents raised, the minus sign U+2212, fractions and square
// roots in LaTeX's own notation.
namespace MathMarkup {

// "2x³−16".
QString plain(const QString& padText);
// "2x³-16": raised digits, the hyphen-minus kept, as the JSON of a sheet
// writes a polynomial (and a PDF holds it, for whoever searches it).
QString superscripts(const QString& padText);
// "2x<sup>3</sup>−16", with &, < and > escaped.
QString html(const QString& padText);
// "2x^{3}-16", for math mode; "√3" becomes \sqrt{3}, "p/q" \frac{p}{q}.
QString latex(const QString& padText);

// A text as the window shows it ("x³ − 8 = (x − 2)(x² + 2x + 4)") for an
// HTML page: escaped, each run of superscript digits as <sup>.
QString htmlOfShown(const QString& shown);
// A text as the window shows it for a LaTeX document of any preamble:
// escaped, its mathematical characters (−, superscripts, √, ≈, Δ, ·, ±, …)
// written as commands, and a long number free to break over lines.
QString latexOfShown(const QString& shown);
// A number as the window shows it ("−12", "−1/2") for math mode.
QString latexOfShownNumber(const QString& shown);

// Text for an HTML page, with &, < and > escaped.
QString escapeHtml(const QString& text);
// Text for a LaTeX document, its special characters written as commands.
QString escapeLatex(const QString& text);

}  // namespace MathMarkup
