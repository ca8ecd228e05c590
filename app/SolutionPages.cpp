#include "app/SolutionPages.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <QPdfWriter>
#include <QTextLayout>
#include <algorithm>
#include <array>
#include <cmath>

#include "app/GraphSection.h"
#include "documents/DocumentFiles.h"
#include "graphview/GraphImage.h"

namespace {

constexpr qreal kPointSize = 11;       // the body text
constexpr qreal kTitlePointSize = 15;  // the title above the work
constexpr int kPdfResolution = 600;    // dots per inch of a PDF's coordinates
// Blank space as a share of a line's height: above a section's name, above
// each piece of a section, around the rule above a table's quotient.
constexpr qreal kSectionSpace = 1.0;
constexpr qreal kItemSpace = 0.5;
constexpr qreal kRuleSpace = 0.3;
// Blank space between a table's columns, in widths of the digit 0.
constexpr qreal kColumnGap = 1.5;
// The graph: 4 wide for 3 high, at most this share of the page's height.
constexpr qreal kGraphAspect = 0.75;
constexpr qreal kGraphShareOfPage = 0.5;
// A table's root column takes at most this share of the width; a wider
// root is broken over lines.
constexpr qreal kRootShare = 1.0 / 3;
// A piece taller than a page starts on a page with room for this many lines.
constexpr qreal kLinesToStart = 3;

// What the page shows of a text of the sheet: a minus sign as "-".
QString searchable(QString text) { return text.replace(QChar(0x2212), u'-'); }

// A text's width from its characters' advances, kept per character: shaping
// every number of a table would take seconds for the largest ones.
class Advances {
public:
  explicit Advances(const QFontMetricsF& metrics) : metrics_(metrics) { ascii_.fill(-1); }

  qreal of(QChar c) {
    if (c.unicode() < ascii_.size()) {
      qreal& cached = ascii_[c.unicode()];
      if (cached < 0) cached = metrics_.horizontalAdvance(c);
      return cached;
    }
    auto found = other_.find(c);
    if (found == other_.end()) found = other_.insert(c, metrics_.horizontalAdvance(c));
    return *found;
  }
  qreal of(const QString& text) {
    qreal width = 0;
    for (const QChar c : text) width += of(c);
    return width;
  }

private:
  QFontMetricsF metrics_;
  std::array<qreal, 128> ascii_;  // -1: not measured yet
  QHash<QChar, qreal> other_;
};

// `text` cut into pieces of at most `chars` characters; whole when
// `chars` is 0.
QStringList chunks(const QString& text, qsizetype chars) {
  if (chars <= 0 || text.size() <= chars) return {text};
  QStringList out;
  for (qsizetype at = 0; at < text.size(); at += chars) out << text.mid(at, chars);
  return out;
}

// How far a tab stop at 1 goes on `device`: text layouts scale tab stops by
// the device's resolution over the screen's.
qreal tabScale(const QFont& font, QPaintDevice* device) {
  constexpr qreal kProbe = 1000;
  QTextLayout layout(QStringLiteral("\t0"), font, device);
  QTextOption option;
  option.setTabs({QTextOption::Tab(kProbe, QTextOption::LeftTab)});
  layout.setTextOption(option);
  layout.beginLayout();
  const QTextLine line = layout.createLine();
  layout.endLayout();
  const qreal reached = line.cursorToX(1);
  return reached > 0 ? reached / kProbe : 1;
}

}  // namespace

// Columns of a table that fit across the page, their numbers already broken
// into the lines of their cells.
struct SolutionPages::Band {
  QStringList root;                               // the lines of the root's cell
  std::vector<std::array<QStringList, 3>> cells;  // per column: dividend, product, quotient or remainder
  std::vector<qreal> right;                       // per column: its right edge
  qreal rootRight = 0;                            // the root column's right edge
  qreal rule = 0;                                 // x of the rule right of the root
  qreal end = 0;                                  // right end of the rule above the quotient
  qreal remainderRule = -1;                       // x of the rule before the remainder; < 0 in other bands
  std::array<int, 3> lines{};                     // lines of each row

  // Offsets from the band's top of each of its lines, and of the rule.
  qreal rowTop(int row, qreal lineHeight) const {
    const int above = row == 0 ? 0 : row == 1 ? lines[0] : lines[0] + lines[1];
    return above * lineHeight + (row == 2 ? 2 * kRuleSpace * lineHeight : 0);
  }
  qreal ruleY(qreal lineHeight) const { return (lines[0] + lines[1] + kRuleSpace) * lineHeight; }
  qreal height(qreal lineHeight) const { return rowTop(2, lineHeight) + lines[2] * lineHeight; }
};

