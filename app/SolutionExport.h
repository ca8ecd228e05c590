#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "documents/DocumentFormat.h"

class QThread;
class QWidget;
struct SolutionSheet;

// What takes the worked solution out of «Resolución paso a paso»: «Copiar»
// (text and HTML), «Copiar LaTeX», «Guardar…» (PDF, LaTeX, HTML or text, by
// the file type chosen) and «Imprimir…». A file is written and pages are
// printed on a thread of their own, from a copy of the sheet, so that the
// window answers meanwhile; a failed write says why in a message box over
// `window` and leaves the file as it was.
class SolutionExport : public QObject {
  Q_OBJECT

public:
  // `sheet` must outlive this object.
  SolutionExport(const SolutionSheet& sheet, QWidget* window);
  // Waits for a file being written to be finished.
  ~SolutionExport() override;

  void copy() const;
  void copyLatex() const;
  void saveAs();
  void print();
  // Starts writing the file; a failure shows its message when it is known.
  void save(const QString& path, DocumentFormat format);
  // Whether a file is being written or pages printed; every action waits.
  bool isBusy() const { return worker_ != nullptr; }

signals:
  void busyChanged(bool busy);

private:
  // Runs `work` on a thread of its own under the wait cursor; `failed` gets
  // the reason it returns, when not empty, back on this object's thread.
  void inBackground(std::function<QString()> work, std::function<void(const QString&)> failed);

  const SolutionSheet& sheet_;
  QWidget* window_;
  QThread* worker_ = nullptr;  // null when idle
};
