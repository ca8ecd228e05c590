#include "app/SolutionPages.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <QPdfWriter>
#include <QGlyphRun>
#include <QRawFont>
#include <QTextLayout>
#include <algorithm>
#include <array>
#include <cmath>

#include "app/GraphSection.h"
#include "documents/DocumentFiles.h"
#include "documents/PainterCanvas.h"
#include "documents/PdfCanvas.h"
#include "graphview/GraphImage.h"

namespace {

constexpr qreal kPointSize = 11;       // the body text
constexpr qreal kTitlePointSize = 15;  // the title above the work
// A band of a table or a line with a number wider than the page is drawn
// this many points smaller at a time, down to the smallest size, until the
// number fits.
constexpr qreal kPointStep = 0.5;
constexpr qreal kSmallestPointSize = 5;
// A line is drawn up to this many points smaller to break between factors
// rather than within one.
constexpr qreal kOutsideConcession = 2;
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

// Whether a line may break before text[at], where a factor or a term
// starts: "(" after ")", or a sign that is not a number's own.
bool startsTerm(const QString& text, qsizetype at) {
  const QChar before = at > 0 ? text[at - 1] : u' ';
  if (text[at] == u'(') return before == u')';
  const char16_t c = text[at].unicode();
  const bool sign = c == u'+' || c == u'-' || c == u'=' || c == u'\u00b1';
  return sign && before != u'(' && before != u' ' && before != u'=';
}

// `text` cut into pieces of at most `chars` characters; whole when
// `chars` is 0.
QStringList chunks(const QString& text, qsizetype chars) {
  if (chars <= 0 || text.size() <= chars) return {text};
  QStringList out;
  for (qsizetype at = 0; at < text.size(); at += chars) out << text.mid(at, chars);
  return out;
}

}  // namespace

// The glyphs of the body font and their advances, looked up once per
// character. The numbers of the tables and the lines of the body text are
// drawn as runs of glyphs placed here rather than as shaped text: digits,
// signs and Latin letters need no shaping, and shaping the millions of
// characters of the largest solutions takes seconds.
class SolutionPages::Glyphs {
public:
  struct Glyph {
    quint32 index = 0;   // in its font; 0 when no font has one
    int font = 0;        // in fonts()
    // Whole device pixels; < 0: not looked up yet. Whole steps put a run of
    // digits at equal distances, which the PDF holds in fewer bytes.
    qreal advance = -1;
  };

  Glyphs(const QFont& font, QPaintDevice* device) : font_(font), device_(device), metrics_(font, device) {}

  // Looks up each character the first time it is met, in the font text
  // layout would draw it with: the body font, or another one that has it.
  const Glyph& of(QChar c) {
    Glyph& glyph = c.unicode() < ascii_.size() ? ascii_[c.unicode()] : other_[c];
    if (glyph.advance >= 0) return glyph;
    glyph.advance = metrics_.horizontalAdvance(c);
    QTextLayout layout(QString(c), font_, device_);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    if (runs.size() != 1 || runs[0].glyphIndexes().size() != 1 || runs[0].glyphIndexes()[0] == 0) return glyph;
    const QRawFont raw = runs[0].rawFont();
    glyph.index = runs[0].glyphIndexes()[0];
    glyph.advance = std::round(raw.advancesForGlyphIndexes(runs[0].glyphIndexes()).value(0).x());
    const auto known = std::find(fonts_.begin(), fonts_.end(), raw);
    glyph.font = int(known - fonts_.begin());
    if (known == fonts_.end()) fonts_.push_back(raw);
    return glyph;
  }
  qreal width(const QString& text) {
    qreal width = 0;
    for (const QChar c : text) width += of(c).advance;
    return width;
  }
  // Whether every character of `text` has a glyph.
  bool covers(const QString& text) {
    return std::all_of(text.begin(), text.end(), [this](QChar c) { return of(c).index != 0; });
  }
  const std::vector<QRawFont>& fonts() const { return fonts_; }
  const QFont& font() const { return font_; }
  QPaintDevice* device() const { return device_; }
  qreal ascent() const { return metrics_.ascent(); }
  qreal height() const { return metrics_.height(); }
  qreal lineSpacing() const { return metrics_.lineSpacing(); }

private:
  QFont font_;
  QPaintDevice* device_;
  QFontMetricsF metrics_;
  std::vector<QRawFont> fonts_;
  std::array<Glyph, 128> ascii_{};
  QHash<QChar, Glyph> other_;
};

// Texts gathered into runs of glyphs, one per font, each glyph at a whole
// device pixel so that a run of digits is drawn at equal steps.
class SolutionPages::GlyphRun {
public:
  GlyphRun(Glyphs& glyphs, PageCanvas& canvas) : glyphs_(glyphs), canvas_(canvas) {}

