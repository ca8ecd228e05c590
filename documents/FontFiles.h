#pragma once

#include <QByteArray>
#include <vector>

class QRawFont;

// Font files for embedding in a PDF, made from the tables of a font on the
// system. Glyphs keep their numbers, so a PDF refers to them as in the font
// on the system.
namespace FontFiles {

// Whether `font` has TrueType outlines that trueTypeSubset can take: head,
// maxp with glyphs, glyf, and a loca long enough for them.
bool hasTrueTypeOutlines(const QRawFont& font);
// A TrueType file with the tables a PDF viewer draws TrueType glyphs with
// (head, hhea, maxp, hmtx, loca, glyf and the hinting tables cvt, fpgm and
// prep when the font has them), keeping only the outlines of the glyphs
// `used` marks by number (the parts of a composite glyph are kept with it,
// and glyph 0 always); empty unless hasTrueTypeOutlines(font).
QByteArray trueTypeSubset(const QRawFont& font, const std::vector<bool>& used);
// A whole OpenType file of a font with PostScript outlines (a CFF table);
// empty when `font` has none.
QByteArray openTypeCff(const QRawFont& font);

}  // namespace FontFiles
