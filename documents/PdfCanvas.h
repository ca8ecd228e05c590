#pragma once

#include <QByteArray>
#include <QPageLayout>
#include <vector>

#include "documents/PageCanvas.h"
#include "documents/PdfFile.h"
#include "documents/PdfFonts.h"

class QGlyphRun;

// Pages drawn straight into the bytes of a PDF file: text as runs of glyphs
// of embedded fonts (one string per run, the glyphs at the places given),
// lines as strokes and pictures as images, each page's content compressed.
// Device pixels are `resolution` to the inch, from the top left corner of
// the page layout's printable area.
class PdfCanvas : public PageCanvas {
public:
  PdfCanvas(const QPageLayout& layout, int resolution);

  bool newPage() override;
  void drawGlyphs(const QRawFont& font, const quint32* glyphs, const QPointF* positions, const QChar* characters,
                  qsizetype count) override;
  void drawTextLine(const QTextLayout& layout, int line, const QPointF& position) override;
  void drawLine(const QPointF& from, const QPointF& to, qreal width) override;
  void drawPicture(const QRectF& target, const std::function<void(QPainter&, const QRectF&)>& paint) override;
  void beginClip(const QRectF& rect) override;
  void endClip() override;

  // The whole file, `title` in its properties. Nothing can be drawn afterwards.
  QByteArray finish(const QString& title);

private:
  void startPage();
  void endPage();
  void drawShapes(const QRawFont& font, const quint32* glyphs, const QPointF* positions, qsizetype count);
  void glyphRun(const QGlyphRun& run, const QPointF& offset, const QString& text);
  void number(double value);

  QPageLayout layout_;
  int resolution_;
  PdfFile file_;
  PdfFonts fonts_{file_};
  int pagesId_;      // the page tree
  int resourcesId_;  // the resources every page shares
  std::vector<int> pages_;
  QByteArray content_;  // of the page being drawn
  std::vector<int> images_;
};