  // `text` from `x` on; a text with a character no font has is laid out as
  // text and drawn at once.
  void add(const QString& text, qreal x, qreal baseline) {
    if (!glyphs_.covers(text)) {
      QTextLayout layout(text, glyphs_.font(), glyphs_.device());
      layout.beginLayout();
      const QTextLine line = layout.createLine();
      layout.endLayout();
      canvas_.drawTextLine(layout, 0, QPointF(x, baseline - line.ascent()));
      return;
    }
    for (const QChar c : text) {
      const Glyphs::Glyph& glyph = glyphs_.of(c);
      if (runs_.size() <= std::size_t(glyph.font)) runs_.resize(std::size_t(glyph.font) + 1);
      Run& run = runs_[std::size_t(glyph.font)];
      run.indexes.push_back(glyph.index);
      run.positions.emplace_back(std::round(x), baseline);
      run.characters.push_back(c);
      x += glyph.advance;
    }
  }
  void addRightAligned(const QString& text, qreal right, qreal baseline) { add(text, right - glyphs_.width(text), baseline); }
  void draw() {
    for (std::size_t font = 0; font < runs_.size(); ++font) {
      Run& glyphs = runs_[font];
      if (glyphs.indexes.empty()) continue;
      canvas_.drawGlyphs(glyphs_.fonts()[font], glyphs.indexes.data(), glyphs.positions.data(), glyphs.characters.data(),
                         qsizetype(glyphs.indexes.size()));
      glyphs.indexes.clear();
      glyphs.positions.clear();
      glyphs.characters.clear();
    }
  }

private:
  struct Run {
    std::vector<quint32> indexes;
    std::vector<QPointF> positions;
    std::vector<QChar> characters;  // what each glyph shows
  };
  Glyphs& glyphs_;
  PageCanvas& canvas_;
  std::vector<Run> runs_;  // per font of glyphs_
};

// Columns of a table that fit across the page, their numbers already broken
// into the lines of their cells.
struct SolutionPages::Band {
  Glyphs* glyphs = nullptr;                       // of the font it is drawn in
  qreal lineHeight = 0;                           // of that font, device pixels
  QStringList root;                               // the lines of the root's cell
  std::vector<std::array<QStringList, 3>> cells;  // per column: dividend, product, quotient or remainder
  std::vector<qreal> right;                       // per column: its right edge
  qreal rootRight = 0;                            // the root column's right edge
  qreal rule = 0;                                 // x of the rule right of the root
  qreal end = 0;                                  // right end of the rule above the quotient
  qreal remainderRule = -1;                       // x of the rule before the remainder; < 0 in other bands
  std::array<int, 3> lines{};                     // lines of each row

  // Offsets from the band's top of each of its lines, and of the rule.
  qreal rowTop(int row) const {
    const int above = row == 0 ? 0 : row == 1 ? lines[0] : lines[0] + lines[1];
    return above * lineHeight + (row == 2 ? 2 * kRuleSpace * lineHeight : 0);
  }
  qreal ruleY() const { return (lines[0] + lines[1] + kRuleSpace) * lineHeight; }
  qreal height() const { return rowTop(2) + lines[2] * lineHeight; }
};

// A table's columns in one font, the root's cell and the numbers broken
// into the lines of their cells.
struct SolutionPages::Columns {
  Glyphs* glyphs = nullptr;
  QStringList root;                               // the lines of the root's cell
  qreal rootWidth = 0;
  qreal gap = 0;                                  // between columns
  std::vector<std::array<QStringList, 3>> cells;  // per column: dividend, product, quotient or remainder
  std::vector<qreal> widths;                      // per column
  bool broken = false;                            // some number is over several lines
  qreal needed = 0;  // the width the root, its gaps and the widest column would take unbroken
};

// A line of text in the body font at some size.
struct SolutionPages::PlainLine {
  QString text;
  Glyphs* glyphs = nullptr;
};

