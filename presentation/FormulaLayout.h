#pragma once

#include <QList>
#include <QString>
#include <QVariant>

#include <limits>
#include <optional>

#include "presentation/FormulaDefaults.h"

// What one redraw draws from: a pad's values and surface at that moment.
// Positions and sizes are in twips, font sizes in points. A width or size
// that is not a number (NaN) skips the steps that use it.
struct FormulaScene {
  QString text;
  double cellWidth = FormulaDefaults::kCellWidthTwips;
  double normSize = FormulaDefaults::kNormPoints;
  double supSize = FormulaDefaults::kSupPoints;
  int cursor = 0;             // stored characters; may lie outside the text
  bool printText = false;     // every character drawn literally, no markers
  QString fontName = FormulaDefaults::fontName();  // the drawing font name
  // The drawing area; minus infinity keeps no glyphs and no strokes.
  double widthTwips = -std::numeric_limits<double>::infinity();
  double heightTwips = 0;
  double startFontSize = FormulaDefaults::kNormPoints;  // left by the previous redraw
};

// The retained picture of a pad: what the last redraw drew, in twips.
struct FormulaPicture {
  struct Glyph {
    double x = 0;  // top left corner of the character, twips
    double y = 0;
    double pointSize = 0;
    QChar character;
  };
  // A black one-pixel line; like every line of the surface it leaves out its
  // end point, so strokes that meet end to end draw each pixel once.
  struct Stroke {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // twips
  };

  QString fontName;
  QList<Glyph> glyphs;    // only those that can show in the drawing area
  QList<Stroke> strokes;  // likewise
  std::optional<double> cursorX;  // twips, as drawn; empty when the redraw could not place it
  double shiftTwips = 0;          // the text is drawn this far left of its cells (whole cells)
  double extentTwips = 0;         // the text's right edge (last cell's, or a stroke's end), unshifted
  double endFontSize = 10;        // the surface's font size after the redraw
  int zeroWidthCount = 0;         // k: characters that took no cell
  QString spoken;                 // the formula for assistive technology
  QList<double> spokenX;          // per character of `spoken`: the x of its cell, twips
  int spokenCursor = 0;           // the cursor's offset in `spoken`
};

// Turns a formula text into its picture, without drawing it.
//
// Cell n (the 1-based position of a character minus the zero-width characters
// before it) has its top left corner at x = n * cell width, y = 0. "e" raises
// the next character (font size sup), "s" is nothing, "r" draws a root sign
// 120 twips wide, takes a digit before it as the root's index and starts an
// overline that ";" ends. A value that cannot be used (a width or size that is
// not a number, a size the surface refuses) skips only the step that uses it.
class FormulaLayout {
public:
  static constexpr double kCursorTopTwips = 0;
  static constexpr double kCursorBottomTwips = 240;
  static constexpr double kRootStrokeTwips = 30;  // each of the four strokes of a root sign
  static constexpr double kMaxFontPoints = 2160;  // larger sizes are refused
  // At most this many glyphs and strokes are kept: more cannot be told apart
  // on any screen, and hostile texts must not cost unbounded time.
  static constexpr qsizetype kMaxItems = 8192;

  // The picture of `scene`. A text that ends beyond the drawing area is
  // shifted left by whole cells, so that its end and the cursor line show.
  static FormulaPicture layout(const FormulaScene& scene);
  // The right edge of the text `scene` draws (FormulaPicture::extentTwips),
  // without laying out its glyphs.
  static double extentTwips(const FormulaScene& scene);

  // A value given as any kind, as a width or size: empty counts as 0,
  // numbers and numeric texts are taken at single precision, anything else
  // (a value too large for single precision included) is not a number (NaN).
  static double number(const QVariant& value);
  // `value` at single precision; NaN when it does not fit.
  static double single(double value);

  // The Unicode superscript form of `c`, or `c` itself when there is none.
  static QChar superscript(QChar c);

private:
  static FormulaPicture layoutShifted(const FormulaScene& scene, double shift);
  static double scrollFor(const FormulaPicture& unshifted, const FormulaScene& scene);
};
