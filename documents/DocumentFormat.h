#pragma once

#include <QString>

#include <optional>

// The forms a document of the program is written in: a sheet of exercises,
// and the worked solution when it is saved.
enum class DocumentFormat { kText, kJson, kHtml, kLatex, kPdf };

// "texto", "json", "html", "latex", "pdf"; nullopt for any other name.
std::optional<DocumentFormat> formatNamed(const QString& name);
// By the file name's ending: .txt, .json, .html or .htm, .tex, .pdf (any
// case); nullopt for any other.
std::optional<DocumentFormat> formatOfPath(const QString& path);