struct SolutionPages::Piece {
  enum class Kind { kLine, kPlainLine, kBand, kGraph } kind;
  std::size_t index = 0;  // of the layout, the plain line or the band
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
  glyphs_ = std::make_unique<Glyphs>(font_, &device);

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
  const QString shown = searchable(text);
  if (font == font_ && glyphs_->covers(shown)) {
    addPlainLines(shown, spaceAbove, keepWithNext);
    return;
  }
  auto layout = std::make_unique<QTextLayout>(shown, font, device_);
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

SolutionPages::Glyphs& SolutionPages::glyphsAt(qreal pointSize) {
  if (pointSize >= kPointSize) return *glyphs_;
  for (const auto& [size, glyphs] : smaller_)
    if (size == pointSize) return *glyphs;
  QFont font = font_;
  font.setPointSizeF(pointSize);
  smaller_.emplace_back(pointSize, std::make_unique<Glyphs>(font, device_));
  return *smaller_.back().second;
}

qsizetype SolutionPages::lineEnd(const QString& text, qsizetype start, int depth, Glyphs& glyphs, LineBreak& kind) const {
  qreal x = 0;
  qsizetype end = start;
  // The last places the line may end: outside parentheses, and within them.
  qsizetype breakAt = -1;
  qsizetype innerBreakAt = -1;
  for (; end < text.size(); ++end) {
    const qreal advance = glyphs.of(text[end]).advance;
    if (text[end] == u' ' || (end > start && startsTerm(text, end))) (depth > 0 ? innerBreakAt : breakAt) = end;
    if (text[end] != u' ' && x + advance > width_ && end > start) break;
    depth += text[end] == u'(' ? 1 : text[end] == u')' ? -1 : 0;
    x += advance;
  }
  if (end == text.size()) {
    kind = LineBreak::kOutside;
    return end;
  }
  kind = breakAt > start ? LineBreak::kOutside : innerBreakAt > start ? LineBreak::kInside : LineBreak::kWithinWord;
  return kind == LineBreak::kOutside ? breakAt : kind == LineBreak::kInside ? innerBreakAt : end;
}

// `text` in the body font, in lines as wide as the page: each broken at its
// last space or where a factor or a term starts, outside parentheses where
// it can. A line that would break within parentheses or within a word is
// drawn smaller, down to the smallest size, when that lets it break better;
// a word wider than the page even then is broken at the normal size.
void SolutionPages::addPlainLines(const QString& text, qreal spaceAbove, bool keepWithNext) {
  qsizetype start = 0;
  int depth = 0;  // of parentheses open at `start`
  do {
    LineBreak kind = LineBreak::kOutside;
    Glyphs* glyphs = glyphs_.get();
    qsizetype cut = lineEnd(text, start, depth, *glyphs, kind);
    // The largest size at which the line ends no worse than `wanted`; 0
    // when there is none.
    struct Fit {
      qreal size = 0;
      Glyphs* glyphs = nullptr;
      qsizetype end = 0;
    };
    const auto largest = [&](LineBreak wanted) {
      LineBreak smallest = LineBreak::kOutside;  // one that does not fit so at the smallest size never does
      lineEnd(text, start, depth, glyphsAt(kSmallestPointSize), smallest);
      for (qreal size = kPointSize - kPointStep; smallest <= wanted && size >= kSmallestPointSize; size -= kPointStep) {
        LineBreak smallerKind = LineBreak::kOutside;
        const qsizetype end = lineEnd(text, start, depth, glyphsAt(size), smallerKind);
        if (smallerKind <= wanted) return Fit{size, &glyphsAt(size), end};
      }
      return Fit{};
    };
    if (kind != LineBreak::kOutside) {
      // Between factors rather than within one, unless that takes a much
      // smaller size.
      const Fit outside = largest(LineBreak::kOutside);
      const Fit inside = kind == LineBreak::kInside ? Fit{kPointSize, glyphs, cut} : largest(LineBreak::kInside);
      const Fit& best = outside.size >= inside.size - kOutsideConcession ? outside : inside;
      if (best.size > 0) {
        glyphs = best.glyphs;
        cut = best.end;
      }
    }
    Piece piece{Piece::Kind::kPlainLine};
    piece.index = plainLines_.size();
    piece.space = start == 0 ? spaceAbove * lineHeight_ : 0;
    piece.height = glyphs->height();
    plainLines_.push_back({text.mid(start, cut - start), glyphs});
    depth += int(std::count(text.begin() + start, text.begin() + cut, u'(') - std::count(text.begin() + start, text.begin() + cut, u')'));
    for (start = cut; start < text.size() && text[start] == u' ';) ++start;
    // A name stays with its first line; the lines of a text may part.
    piece.keepWithNext = keepWithNext && start == text.size();
    pieces_.push_back(piece);
  } while (start < text.size());
}

// The caption, then the table in as many bands as its columns need. A
// column with a number wider than the page has a band of its own, drawn
// smaller so that the number stays whole.
void SolutionPages::addTable(const SheetTable& table) {
  addText(table.caption, font_, kItemSpace, true);
  // Column c holds dividend[c], products[c - 1] and quotient[c], or the
  // remainder in the last column.
  const int degree = table.degree();
  std::vector<std::array<QString, 3>> texts;
  for (int c = 0; c <= degree; ++c)
    texts.push_back({searchable(table.dividend.value(c)), searchable(table.products.value(c - 1)),
                     searchable(c < degree ? table.quotient.value(c) : table.remainder)});
  const QString root = searchable(table.root);
  const std::size_t columns = texts.size();
  std::size_t first = 0;
  while (first < columns) {
    Columns wide = columnsIn(*glyphs_, root, texts, first, first + 1);
    std::size_t end = first + 1;
    if (wide.broken) {
      // Widths shrink about as the size does: start a step above the size
      // at which the column would just fit.
      const qreal estimate = kPointSize * width_ / wide.needed;
      const qreal start = std::min(kPointSize - kPointStep, kPointStep * std::ceil(estimate / kPointStep + 1));
      for (qreal size = start; size >= kSmallestPointSize; size -= kPointStep) {
        Columns smaller = columnsIn(glyphsAt(size), root, texts, first, end);
        if (!smaller.broken) {
          wide = std::move(smaller);
          break;
        }
      }
      addBands(std::move(wide), first == 0, end == columns, end < columns);
    } else {
      // The columns up to the next one wider than the page, in the normal size.
      while (end < columns && !columnsIn(*glyphs_, root, texts, end, end + 1).broken) ++end;
      addBands(columnsIn(*glyphs_, root, texts, first, end), first == 0, end == columns, end < columns);
    }
    first = end;
  }
}

SolutionPages::Columns SolutionPages::columnsIn(Glyphs& glyphs, const QString& root,
                                                const std::vector<std::array<QString, 3>>& texts, std::size_t first,
                                                std::size_t end) const {
  Columns out;
  out.glyphs = &glyphs;
  qreal widest = 0;  // of the characters of a number
  for (const QChar c : QStringLiteral("0123456789-/")) widest = std::max(widest, glyphs.of(c).advance);
  out.gap = kColumnGap * glyphs.of(u'0').advance;

  const qreal rootLimit = width_ * kRootShare;
  out.rootWidth = glyphs.width(root);
  out.root = out.rootWidth > rootLimit ? chunks(root, qsizetype(rootLimit / widest)) : QStringList{root};
  out.rootWidth = std::min(out.rootWidth, rootLimit);

  const qreal widestCell = width_ - out.rootWidth - 2 * out.gap;
  const auto cellChars = qsizetype(std::max<qreal>(1, widestCell / widest));
  for (std::size_t c = first; c < end; ++c) {
    qreal width = 0;
    for (const QString& cell : texts[c]) width = std::max(width, glyphs.width(cell));
    const bool broken = width > widestCell;
    out.broken = out.broken || broken;
    out.needed = std::max(out.needed, out.rootWidth + 2 * out.gap + width);
    std::array<QStringList, 3> lines;
    for (std::size_t row = 0; row < 3; ++row) lines[row] = chunks(texts[c][row], broken ? cellChars : 0);
    out.cells.push_back(std::move(lines));
    out.widths.push_back(std::min(width, widestCell));
  }
  return out;
}

// Splits the columns into bands as wide as the page, each kept with the
// next, so that a table that fits on a page is never parted. The last
// column of a table, the remainder's, has a rule before it.
void SolutionPages::addBands(Columns in, bool startsTable, bool endsTable, bool moreFollow) {
  const std::size_t columns = in.cells.size();
  const qreal gap = in.gap;
  const qreal lineHeight = in.glyphs->lineSpacing();
  std::size_t first = 0;
  while (first < columns) {
    Band band;
    band.glyphs = in.glyphs;
    band.lineHeight = lineHeight;
    band.root = in.root;
    band.rootRight = in.rootWidth;
    band.rule = in.rootWidth + gap / 2;
    qreal x = in.rootWidth;
    std::size_t c = first;
    const auto isRemainder = [&](std::size_t column) { return endsTable && column + 1 == columns; };
    // The remainder's column has a rule before it, so a gap of its own.
    const auto need = [&](std::size_t column) { return in.widths[column] + gap * (isRemainder(column) ? 2 : 1); };
    while (c < columns && (c == first || x + need(c) <= width_)) {
      if (isRemainder(c)) {
        band.remainderRule = x + gap / 2;
        x += gap;
      }
      x += need(c) - (isRemainder(c) ? gap : 0);
      band.right.push_back(x);
      band.cells.push_back(std::move(in.cells[c]));
      ++c;
    }
    band.end = x + gap / 2;
    band.lines = {1, int(in.root.size()), 1};
    for (const auto& column : band.cells)
      for (std::size_t row = 0; row < 3; ++row) band.lines[row] = std::max(band.lines[row], int(column[row].size()));
    Piece piece{Piece::Kind::kBand};
    piece.index = bands_.size();
    piece.space = first == 0 && startsTable ? 0 : kItemSpace * lineHeight_;
    piece.height = band.height();
    piece.keepWithNext = c < columns || moreFollow;
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
    for (int line = 0; line <= band.lines[size_t(row)]; ++line)
      edges.push_back(band.rowTop(row) + line * band.lineHeight);
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
  PainterCanvas canvas(device);
  return canvas.isActive() && paint(canvas) && canvas.finish();
}

bool SolutionPages::paint(PageCanvas& canvas) const {
  int page = 0;
  for (const Placement& placement : placements_) {
    if (placement.page != page) {
      if (!canvas.newPage()) return false;
      page = placement.page;
    }
    const Piece& piece = pieces_[placement.piece];
    // Only the share of a piece taller than a page needs cutting out.
    const bool clipped = placement.clipTop > placement.top || placement.clipBottom < placement.top + piece.height;
    if (clipped) canvas.beginClip(QRectF(0, placement.clipTop, width_, placement.clipBottom - placement.clipTop));
    paintPiece(canvas, piece, placement.top);
    if (clipped) canvas.endClip();
  }
  return true;
}

void SolutionPages::paintPiece(PageCanvas& canvas, const Piece& piece, qreal top) const {
  switch (piece.kind) {
    case Piece::Kind::kLine: {
      const QTextLayout& layout = *layouts_[piece.index];
      canvas.drawTextLine(layout, piece.line, QPointF(0, top - layout.lineAt(piece.line).y()));
      break;
    }
    case Piece::Kind::kPlainLine: {
      const PlainLine& line = plainLines_[piece.index];
      GlyphRun run(*line.glyphs, canvas);
      run.add(line.text, 0, std::round(top + line.glyphs->ascent()));
      run.draw();
      break;
    }
    case Piece::Kind::kBand:
      paintBand(canvas, bands_[piece.index], top);
      break;
    case Piece::Kind::kGraph: {
      const qreal width = piece.height / kGraphAspect;
      const GraphData& graph = *sheet_.graph;
      canvas.drawPicture(QRectF((width_ - width) / 2, top, width, piece.height),
                         [&graph](QPainter& painter, const QRectF& target) { GraphImage::draw(graph, painter, target); });
      break;
    }
  }
}

// Each line of a row is one run of glyphs, each number right-aligned at its
// column's edge.
void SolutionPages::paintBand(PageCanvas& canvas, const Band& band, qreal top) const {
  const qreal lineHeight = band.lineHeight;
  GlyphRun run(*band.glyphs, canvas);
  for (int row = 0; row < 3; ++row) {
    for (int k = 0; k < band.lines[size_t(row)]; ++k) {
      const qreal baseline = std::round(top + band.rowTop(row) + k * lineHeight + band.glyphs->ascent());
      if (row == 1 && k < band.root.size()) run.addRightAligned(band.root[k], band.rootRight, baseline);
      for (std::size_t c = 0; c < band.cells.size(); ++c) {
        const QStringList& lines = band.cells[c][size_t(row)];
        if (k < lines.size()) run.addRightAligned(lines[k], band.right[c], baseline);
      }
      run.draw();
    }
  }
  const qreal width = lineHeight / 20;
  const qreal ruleY = top + band.ruleY();
  canvas.drawLine(QPointF(band.rule, top), QPointF(band.rule, ruleY), width);
  canvas.drawLine(QPointF(band.rule, ruleY), QPointF(band.end, ruleY), width);
  if (band.remainderRule >= 0)
    canvas.drawLine(QPointF(band.remainderRule, ruleY), QPointF(band.remainderRule, top + band.height()), width);
}

// Laid out for a PDF writer, which is only asked for its fonts' metrics, and
// drawn by our own: QPdfWriter writes each glyph with a command of its own
// and compresses at zlib's slowest level, seconds for the largest solutions.
QString SolutionPages::writePdf(const SolutionSheet& sheet, const QString& path) {
  QBuffer unused;
  QPdfWriter metrics(&unused);
  metrics.setPageLayout(DocumentFiles::pageLayout());
  metrics.setResolution(kPdfResolution);
  PdfCanvas canvas(DocumentFiles::pageLayout(), kPdfResolution);
  if (!SolutionPages(sheet, metrics).paint(canvas)) return tr("no se pudo dibujar el documento");
  return DocumentFiles::writeBytes(path, canvas.finish(QCoreApplication::translate("SolutionDialog", "Resolución paso a paso")));
}
