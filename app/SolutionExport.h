#pragma once

#include <QObject>
#include <QString>

#include "documents/DocumentFormat.h"

class QWidget;
struct SolutionSheet;

// What takes the worked solution out of «Resolución paso a paso»: «Copiar»
// (text and HTML), «Copiar LaTeX», «Guardar…» (PDF, LaTeX, HTML or text, by
// the file type chosen) and «Imprimir…». A failed write says why in a
// message box over `window` and leaves the file as it was.
class SolutionExport : public QObject {
  Q_OBJECT

public:
  // `sheet` must outlive this object.
  SolutionExport(const SolutionSheet& sheet, QWidget* window);

  void copy() const;
  void copyLatex() const;
  void saveAs();
  void print();
  // Writes the file; false, after the message, when it could not.
  bool save(const QString& path, DocumentFormat format);

private:
  const SolutionSheet& sheet_;
  QWidget* window_;
};
