#include "documents/DocumentFiles.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

#include <cerrno>
#include <memory>

namespace {
constexpr qreal kPointSize = 12;      // the body text of a printed page
constexpr qreal kMargin = 20;         // millimetres on each side of the page
constexpr int kHtmlResolution = 300;  // dots per inch a page of HTML is laid out at

// Why `device` failed: its own reason, or the system's for `error` (errno
// taken right after the failing call, 0 when it set none) when Qt has none
// better than "Unknown error", as after a write to a full disk.
QString reasonOf(const QIODevice& device, int error) {
  const QString reason = device.errorString();
  if (error == 0 || (!reason.isEmpty() && reason != QBuffer().errorString())) return reason;
  return qt_error_string(error);
}

// Writes `bytes` into the temporary file of `file` and flushes them, so that
// a full disk shows here and not as a cut file after the rename.
QString writeTemporary(QSaveFile& file, const QByteArray& bytes) {
  errno = 0;
  if (!file.open(QIODevice::WriteOnly)) return reasonOf(file, errno);
  errno = 0;
  if (file.write(bytes) != bytes.size()) return reasonOf(file, errno);
  errno = 0;
  if (!file.flush()) return reasonOf(file, errno);
  return QString();
}

// Renames the written file over the old one.
QString commit(QSaveFile& file) {
  errno = 0;
  if (!file.commit()) return reasonOf(file, errno);
  return QString();
}

// Writes `bytes` to the stream at `path`; opening a FIFO waits for its reader.
QString writeStraight(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  errno = 0;
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return reasonOf(file, errno);
  errno = 0;
  if (file.write(bytes) != bytes.size()) return reasonOf(file, errno);
  return QString();
}

}  // namespace

namespace DocumentFiles {

bool isStream(const QString& path) {
  const QFileInfo info(path);  // follows links
  return info.exists() && !info.isFile() && !info.isDir();
}

QString writeBytes(const QString& path, const QByteArray& bytes) { return writeFiles({{path, bytes}}); }

QString writeFiles(const std::vector<FileBytes>& files) {
  // One temporary per file that is not a stream (null for a stream); those
  // not committed are removed with their QSaveFile.
  std::vector<std::unique_ptr<QSaveFile>> temporaries;
  for (const auto& [path, bytes] : files) {
    if (isStream(path)) {
      temporaries.push_back(nullptr);
      continue;
    }
    auto file = std::make_unique<QSaveFile>(path);
    const QString failure = writeTemporary(*file, bytes);
    if (!failure.isEmpty()) return failure;
    temporaries.push_back(std::move(file));
  }
  for (std::size_t i = 0; i < files.size(); ++i) {
    const QString failure =
        temporaries[i] ? commit(*temporaries[i]) : writeStraight(files[i].first, files[i].second);
    if (!failure.isEmpty()) return failure;
  }
  return QString();
}

QPageLayout pageLayout() {
  return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(kMargin, kMargin, kMargin, kMargin),
                     QPageLayout::Millimeter);
}

QString writePdf(const QString& path, const QString& html, const QString& title) {
  return writePdf(path, title, kHtmlResolution, [&html](QPdfWriter& pdf) {
    // print() keeps 2 cm margins of its own inside the writer's; both
    // together would wrap a polynomial of degree 8 in the middle of a number.
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    QTextDocument document;
    QFont font = document.defaultFont();
    font.setPointSizeF(kPointSize);
    document.setDefaultFont(font);
    document.setHtml(html);
    document.print(&pdf);
    return QString();
  });
}

QString writePdf(const QString& path, const QString& title, int resolution,
                 const std::function<QString(QPdfWriter&)>& draw) {
  // Drawn in memory and written as any other file's bytes: the PDF writer
  // does not report a failed write to its device.
  QByteArray bytes;
  {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setTitle(title);
    pdf.setCreator(QStringLiteral("Factorix"));
    pdf.setPageLayout(pageLayout());
    pdf.setResolution(resolution);
    const QString failure = draw(pdf);
    if (!failure.isEmpty()) return failure;  // the file is left as it was
  }
  return writeBytes(path, bytes);
}

}  // namespace DocumentFiles
