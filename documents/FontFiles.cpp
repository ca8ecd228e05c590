#include "documents/FontFiles.h"

#include <QRawFont>
#include <QtEndian>
#include <algorithm>
#include <array>
#include <utility>

namespace {

// Offsets in the head table.
constexpr qsizetype kHeadChecksumAdjustment = 8;   // uint32
constexpr qsizetype kHeadIndexToLocFormat = 50;    // int16: 0 short, 1 long offsets
// The flags of a part of a composite glyph that say what follows its glyph
// number.
constexpr quint16 kArgsAreWords = 0x0001;
constexpr quint16 kHasScale = 0x0008;
constexpr quint16 kMoreComponents = 0x0020;
constexpr quint16 kHasXYScale = 0x0040;
constexpr quint16 kHasTwoByTwo = 0x0080;

quint16 u16(const QByteArray& data, qsizetype at) {
  return at + 2 <= data.size() ? qFromBigEndian<quint16>(data.constData() + at) : 0;
}
quint32 u32(const QByteArray& data, qsizetype at) {
  return at + 4 <= data.size() ? qFromBigEndian<quint32>(data.constData() + at) : 0;
}
void put16(QByteArray& data, qsizetype at, quint16 value) { qToBigEndian(value, data.data() + at); }
void append32(QByteArray& data, quint32 value) {
  char bytes[4];
  qToBigEndian(value, bytes);
  data.append(bytes, 4);
}

// The sum of a table's bytes as big-endian 32-bit words, padded with zeros.
quint32 checksum(const QByteArray& table) {
  quint32 sum = 0;
  for (qsizetype at = 0; at < table.size(); at += 4) {
    char word[4] = {0, 0, 0, 0};
    std::copy_n(table.constData() + at, std::min<qsizetype>(4, table.size() - at), word);
    sum += qFromBigEndian<quint32>(word);
  }
  return sum;
}

// Where each glyph's outline starts in glyf; glyphs + 1 offsets.
std::vector<quint32> offsets(const QByteArray& loca, bool longOffsets, quint32 glyphs) {
  std::vector<quint32> out(glyphs + 1, 0);
  for (quint32 g = 0; g <= glyphs; ++g)
    out[g] = longOffsets ? u32(loca, qsizetype(g) * 4) : quint32(u16(loca, qsizetype(g) * 2)) * 2;
  return out;
}

// Marks the parts of the used composite glyphs as used, and theirs in turn.
void addParts(const QByteArray& glyf, const std::vector<quint32>& starts, std::vector<bool>& keep) {
  std::vector<quint32> pending;
  for (quint32 g = 0; g < keep.size(); ++g)
    if (keep[g]) pending.push_back(g);
  while (!pending.empty()) {
    const quint32 g = pending.back();
    pending.pop_back();
    const qsizetype start = starts[g];
    if (starts[g + 1] <= starts[g] || qint16(u16(glyf, start)) >= 0) continue;  // empty or simple
    qsizetype at = start + 10;  // after the glyph's header
    for (quint16 flags = kMoreComponents; flags & kMoreComponents && at + 4 <= qsizetype(starts[g + 1]);) {
      flags = u16(glyf, at);
      const quint16 part = u16(glyf, at + 2);
      if (part < keep.size() && !keep[part]) {
        keep[part] = true;
        pending.push_back(part);
      }
      at += 4 + ((flags & kArgsAreWords) ? 4 : 2);
      at += (flags & kHasScale) ? 2 : (flags & kHasXYScale) ? 4 : (flags & kHasTwoByTwo) ? 8 : 0;
    }
  }
}

// The sfnt file of `tables`, sorted by tag as the directory must be, with
// the whole file summing to 0xB1B0AFBA as head's adjustment makes it.
QByteArray sfnt(quint32 version, std::vector<std::pair<QByteArray, QByteArray>> tables) {
  std::sort(tables.begin(), tables.end());
  const auto count = quint16(tables.size());
  quint16 power = 1;  // the largest power of 2 <= count
  quint16 log = 0;
  while (power * 2 <= count) {
    power *= 2;
    ++log;
  }
  QByteArray out;
  append32(out, version);
  out.resize(12);
  put16(out, 4, count);
  put16(out, 6, quint16(power * 16));
  put16(out, 8, log);
  put16(out, 10, quint16(count * 16 - power * 16));
  quint32 offset = 12 + 16 * quint32(count);
  qsizetype headAt = -1;  // of the head table in `out`; -1 when there is none
  for (const auto& [tag, data] : tables) {
    if (tag == "head") headAt = offset;
    out += tag;
    append32(out, checksum(data));
    append32(out, offset);
    append32(out, quint32(data.size()));
    offset += (quint32(data.size()) + 3) & ~3u;
  }
  for (const auto& [tag, data] : tables) {
    out += data;
    out.append((4 - data.size() % 4) % 4, '\0');
  }
  if (headAt >= 0 && headAt + kHeadChecksumAdjustment + 4 <= out.size()) {
    std::fill_n(out.data() + headAt + kHeadChecksumAdjustment, 4, '\0');
    qToBigEndian(quint32(0xB1B0AFBA - checksum(out)), out.data() + headAt + kHeadChecksumAdjustment);
  }
  return out;
}

}  // namespace

