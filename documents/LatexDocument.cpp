#include "documents/LatexDocument.h"

#include "documents/MathMarkup.h"

namespace LatexDocument {

QString wrap(const QString& title, const QString& body) {
  return QStringLiteral(
             "\\documentclass[a4paper,11pt]{article}\n"
             "\\usepackage[utf8]{inputenc}\n"
             "\\usepackage[margin=2cm]{geometry}\n"
             "\\usepackage{amsmath}\n"
             "\\usepackage{graphicx}\n"
             "\\DeclareUnicodeCharacter{2212}{\\ensuremath{-}}\n"
             "\\DeclareUnicodeCharacter{221A}{\\ensuremath{\\surd}}\n"
             "\\DeclareUnicodeCharacter{2248}{\\ensuremath{\\approx}}\n"
             "\\DeclareUnicodeCharacter{0394}{\\ensuremath{\\Delta}}\n"
             "\\DeclareUnicodeCharacter{00B7}{\\ensuremath{\\cdot}}\n"
             "\\DeclareUnicodeCharacter{00B1}{\\ensuremath{\\pm}}\n"
             "\\DeclareUnicodeCharacter{2070}{\\textsuperscript{0}}\n"
             "\\DeclareUnicodeCharacter{00B9}{\\textsuperscript{1}}\n"
             "\\DeclareUnicodeCharacter{00B2}{\\textsuperscript{2}}\n"
             "\\DeclareUnicodeCharacter{00B3}{\\textsuperscript{3}}\n"
             "\\DeclareUnicodeCharacter{2074}{\\textsuperscript{4}}\n"
             "\\DeclareUnicodeCharacter{2075}{\\textsuperscript{5}}\n"
             "\\DeclareUnicodeCharacter{2076}{\\textsuperscript{6}}\n"
             "\\DeclareUnicodeCharacter{2077}{\\textsuperscript{7}}\n"
             "\\DeclareUnicodeCharacter{2078}{\\textsuperscript{8}}\n"
             "\\DeclareUnicodeCharacter{2079}{\\textsuperscript{9}}\n"
             "\\DeclareUnicodeCharacter{207B}{\\textsuperscript{-}}\n"
             "\\title{%1}\n\\date{}\n"
             "\\begin{document}\n\\maketitle\n%2\\end{document}\n")
      .arg(MathMarkup::escapeLatex(title), body);
}

}  // namespace LatexDocument
