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
  return writePdf(path, title, kHtmlResolution, [&html](QPdfWriter& pdf) {
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
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                  QMarginsF(kMargin, kMargin, kMargin, kMargin), QPageLayout::Millimeter));
    pdf.setResolution(resolution);
    const QString failure = draw(pdf);
    if (!failure.isEmpty()) return failure;  // the file is left as it was
  }
  if (!file.commit()) return file.errorString();
  return QString();
}

}  // namespace DocumentFiles
