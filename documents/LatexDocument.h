#pragma once

#include <QString>

// A complete LaTeX document that pdflatex compiles with the packages of
// texlive-latex-base alone: A4, UTF-8 input, the characters the program's
// texts use (superscript digits, −, √, ≈, Δ, ·, ±) declared.
namespace LatexDocument {

// `body` (LaTeX) under `title` (plain text).
QString wrap(const QString& title, const QString& body);

}  // namespace LatexDocument
