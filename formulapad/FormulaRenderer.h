#pragma once

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
};
