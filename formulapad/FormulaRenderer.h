#pragma once

#include <QColor>

class QPainter;
class QPalette;
struct FormulaPicture;

// Paints the pictures that FormulaLayout makes of formula texts.
class FormulaRenderer {
public:
  // Paints `picture` over the whole of `pixelWidth` x `pixelHeight`
  // device-independent pixels: background, characters, strokes. The cursor
  // line is not part of the picture.
  static void paint(QPainter& painter, const FormulaPicture& picture, const QPalette& palette,
                    int pixelWidth, int pixelHeight);

  // The colours a formula is painted in on the palette's base colour: the
  // characters and the cursor line in the button-text colour, the strokes
  // of roots in black; on a dark base, all of them in its text colour.
  static QColor textColour(const QPalette& palette);
  static QColor strokeColour(const QPalette& palette);
};