struct SolutionPages::Piece {
  enum class Kind { kLine, kBand, kGraph } kind;
  std::size_t index = 0;  // of the layout or the band
  int line = 0;           // of the layout
  qreal space = 0;        // blank above it, left out at the top of a page
  qreal height = 0;
  bool keepWithNext = false;
};

// A piece, or the share of it that one page shows.
struct SolutionPages::Placement {
  int page = 0;
  std::size_t piece = 0;
  qreal top = 0;        // of the piece on its page; negative for a later share
  qreal clipTop = 0;    // the share of the page it may paint, from the top
  qreal clipBottom = 0;
};

SolutionPages::SolutionPages(const SolutionSheet& sheet, QPagedPaintDevice& device) : sheet_(sheet), device_(&device) {
  font_ = QFont(QStringLiteral("Liberation Sans"));
  font_.setStyleHint(QFont::SansSerif);
  font_.setPointSizeF(kPointSize);
  bold_ = font_;
  bold_.setBold(true);
  const QRectF area = device.pageLayout().paintRectPixels(device.logicalDpiX());
  width_ = area.width();
  height_ = area.height();
  lineHeight_ = QFontMetricsF(font_, &device).lineSpacing();
  tabScale_ = tabScale(font_, &device);

  addTitle();
  for (const SheetSection& section : sheet.sections) {
    addText(section.name, bold_, kSectionSpace, true);
    for (const SheetItem& item : section.items) {
      if (item.table) {
        addTable(*item.table);
        continue;
      }
      bool first = true;
      for (const QString& line : item.text.split(u'\n')) {
        addText(line, font_, first ? kItemSpace : 0, false);
        first = false;
      }
    }
  }
  if (sheet.graph) addGraph();
  paginate();
}

SolutionPages::~SolutionPages() = default;

void SolutionPages::addTitle() {
  QFont title = bold_;
  title.setPointSizeF(kTitlePointSize);
  addText(QCoreApplication::translate("SolutionDialog", "Resolución paso a paso"), title, 0, true);
  addText(sheet_.polynomial, font_, kItemSpace, false);
}

// One piece per line `text` takes at the page's width.
void SolutionPages::addText(const QString& text, const QFont& font, qreal spaceAbove, bool keepWithNext) {
  auto layout = std::make_unique<QTextLayout>(searchable(text), font, device_);
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  layout->setTextOption(option);
  layout->beginLayout();
  qreal y = 0;
  int count = 0;
  for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine(), ++count) {
    line.setLineWidth(width_);
    line.setPosition(QPointF(0, y));
    y += line.height();
  }
  layout->endLayout();
  for (int i = 0; i < count; ++i) {
    Piece piece{Piece::Kind::kLine};
    piece.index = layouts_.size();
    piece.line = i;
    piece.space = i == 0 ? spaceAbove * lineHeight_ : 0;
    piece.height = layout->lineAt(i).height();
    // A name stays with its first line; the lines of a text may part.
    piece.keepWithNext = keepWithNext && i + 1 == count;
    pieces_.push_back(piece);
  }
  layouts_.push_back(std::move(layout));
}

// The caption, then the table in as many bands as its columns need.
void SolutionPages::addTable(const SheetTable& table) {
  addText(table.caption, font_, kItemSpace, true);
  Advances advances(QFontMetricsF(font_, device_));
  qreal widest = 0;  // of the characters of a number
  for (const QChar c : QStringLiteral("0123456789-/")) widest = std::max(widest, advances.of(c));
  const qreal gap = kColumnGap * advances.of(u'0');

  const QString root = searchable(table.root);
  const qreal rootLimit = width_ * kRootShare;
  qreal rootWidth = advances.of(root);
  const QStringList rootLines = rootWidth > rootLimit ? chunks(root, qsizetype(rootLimit / widest)) : QStringList{root};
  rootWidth = std::min(rootWidth, rootLimit);

  // Column c holds dividend[c], products[c - 1] and quotient[c], or the
  // remainder in the last column.
  const int degree = table.degree();
  const qreal widestCell = width_ - rootWidth - 2 * gap;
  const auto cellChars = qsizetype(std::max<qreal>(1, widestCell / widest));
  std::vector<std::array<QStringList, 3>> cells;
  std::vector<qreal> widths;
  for (int c = 0; c <= degree; ++c) {
    const std::array<QString, 3> column{searchable(table.dividend.value(c)), searchable(table.products.value(c - 1)),
                                        searchable(c < degree ? table.quotient.value(c) : table.remainder)};
    qreal width = 0;
    for (const QString& cell : column) width = std::max(width, advances.of(cell));
    const bool broken = width > widestCell;
    std::array<QStringList, 3> lines;
    for (std::size_t row = 0; row < 3; ++row) lines[row] = chunks(column[row], broken ? cellChars : 0);
    cells.push_back(std::move(lines));
    widths.push_back(std::min(width, widestCell));
  }
  addBands(rootLines, std::move(cells), std::move(widths), rootWidth, gap);
}

