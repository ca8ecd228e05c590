#include "documents/DocumentFiles.h"

#include <QFont>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

namespace {
constexpr qreal kPointSize = 12;      // the body text of a printed page
constexpr qreal kMargin = 20;         // millimetres on each side of the page
constexpr int kHtmlResolution = 300;  // dots per inch a page of HTML is laid out at

// Renames the written file over the old one. QSaveFile::commit() misses a
// write that fails only when its buffer is flushed (a full disk under a small
// file) and would put a cut file in the old one's place: flush first.
QString commit(QSaveFile& file) {
  if (!file.flush()) {
    const QString reason = file.errorString();
    file.cancelWriting();
    return reason;
  }
  if (!file.commit()) return file.errorString();
  return QString();
}

}  // namespace

namespace DocumentFiles {

QString writeBytes(const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return file.errorString();
  if (file.write(bytes) != bytes.size()) return file.errorString();
  return commit(file);
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
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return file.errorString();
  {
    QPdfWriter pdf(&file);
    pdf.setTitle(title);
    pdf.setCreator(QStringLiteral("Factorix"));
    pdf.setPageLayout(pageLayout());
    pdf.setResolution(resolution);
    const QString failure = draw(pdf);
    if (!failure.isEmpty()) return failure;  // the file is left as it was
  }
  return commit(file);
}

}  // namespace DocumentFiles
