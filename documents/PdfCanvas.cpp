#include "documents/PdfCanvas.h"

#include <QGlyphRun>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTextLayout>
#include <cmath>

namespace {

constexpr qreal kPointsPerInch = 72;
// Pictures are drawn into images at this many dots per inch: sharp on paper,
// and a line drawn a pixel wide whatever the scale (a cosmetic pen) still
// half a point wide.
constexpr qreal kPictureResolution = 150;
// A glyph is moved to its place with a correction in the string of a run
// when it is at least this far, in thousandths of the font's size, from
// where the widths of the glyphs before it put it.
constexpr double kLeastCorrection = 0.5;

// The bytes of a glyph number in a PDF literal string.
void appendCode(QByteArray& out, quint32 glyph) {
  for (const char byte : {char(glyph >> 8), char(glyph & 0xff)}) {
    if (byte == '(' || byte == ')' || byte == '\\') out += '\\';
    if (byte == '\r') {
      out += "\\r";  // a bare carriage return would be read as a line end
      continue;
    }
    out += byte;
  }
}

}  // namespace

PdfCanvas::PdfCanvas(const QPageLayout& layout, int resolution) : layout_(layout), resolution_(resolution) {
  pagesId_ = file_.reserve();
  resourcesId_ = file_.reserve();
  startPage();
}

void PdfCanvas::number(double value) {
  PdfFile::appendNumber(content_, value);
  content_ += ' ';
}

// Device pixels from the printable area's top left corner, y downwards.
void PdfCanvas::startPage() {
  const QRectF full = layout_.fullRectPoints();
  const QRectF area = layout_.paintRect(QPageLayout::Point);
  const double scale = kPointsPerInch / resolution_;
  content_ = "q ";
  for (const double value : {scale, 0.0, 0.0, -scale, area.left(), full.height() - area.top()}) number(value);
  content_ += "cm 2 J\n";
}

void PdfCanvas::endPage() {
  content_ += "Q\n";
  const int contents = file_.reserve();
  file_.addStream(contents, content_);
  content_.clear();
  const int page = file_.reserve();
  const QRect full = layout_.fullRectPoints();
  file_.add(page, "<< /Type /Page /Parent " + QByteArray::number(pagesId_) + " 0 R /MediaBox [0 0 " +
                      QByteArray::number(full.width()) + ' ' + QByteArray::number(full.height()) + "] /Resources " +
                      QByteArray::number(resourcesId_) + " 0 R /Contents " + QByteArray::number(contents) + " 0 R >>");
  pages_.push_back(page);
}

bool PdfCanvas::newPage() {
  endPage();
  startPage();
  return true;
}

// One text object per run: the glyphs on a baseline are one string, with a
// correction only before a glyph the widths do not put in its place.
void PdfCanvas::drawGlyphs(const QRawFont& font, const quint32* glyphs, const QPointF* positions,
                           const QChar* characters, qsizetype count) {
  if (count == 0) return;
  const int resource = fonts_.of(font);
  if (!fonts_.embeds(resource)) {
    drawShapes(font, glyphs, positions, count);
    return;
  }
  const double size = fonts_.pixelSize(resource);
  content_ += "BT " + PdfFonts::name(resource) + ' ';
  number(size);
  content_ += "Tf";
  double x = 0;  // where the PDF puts the next glyph
  for (qsizetype i = 0; i < count; ++i) {
    const QPointF at = positions[i];
    if (i == 0 || at.y() != positions[i - 1].y()) {
      content_ += i == 0 ? " " : ")] TJ\n";
      // Text upright in the page's downward coordinates.
      content_ += "1 0 0 -1 ";
      number(at.x());
      number(at.y());
      content_ += "Tm [(";
      x = at.x();
    } else if (const double correction = std::round((x - at.x()) * 1000 / size); std::abs(correction) >= kLeastCorrection) {
      content_ += ')';
      content_ += QByteArray::number(qint64(correction));
      content_ += '(';
      x -= correction * size / 1000;
    }
    appendCode(content_, glyphs[i]);
    x += fonts_.use(resource, glyphs[i], characters ? characters[i].unicode() : 0) * size / 1000;
  }
  content_ += ")] TJ ET\n";
}

// Glyphs of a font that cannot be embedded (a Type 1 font, say), filled as
// the shapes of their outlines: they look the same but cannot be selected.
void PdfCanvas::drawShapes(const QRawFont& font, const quint32* glyphs, const QPointF* positions, qsizetype count) {
  bool any = false;  // whether a path was written to fill
  for (qsizetype i = 0; i < count; ++i) {
    QPainterPath path = font.pathForGlyph(glyphs[i]);
    path.translate(positions[i]);
    any = any || path.elementCount() > 0;
    for (int k = 0; k < path.elementCount(); ++k) {
      const QPainterPath::Element element = path.elementAt(k);
      number(element.x);
      number(element.y);
      if (element.isMoveTo()) content_ += "m ";
      else if (element.isLineTo()) content_ += "l ";
      else if (element.type == QPainterPath::CurveToDataElement && k > 0 &&
               path.elementAt(k - 1).type == QPainterPath::CurveToDataElement)
        content_ += "c ";  // the end point of a curve, after its two control points
    }
  }
  if (any) content_ += "f\n";
}