// Splits the columns into bands as wide as the page, each kept with the
// next, so that a table that fits on a page is never parted.
void SolutionPages::addBands(const QStringList& root, std::vector<std::array<QStringList, 3>> cells,
                             std::vector<qreal> widths, qreal rootWidth, qreal gap) {
  const std::size_t columns = cells.size();
  std::size_t first = 0;
  while (first < columns) {
    Band band;
    band.root = root;
    band.rootRight = rootWidth;
    band.rule = rootWidth + gap / 2;
    qreal x = rootWidth;
    std::size_t c = first;
    // The remainder's column has a rule before it, so a gap of its own.
    const auto need = [&](std::size_t column) { return widths[column] + gap * (column + 1 == columns ? 2 : 1); };
    while (c < columns && (c == first || x + need(c) <= width_)) {
      if (c + 1 == columns) {
        band.remainderRule = x + gap / 2;
        x += gap;
      }
      x += need(c) - (c + 1 == columns ? gap : 0);
      band.right.push_back(x);
      band.cells.push_back(std::move(cells[c]));
      ++c;
    }
    band.end = x + gap / 2;
    band.lines = {1, int(root.size()), 1};
    for (const auto& column : band.cells)
      for (std::size_t row = 0; row < 3; ++row) band.lines[row] = std::max(band.lines[row], int(column[row].size()));
    Piece piece{Piece::Kind::kBand};
    piece.index = bands_.size();
    piece.space = first == 0 ? 0 : kItemSpace * lineHeight_;
    piece.height = band.height(lineHeight_);
    piece.keepWithNext = c < columns;
    pieces_.push_back(piece);
    bands_.push_back(std::move(band));
    first = c;
  }
}

// «Gráfica»: its name, then the picture as wide as the page allows.
void SolutionPages::addGraph() {
  addText(GraphSection::title(), bold_, kSectionSpace, true);
  Piece piece{Piece::Kind::kGraph};
  piece.space = kItemSpace * lineHeight_;
  piece.height = std::min(width_ * kGraphAspect, height_ * kGraphShareOfPage);
  pieces_.push_back(piece);
}

// What a piece needs on a page to start there: all of it, or a few lines of
// one taller than a page.
qreal SolutionPages::startingHeight(std::size_t index) const {
  const Piece& piece = pieces_[index];
  return piece.height <= height_ ? piece.height : std::min(kLinesToStart * lineHeight_, piece.height);
}

qreal SolutionPages::keptHeight(std::size_t first) const {
  qreal height = startingHeight(first);
  for (std::size_t i = first; pieces_[i].keepWithNext && i + 1 < pieces_.size() && pieces_[i].height <= height_; ++i)
    height += pieces_[i + 1].space + startingHeight(i + 1);
  return height;
}

std::vector<qreal> SolutionPages::cuts(const Piece& piece, qreal room) const {
  // Only a band can be taller than a page: it is cut between its lines.
  const Band& band = bands_[piece.index];
  std::vector<qreal> edges;  // where a cut leaves every line whole
  for (int row = 0; row < 3; ++row)
    for (int line = 0; line <= band.lines[size_t(row)]; ++line) edges.push_back(band.rowTop(row, lineHeight_) + line * lineHeight_);
  std::vector<qreal> out{0};
  for (std::size_t i = 1; i < edges.size(); ++i) {
    // The last edge within the share's room, at least one line on.
    const qreal limit = out.size() == 1 ? room : height_;
    if (edges[i] - out.back() > limit && edges[i - 1] > out.back()) out.push_back(edges[i - 1]);
  }
  return out;
}