namespace FontFiles {

bool hasTrueTypeOutlines(const QRawFont& font) {
  const QByteArray head = font.fontTable("head");
  const quint32 glyphs = u16(font.fontTable("maxp"), 4);
  const bool longOffsets = u16(head, kHeadIndexToLocFormat) == 1;
  return head.size() >= 54 && glyphs != 0 && !font.fontTable("glyf").isEmpty() &&
         font.fontTable("loca").size() >= qsizetype(glyphs + 1) * (longOffsets ? 4 : 2);
}

QByteArray trueTypeSubset(const QRawFont& font, const std::vector<bool>& used) {
  if (!hasTrueTypeOutlines(font)) return {};
  QByteArray head = font.fontTable("head");
  const QByteArray maxp = font.fontTable("maxp");
  const QByteArray loca = font.fontTable("loca");
  const QByteArray glyf = font.fontTable("glyf");
  const quint32 glyphs = u16(maxp, 4);
  const bool longOffsets = u16(head, kHeadIndexToLocFormat) == 1;
  const std::vector<quint32> starts = offsets(loca, longOffsets, glyphs);
  std::vector<bool> keep(glyphs, false);
  keep[0] = true;  // drawn for a code the font has no glyph for
  for (std::size_t g = 0; g < std::min<std::size_t>(used.size(), glyphs); ++g) keep[g] = keep[g] || used[g];
  addParts(glyf, starts, keep);

  QByteArray newGlyf;
  QByteArray newLoca;
  for (quint32 g = 0; g < glyphs; ++g) {
    append32(newLoca, quint32(newGlyf.size()));
    const quint32 end = std::min<quint32>(starts[g + 1], quint32(glyf.size()));
    if (!keep[g] || end <= starts[g]) continue;
    newGlyf += glyf.mid(starts[g], end - starts[g]);
    newGlyf.append((4 - newGlyf.size() % 4) % 4, '\0');
  }
  append32(newLoca, quint32(newGlyf.size()));
  put16(head, kHeadIndexToLocFormat, 1);

  std::vector<std::pair<QByteArray, QByteArray>> tables{
      {"head", head}, {"hhea", font.fontTable("hhea")}, {"maxp", maxp}, {"hmtx", font.fontTable("hmtx")},
      {"loca", newLoca}, {"glyf", newGlyf}};
  for (const char* hinting : {"cvt ", "fpgm", "prep"})
    if (QByteArray table = font.fontTable(hinting); !table.isEmpty()) tables.emplace_back(hinting, std::move(table));
  return sfnt(0x00010000, std::move(tables));
}

QByteArray openTypeCff(const QRawFont& font) {
  std::vector<std::pair<QByteArray, QByteArray>> tables;
  for (const char* tag : {"CFF ", "head", "hhea", "hmtx", "maxp", "cmap", "OS/2", "name", "post"})
    if (QByteArray table = font.fontTable(tag); !table.isEmpty()) tables.emplace_back(tag, std::move(table));
  if (tables.empty() || tables.front().first != "CFF ") return {};
  return sfnt(0x4F54544F, std::move(tables));  // "OTTO": PostScript outlines
}

}  // namespace FontFiles
