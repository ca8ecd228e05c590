#pragma once

#include <QByteArray>
#include <vector>

class QRawFont;

// A TrueType font file for embedding in a PDF, made from the tables of a
// font on the system: the tables a PDF viewer draws TrueType glyphs with
// (head, hhea, maxp, hmtx, loca, glyf and the hinting tables cvt, fpgm and
// prep when the font has them), with the outlines of the glyphs that are
// not used left empty. Glyphs keep their numbers, so a PDF refers to them
// as in the font on the system.
namespace TrueTypeSubset {

// The font file keeping the outlines of the glyphs `used` marks (by glyph
// number; the parts of a composite glyph are kept with it, and glyph 0
// always); empty when `font` has no TrueType outlines (glyf and loca).
QByteArray build(const QRawFont& font, const std::vector<bool>& used);

}  // namespace TrueTypeSubset