void SolutionPages::paginate() {
  int page = 0;
  qreal y = 0;
  for (std::size_t i = 0; i < pieces_.size(); ++i) {
    const Piece& piece = pieces_[i];
    const qreal kept = keptHeight(i);
    const qreal need = kept <= height_ ? kept : startingHeight(i);
    if (y > 0 && y + piece.space + need > height_) {
      ++page;
      y = 0;
    }
    y += y > 0 ? piece.space : 0;
    if (piece.height <= height_) {
      placements_.push_back({page, i, y, y, y + piece.height});
      y += piece.height;
      continue;
    }
    // Taller than a page: from here on, cut between its lines.
    const std::vector<qreal> shares = cuts(piece, height_ - y);
    for (std::size_t k = 0; k < shares.size(); ++k) {
      const qreal end = k + 1 < shares.size() ? shares[k + 1] : piece.height;
      const qreal top = k == 0 ? y : 0;
      placements_.push_back({page, i, top - shares[k], top, top + end - shares[k]});
      y = top + end - shares[k];
      if (k + 1 < shares.size()) ++page;
    }
  }
}

bool SolutionPages::paint(QPagedPaintDevice& device) const {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  int page = 0;
  for (const Placement& placement : placements_) {
    if (placement.page != page) {
      if (!device.newPage()) return false;
      page = placement.page;
    }
    painter.save();
    painter.setClipRect(QRectF(0, placement.clipTop, width_, placement.clipBottom - placement.clipTop));
    paintPiece(painter, pieces_[placement.piece], placement.top);
    painter.restore();
  }
  return painter.end();
}

void SolutionPages::paintPiece(QPainter& painter, const Piece& piece, qreal top) const {
  switch (piece.kind) {
    case Piece::Kind::kLine: {
      const QTextLine line = layouts_[piece.index]->lineAt(piece.line);
      line.draw(&painter, QPointF(0, top - line.y()));
      break;
    }
    case Piece::Kind::kBand:
      paintBand(painter, bands_[piece.index], top);
      break;
    case Piece::Kind::kGraph: {
      const qreal width = piece.height / kGraphAspect;
      GraphImage::draw(*sheet_.graph, painter, QRectF((width_ - width) / 2, top, width, piece.height));
      break;
    }
  }
}

// Each line of a row is one run of text whose numbers stand right-aligned
// at tab stops: one shaping per line rather than one per number.
void SolutionPages::paintBand(QPainter& painter, const Band& band, qreal top) const {
  QList<QTextOption::Tab> tabs{QTextOption::Tab(band.rootRight / tabScale_, QTextOption::RightTab)};
  for (const qreal right : band.right) tabs << QTextOption::Tab(right / tabScale_, QTextOption::RightTab);
  QTextOption option;
  option.setWrapMode(QTextOption::NoWrap);
  option.setTabs(tabs);
  for (int row = 0; row < 3; ++row) {
    for (int k = 0; k < band.lines[size_t(row)]; ++k) {
      QString text = QStringLiteral("\t");
      if (row == 1) text += band.root.value(k);
      for (const auto& column : band.cells) text += u'\t' + column[size_t(row)].value(k);
      QTextLayout layout(text, font_, painter.device());
      layout.setTextOption(option);
      layout.beginLayout();
      QTextLine line = layout.createLine();
      line.setLineWidth(band.end + width_);
      layout.endLayout();
      line.draw(&painter, QPointF(0, top + band.rowTop(row, lineHeight_) + k * lineHeight_));
    }
  }
  QPen pen(Qt::black);
  pen.setWidthF(lineHeight_ / 20);
  painter.setPen(pen);
  const qreal ruleY = top + band.ruleY(lineHeight_);
  painter.drawLine(QPointF(band.rule, top), QPointF(band.rule, ruleY));
  painter.drawLine(QPointF(band.rule, ruleY), QPointF(band.end, ruleY));
  if (band.remainderRule >= 0)
    painter.drawLine(QPointF(band.remainderRule, ruleY), QPointF(band.remainderRule, top + band.height(lineHeight_)));
}

QString SolutionPages::writePdf(const SolutionSheet& sheet, const QString& path) {
  return DocumentFiles::writePdf(path, QCoreApplication::translate("SolutionDialog", "Resolución paso a paso"),
                                 kPdfResolution, [&sheet](QPdfWriter& pdf) {
                                   const SolutionPages pages(sheet, pdf);
                                   return pages.paint(pdf) ? QString() : tr("no se pudo dibujar el documento");
                                 });
}
