#pragma once

#include <QCoreApplication>
#include <QFont>
#include <QString>
#include <array>
#include <memory>
#include <utility>
#include <vector>

#include "app/SolutionSheet.h"

class PageCanvas;
class QPagedPaintDevice;
class QTextLayout;

// «Resolución paso a paso» on paper: the sheet laid out on the pages of a PDF
// or a printer as the window shows it (the title, "P(x) = …", each section
// under its name in bold, the Ruffini tables with their rules, the graph
// last), in text that can be selected and searched: exponents are the
// superscript digits, and minus signs are written "-" so that a search for
// "-16" finds them. Nothing is cut at the foot of a page: a table that does
// not fit in what is left of a page starts the next one, and a name stays
// with what follows it. A table wider than the page is written in bands of
// its columns, one under the other, each with the root left of its rule. A
// band or a line with a number wider than the page is drawn in a smaller
// font so that the number stays whole; only a number wider than the page
// even at the smallest size is broken over lines of its cell. A line is
// broken at a space or between factors, never within a number that fits.
class SolutionPages {
  Q_DECLARE_TR_FUNCTIONS(SolutionPages)

public:
  // Lays `sheet` out on the pages of `device`, whose page layout and
  // resolution are set. `sheet` must outlive this object.
  SolutionPages(const SolutionSheet& sheet, QPagedPaintDevice& device);
  ~SolutionPages();
  SolutionPages(const SolutionPages&) = delete;
  SolutionPages& operator=(const SolutionPages&) = delete;

  // Paints every page on `device` (the one it was laid out for); false when
  // the device could not be painted on or refused a new page.
  bool paint(QPagedPaintDevice& device) const;
  // Draws every page on `canvas`, whose device pixels are those of the
  // device it was laid out for; false when it refused a new page.
  bool paint(PageCanvas& canvas) const;

  // Writes `sheet` as an A4 PDF with margins, whole or not at all. Returns an
  // empty string on success, else the reason for the failure.
  static QString writePdf(const SolutionSheet& sheet, const QString& path);
private:
  class Glyphs;
  class GlyphRun;
  struct Band;
  struct Columns;
  struct PlainLine;
  struct Piece;
  struct Placement;

  // The glyphs of the body font at `pointSize`, made once per size.
  Glyphs& glyphsAt(qreal pointSize);

  void addTitle();
  void addText(const QString& text, const QFont& font, qreal spaceAbove, bool keepWithNext);
  void addPlainLines(const QString& text, qreal spaceAbove, bool keepWithNext);
  // Where a line of text ends, from the best to the worst.
  enum class LineBreak { kOutside, kInside, kWithinWord };
  // Where the line of `text` from `start`, `depth` parentheses in, ends in
  // `glyphs`, and how.
  qsizetype lineEnd(const QString& text, qsizetype start, int depth, Glyphs& glyphs, LineBreak& kind) const;
  void addTable(const SheetTable& table);
  // Columns [first, end) of a table in `glyphs`, each number broken over
  // lines of its cell when it is wider than the page.
  Columns columnsIn(Glyphs& glyphs, const QString& root, const std::vector<std::array<QString, 3>>& texts,
                    std::size_t first, std::size_t end) const;
  void addBands(Columns columns, bool startsTable, bool endsTable, bool moreFollow);
  void addGraph();
  void paginate();
  qreal startingHeight(std::size_t index) const;
  // The height the pieces from `first` that are kept together need.
  qreal keptHeight(std::size_t first) const;
  // Where `piece`, taller than a page, is cut when it starts with `room`
  // left on its page: the offset of each page's share from its top.
  std::vector<qreal> cuts(const Piece& piece, qreal room) const;
  void paintPiece(PageCanvas& canvas, const Piece& piece, qreal top) const;
  void paintBand(PageCanvas& canvas, const Band& band, qreal top) const;

  const SolutionSheet& sheet_;
  QPagedPaintDevice* device_;
  QFont font_;
  QFont bold_;
  qreal width_ = 0;       // of the page's printable area, device pixels
  qreal height_ = 0;      // of the page's printable area, device pixels
  qreal lineHeight_ = 0;  // of the normal font, device pixels
  std::unique_ptr<Glyphs> glyphs_;  // of the body font on the device
  std::vector<std::pair<qreal, std::unique_ptr<Glyphs>>> smaller_;  // of the body font at smaller point sizes
  std::vector<std::unique_ptr<QTextLayout>> layouts_;
  std::vector<PlainLine> plainLines_;  // of texts in the body font, drawn as glyphs
  std::vector<Band> bands_;
  std::vector<Piece> pieces_;
  std::vector<Placement> placements_;  // in the order they are painted
};
