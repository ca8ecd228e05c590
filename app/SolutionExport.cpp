#include "app/SolutionExport.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <algorithm>

#include "app/MessageBox.h"
#include "app/SolutionDocument.h"
#include "app/SolutionPages.h"

namespace {

// The file types «Guardar…» offers, the first the one chosen at first.
struct FileType {
  const char* filter;  // translated
  DocumentFormat format;
  const char* ending;
};
constexpr FileType kFileTypes[] = {
    {QT_TRANSLATE_NOOP("SolutionExport", "PDF (*.pdf)"), DocumentFormat::kPdf, ".pdf"},
    {QT_TRANSLATE_NOOP("SolutionExport", "LaTeX (*.tex)"), DocumentFormat::kLatex, ".tex"},
    {QT_TRANSLATE_NOOP("SolutionExport", "HTML (*.html *.htm)"), DocumentFormat::kHtml, ".html"},
    {QT_TRANSLATE_NOOP("SolutionExport", "Texto (*.txt)"), DocumentFormat::kText, ".txt"},
};

// The wait cursor while a large solution is written out.
class Busy {
public:
  Busy() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
  ~Busy() { QGuiApplication::restoreOverrideCursor(); }
  Busy(const Busy&) = delete;
  Busy& operator=(const Busy&) = delete;
};

}  // namespace

SolutionExport::SolutionExport(const SolutionSheet& sheet, QWidget* window)
    : QObject(window), sheet_(sheet), window_(window) {}

void SolutionExport::copy() const {
  const Busy busy;
  QGuiApplication::clipboard()->setMimeData(SolutionDocument(sheet_).mimeData());
}

void SolutionExport::copyLatex() const {
  const Busy busy;
  QGuiApplication::clipboard()->setText(SolutionDocument(sheet_).latexFragment());
}

void SolutionExport::saveAs() {
  QStringList filters;
  for (const FileType& type : kFileTypes) filters << tr(type.filter);
  QString chosen = filters.first();
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  QString path = QFileDialog::getSaveFileName(window_, tr("Guardar la resolución"),
                                              QDir(folder).filePath(tr("resolucion.pdf")),
                                              filters.join(QStringLiteral(";;")), &chosen);
  if (path.isEmpty()) return;
  const FileType& type = kFileTypes[std::max<qsizetype>(0, filters.indexOf(chosen))];
  // The chosen type decides; its ending is added when the name has none of it.
  if (formatOfPath(path) != type.format) path += QLatin1String(type.ending);
  save(path, type.format);
}

bool SolutionExport::save(const QString& path, DocumentFormat format) {
  QString failure;
  {
    const Busy busy;
    failure = SolutionDocument(sheet_).write(path, format);
  }
  if (failure.isEmpty()) return true;
  MessageBox::show(window_, tr("No se pudo guardar la resolución en «%1»: %2").arg(path, failure),
                   SolutionDocument::title(), QMessageBox::Warning, QMessageBox::Ok);
  return false;
}

void SolutionExport::print() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(SolutionDocument::title());
  QPrintDialog dialog(&printer, window_);
  if (dialog.exec() != QDialog::Accepted) return;
  bool printed = false;
  {
    const Busy busy;
    const SolutionPages pages(sheet_, printer);
    printed = pages.paint(printer);
  }
  if (!printed)
    MessageBox::show(window_, tr("No se pudo imprimir la resolución."), SolutionDocument::title(),
                     QMessageBox::Warning, QMessageBox::Ok);
}
