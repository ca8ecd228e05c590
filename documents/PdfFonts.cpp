#include "documents/PdfFonts.h"

#include <QtEndian>
#include <algorithm>
#include <cmath>

#include "documents/PdfFile.h"
#include "documents/FontFiles.h"

namespace {

// A ToUnicode CMap lists at most this many codes per block.
constexpr int kCodesPerBlock = 100;

qint16 s16(const QByteArray& table, qsizetype at) {
  return at + 2 <= table.size() ? qFromBigEndian<qint16>(table.constData() + at) : qint16(0);
}

QByteArray hex4(quint32 value) { return QByteArray::number(value, 16).rightJustified(4, '0').toUpper(); }

// A character as the UTF-16 code units a ToUnicode CMap gives, in hex.
QByteArray utf16Hex(char32_t unicode) {
  char16_t units[2];
  const qsizetype count = QChar::requiresSurrogates(unicode) ? 2 : 1;
  if (count == 2) {
    units[0] = QChar::highSurrogate(unicode);
    units[1] = QChar::lowSurrogate(unicode);
  } else {
    units[0] = char16_t(unicode);
  }
  QByteArray out;
  for (qsizetype i = 0; i < count; ++i) out += hex4(units[i]);
  return out;
}

QByteArray toUnicodeCMap(const std::vector<char32_t>& unicode) {
  QByteArray entries;
  int inBlock = 0;
  QByteArray out =
      "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
      "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
      "/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n"
      "1 begincodespacerange\n<0000> <FFFF>\nendcodespacerange\n";
  const auto flush = [&] {
    if (inBlock == 0) return;
    out += QByteArray::number(inBlock) + " beginbfchar\n" + entries + "endbfchar\n";
    entries.clear();
    inBlock = 0;
  };
  for (std::size_t glyph = 0; glyph < unicode.size(); ++glyph) {
    if (unicode[glyph] == 0) continue;
    entries += '<' + hex4(quint32(glyph)) + "> <" + utf16Hex(unicode[glyph]) + ">\n";
    if (++inBlock == kCodesPerBlock) flush();
  }
  flush();
  return out + "endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n";
}

}  // namespace

int PdfFonts::of(const QRawFont& font) {
  const auto known = std::find_if(sizes_.begin(), sizes_.end(), [&](const Size& size) { return size.raw == font; });
  if (known != sizes_.end()) return int(known - sizes_.begin());
  const auto sameFace = [&](const Face& face) {
    return face.raw.familyName() == font.familyName() && face.raw.styleName() == font.styleName() &&
           face.raw.weight() == font.weight() && face.raw.style() == font.style();
  };
  auto face = std::find_if(faces_.begin(), faces_.end(), sameFace);
  if (face == faces_.end()) {
    const Face::Outlines outlines = FontFiles::hasTrueTypeOutlines(font)       ? Face::Outlines::kTrueType
                                    : !font.fontTable("CFF ").isEmpty() ? Face::Outlines::kCff
                                                                        : Face::Outlines::kNone;
    faces_.push_back({font, outlines, {}, {}});
    face = faces_.end() - 1;
  }
  sizes_.push_back({font, std::size_t(face - faces_.begin()), {}});
  return int(sizes_.size()) - 1;
}

QByteArray PdfFonts::name(int resource) { return "/F" + QByteArray::number(resource + 1); }

double PdfFonts::use(int resource, quint32 glyph, char32_t unicode) {
  Size& size = sizes_[std::size_t(resource)];
  Face& face = faces_[size.face];
  if (glyph < size.widths.size() && size.widths[glyph] >= 0) {
    if (face.unicode[glyph] == 0) face.unicode[glyph] = unicode;  // first met where it was not known
    return size.widths[glyph];
  }
  if (glyph >= face.used.size()) {
    face.used.resize(glyph + 1, false);
    face.unicode.resize(glyph + 1, 0);
  }
  face.used[glyph] = true;
  if (face.unicode[glyph] == 0) face.unicode[glyph] = unicode;
  if (glyph >= size.widths.size()) size.widths.resize(glyph + 1, -1);
  const double pixels = std::round(size.raw.advancesForGlyphIndexes(QList<quint32>{glyph}).value(0).x());
  // Rounded as the PDF writes it, so that what follows is placed from the
  // same width a viewer reads.
  size.widths[glyph] = std::round(pixels * 1000 / size.raw.pixelSize() * 100) / 100;
  return size.widths[glyph];
}