void PdfCanvas::drawTextLine(const QTextLayout& layout, int line, const QPointF& position) {
  const QTextLine shown = layout.lineAt(line);
  const QString text = layout.text().mid(shown.textStart(), shown.textLength());
  for (const QGlyphRun& run : shown.glyphRuns()) glyphRun(run, position, text);
}

// A run of shaped text; each glyph shows the character it stands for in
// the font's own table, where it has one.
void PdfCanvas::glyphRun(const QGlyphRun& run, const QPointF& offset, const QString& text) {
  const QRawFont font = run.rawFont();
  QHash<quint32, QChar> characters;
  const QList<quint32> forText = font.glyphIndexesForString(text);
  for (qsizetype i = 0; i < forText.size() && i < text.size(); ++i) characters.insert(forText[i], text[i]);
  const QList<quint32> glyphs = run.glyphIndexes();
  QList<QPointF> positions = run.positions();
  std::vector<QChar> shows;
  for (qsizetype i = 0; i < glyphs.size(); ++i) {
    positions[i] += offset;
    shows.push_back(characters.value(glyphs[i]));
  }
  drawGlyphs(font, glyphs.constData(), positions.constData(), shows.data(), glyphs.size());
}

void PdfCanvas::drawLine(const QPointF& from, const QPointF& to, qreal width) {
  number(width);
  content_ += "w ";
  number(from.x());
  number(from.y());
  content_ += "m ";
  number(to.x());
  number(to.y());
  content_ += "l S\n";
}

// The picture as an RGB image, compressed like the pages.
void PdfCanvas::drawPicture(const QRectF& target, const std::function<void(QPainter&, const QRectF&)>& paint) {
  // Painted in points, at kPictureResolution device pixels to the point.
  const QSizeF points = target.size() * kPointsPerInch / resolution_;
  const qreal ratio = kPictureResolution / kPointsPerInch;
  const QSize pixels(std::max(1, int(std::ceil(points.width() * ratio))), std::max(1, int(std::ceil(points.height() * ratio))));
  QImage image(pixels, QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paint(painter, QRectF(QPointF(0, 0), points));
  }
  image.convertTo(QImage::Format_RGB888);
  // Each row as the difference from the row above (PNG's filter "Up"),
  // which leaves the picture's flat areas as runs of zeros.
  const qsizetype row = qsizetype(pixels.width()) * 3;
  QByteArray rgb(qsizetype(pixels.height()) * (row + 1), '\0');
  char* out = rgb.data();
  for (int y = 0; y < pixels.height(); ++y) {
    const uchar* line = image.constScanLine(y);
    const uchar* above = y > 0 ? image.constScanLine(y - 1) : nullptr;
    *out++ = 2;
    for (qsizetype i = 0; i < row; ++i) *out++ = char(above ? line[i] - above[i] : line[i]);
  }
  const int id = file_.reserve();
  file_.addStream(id, rgb,
                  "/Type /XObject /Subtype /Image /Width " + QByteArray::number(pixels.width()) + " /Height " +
                      QByteArray::number(pixels.height()) + " /ColorSpace /DeviceRGB /BitsPerComponent 8" +
                      " /DecodeParms << /Predictor 12 /Colors 3 /Columns " + QByteArray::number(pixels.width()) + " >>",
                  PdfFile::Compression::kSmall);
  images_.push_back(id);
  // The image's first row at the top of `target`.
  content_ += "q ";
  for (const double value : {target.width(), 0.0, 0.0, -target.height(), target.left(), target.bottom()}) number(value);
  content_ += "cm /Im" + QByteArray::number(qsizetype(images_.size())) + " Do Q\n";
}

void PdfCanvas::beginClip(const QRectF& rect) {
  content_ += "q ";
  for (const double value : {rect.left(), rect.top(), rect.width(), rect.height()}) number(value);
  content_ += "re W n\n";
}

void PdfCanvas::endClip() { content_ += "Q\n"; }

QByteArray PdfCanvas::finish(const QString& title) {
  endPage();
  QByteArray kids;
  for (const int page : pages_) kids += QByteArray::number(page) + " 0 R ";
  file_.add(pagesId_, "<< /Type /Pages /Kids [" + kids + "] /Count " + QByteArray::number(qsizetype(pages_.size())) + " >>");
  QByteArray resources = "<< /ProcSet [/PDF /Text /ImageC] /Font << " + fonts_.finish() + ">>";
  if (!images_.empty()) {
    resources += " /XObject << ";
    for (std::size_t i = 0; i < images_.size(); ++i)
      resources += "/Im" + QByteArray::number(qsizetype(i + 1)) + ' ' + QByteArray::number(images_[i]) + " 0 R ";
    resources += ">>";
  }
  file_.add(resourcesId_, resources + " >>");
  const int catalog = file_.reserve();
  file_.add(catalog, "<< /Type /Catalog /Pages " + QByteArray::number(pagesId_) + " 0 R >>");
  const int info = file_.reserve();
  file_.add(info, "<< /Title " + PdfFile::textString(title) + " /Creator " + PdfFile::textString(QStringLiteral("Factorix")) +
                      " /Producer " + PdfFile::textString(QStringLiteral("Factorix")) + " >>");
  return file_.finish(catalog, info);
}
