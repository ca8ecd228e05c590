#include "app/SolutionExport.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <QThread>
#include <algorithm>
#include <memory>
#include <utility>

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

// The wait cursor while a large solution is copied.
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

SolutionExport::~SolutionExport() {
  if (!worker_) return;
  // The window closes while a file is written: it is finished, not cut.
  worker_->wait();
  delete worker_;
  QGuiApplication::restoreOverrideCursor();
}

void SolutionExport::copy() const {
  if (isBusy()) return;
  const Busy busy;
  QGuiApplication::clipboard()->setMimeData(SolutionDocument(sheet_).mimeData());
}

void SolutionExport::copyLatex() const {
  if (isBusy()) return;
  const Busy busy;
  QGuiApplication::clipboard()->setText(SolutionDocument(sheet_).latexFragment());
}

void SolutionExport::saveAs() {
  if (isBusy()) return;
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

void SolutionExport::save(const QString& path, DocumentFormat format) {
  if (isBusy()) return;
  inBackground([sheet = sheet_, path, format] { return SolutionDocument(sheet).write(path, format); },
               [this, path](const QString& failure) {
                 MessageBox::show(window_, tr("No se pudo guardar la resolución en «%1»: %2").arg(path, failure),
                                  SolutionDocument::title(), QMessageBox::Warning, QMessageBox::Ok);
               });
}

void SolutionExport::print() {
  if (isBusy()) return;
  auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
  printer->setDocName(SolutionDocument::title());
  QPrintDialog dialog(printer.get(), window_);
  if (dialog.exec() != QDialog::Accepted) return;
  inBackground(
      [sheet = sheet_, printer] {
        const SolutionPages pages(sheet, *printer);
        return pages.paint(*printer) ? QString() : QStringLiteral("not printed");  // not shown
      },
      [this](const QString&) {
        MessageBox::show(window_, tr("No se pudo imprimir la resolución."), SolutionDocument::title(),
                         QMessageBox::Warning, QMessageBox::Ok);
      });
}

void SolutionExport::inBackground(std::function<QString()> work, std::function<void(const QString&)> failed) {
  auto failure = std::make_shared<QString>();
  worker_ = QThread::create([work = std::move(work), failure] { *failure = work(); });
  connect(worker_, &QThread::finished, this, [this, failure, failed = std::move(failed)] {
    QThread* done = std::exchange(worker_, nullptr);
    done->wait();
    done->deleteLater();
    QGuiApplication::restoreOverrideCursor();
    emit busyChanged(false);
    if (!failure->isEmpty()) failed(*failure);
  });
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  emit busyChanged(true);
  worker_->start();
}