QByteArray PdfFonts::baseName(const Face& face, std::size_t index) const {
  QString name = face.raw.familyName();
  if (face.raw.styleName() != QLatin1String("Regular") && !face.raw.styleName().isEmpty())
    name += u'-' + face.raw.styleName();
  QByteArray out;
  for (const QChar c : name)
    if ((c.isLetterOrNumber() && c.unicode() < 128) || c == u'-') out += char(c.unicode());
  // The tag of a font file that holds only some of the font's glyphs.
  const QByteArray tag = QByteArray("FACT") + char('A' + index / 26 % 26) + char('A' + index % 26);
  return '/' + tag + '+' + (out.isEmpty() ? QByteArray("Font") : out);
}

void PdfFonts::writeFace(const Face& face, std::size_t index, int descriptor, int toUnicode) {
  const QByteArray head = face.raw.fontTable("head");
  const QByteArray hhea = face.raw.fontTable("hhea");
  const double unitsPerEm = std::max<double>(16, quint16(s16(head, 18)));
  const auto thousandths = [&](qint16 units) { return QByteArray::number(std::lround(units * 1000 / unitsPerEm)); };
  QByteArray entries = "<< /Type /FontDescriptor /FontName " + baseName(face, index) + " /Flags 4 /FontBBox [" +
                       thousandths(s16(head, 36)) + ' ' + thousandths(s16(head, 38)) + ' ' +
                       thousandths(s16(head, 40)) + ' ' + thousandths(s16(head, 42)) + "] /ItalicAngle 0 /Ascent " +
                       thousandths(s16(hhea, 4)) + " /Descent " + thousandths(s16(hhea, 6)) +
                       " /CapHeight " + thousandths(s16(hhea, 4)) + " /StemV 80";
  if (const QByteArray program = FontFiles::trueTypeSubset(face.raw, face.used); !program.isEmpty()) {
    const int fontFile = file_.reserve();
    file_.addStream(fontFile, program, "/Length1 " + QByteArray::number(program.size()));
    entries += " /FontFile2 " + QByteArray::number(fontFile) + " 0 R";
  } else if (const QByteArray cff = FontFiles::openTypeCff(face.raw); !cff.isEmpty()) {
    const int fontFile = file_.reserve();
    file_.addStream(fontFile, cff, "/Subtype /OpenType");
    entries += " /FontFile3 " + QByteArray::number(fontFile) + " 0 R";
  }
  file_.add(descriptor, entries + " >>");
  file_.addStream(toUnicode, toUnicodeCMap(face.unicode));
}

QByteArray PdfFonts::finish() {
  std::vector<int> descriptors;
  std::vector<int> toUnicodes;
  for (std::size_t i = 0; i < faces_.size(); ++i) {
    descriptors.push_back(faces_[i].embeds() ? file_.reserve() : 0);
    toUnicodes.push_back(faces_[i].embeds() ? file_.reserve() : 0);
    if (faces_[i].embeds()) writeFace(faces_[i], i, descriptors.back(), toUnicodes.back());
  }
  QByteArray resources;
  for (std::size_t i = 0; i < sizes_.size(); ++i) {
    const Size& size = sizes_[i];
    if (!faces_[size.face].embeds()) continue;  // its glyphs were drawn as shapes
    // The widths of the glyphs used, each run of consecutive numbers as
    // one array.
    QByteArray widths;
    for (quint32 glyph = 0; glyph < size.widths.size(); ++glyph) {
      if (size.widths[glyph] < 0) continue;
      if (glyph == 0 || size.widths[glyph - 1] < 0) widths += (widths.isEmpty() ? "" : "] ") + QByteArray::number(glyph) + " [";
      else widths += ' ';
      PdfFile::appendNumber(widths, size.widths[glyph]);
    }
    if (!widths.isEmpty()) widths += ']';
    const QByteArray base = baseName(faces_[size.face], size.face);
    const int descendant = file_.reserve();
    // Codes are glyph numbers: a TrueType font maps them by CIDToGIDMap, a
    // CFF font without CIDs of its own takes them as glyph numbers.
    const bool trueType = faces_[size.face].outlines == Face::Outlines::kTrueType;
    file_.add(descendant, "<< /Type /Font /Subtype " + QByteArray(trueType ? "/CIDFontType2" : "/CIDFontType0") +
                              " /BaseFont " + base +
                              " /CIDSystemInfo << /Registry (Adobe) /Ordering (Identity) /Supplement 0 >>"
                              " /FontDescriptor " + QByteArray::number(descriptors[size.face]) + " 0 R" +
                              (trueType ? " /CIDToGIDMap /Identity" : "") + " /DW 1000 /W [" + widths + "] >>");
    const int font = file_.reserve();
    file_.add(font, "<< /Type /Font /Subtype /Type0 /BaseFont " + base + " /Encoding /Identity-H /DescendantFonts [" +
                        QByteArray::number(descendant) + " 0 R] /ToUnicode " +
                        QByteArray::number(toUnicodes[size.face]) + " 0 R >>");
    resources += name(int(i)) + ' ' + QByteArray::number(font) + " 0 R ";
  }
  return resources;
}
