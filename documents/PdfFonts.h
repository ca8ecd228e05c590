#pragma once

#include <QByteArray>
#include <QRawFont>
#include <vector>

class PdfFile;

// The fonts of a PDF: each font drawn with, at each pixel size, is a font
// resource of the PDF whose glyphs are addressed by their numbers in the
// font file (2-byte codes, Identity-H); a font file (each face once, with
// the outlines of the glyphs used in any size) and the characters each
// glyph shows, so that the text can be copied and searched, are shared by
// the sizes of a face. Widths are the font's advances rounded to whole
// pixels of the size, as glyphs are placed on the page, so that a run of
// them needs no correction between glyphs.
class PdfFonts {
public:
  // Resources are numbered in `file`, which must outlive this object.
  explicit PdfFonts(PdfFile& file) : file_(file) {}

  // The number of the resource for `font`, made the first time it is met.
  int of(const QRawFont& font);
  // The resource's name in a content stream: "/F1", "/F2", ...
  static QByteArray name(int resource);
  // Whether the resource's font can be embedded: it has TrueType or CFF
  // outlines. The glyphs of one that cannot are drawn as shapes.
  bool embeds(int resource) const { return faces_[sizes_[std::size_t(resource)].face].embeds(); }
  // The pixel size of the resource's font.
  double pixelSize(int resource) const { return sizes_[std::size_t(resource)].raw.pixelSize(); }
  // How far the resource's `glyph` advances, in thousandths of its size, as
  // the PDF says. Marks it as used, showing `unicode` (0: not known).
  double use(int resource, quint32 glyph, char32_t unicode);

  // Writes every font and returns the entries of the /Font dictionary of
  // the pages' resources. Nothing can be used afterwards.
  QByteArray finish();

private:
  struct Face {
    QRawFont raw;                    // at any size
    enum class Outlines { kNone, kTrueType, kCff } outlines = Outlines::kNone;  // kNone: drawn as shapes
    std::vector<bool> used;          // per glyph
    std::vector<char32_t> unicode;   // per glyph; 0 when not known
    bool embeds() const { return outlines != Outlines::kNone; }
  };
  struct Size {
    QRawFont raw;
    std::size_t face = 0;
    std::vector<double> widths;  // per glyph, thousandths of the size; < 0 when not looked up
  };
  void writeFace(const Face& face, std::size_t index, int descriptor, int toUnicode);
  QByteArray baseName(const Face& face, std::size_t index) const;

  PdfFile& file_;
  std::vector<Face> faces_;
  std::vector<Size> sizes_;
};
