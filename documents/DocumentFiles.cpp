#include "documents/DocumentFiles.h"

#include <QFont>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

namespace {
constexpr qreal kPointSize = 12;  // the body text of a printed page
}

namespace DocumentFiles {

QString writeBytes(const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return file.errorString();
  if (file.write(bytes) != bytes.size()) return file.errorString();
  if (!file.commit()) return file.errorString();
  return QString();
}

QString writePdf(const QString& path, const QString& html, const QString& title) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return file.errorString();
  {
    QPdfWriter pdf(&file);
    pdf.setTitle(title);
    pdf.setCreator(QStringLiteral("Factorix"));
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 20, 20, 20),
                                  QPageLayout::Millimeter));
    pdf.setResolution(300);
    // print() keeps 2 cm margins of its own inside the writer's; both
    // together would wrap a polynomial of degree 8 in the middle of a number.
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    QTextDocument document;
    QFont font = document.defaultFont();
    font.setPointSizeF(kPointSize);
    document.setDefaultFont(font);
    document.setHtml(html);
    document.print(&pdf);
  }
  if (!file.commit()) return file.errorString();
  return QString();
}

}  // namespace DocumentFiles
