#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

#include "formulapad/FormulaPad.h"

class PropertyBag;
class QWidget;
struct ControlDesign;

// The group of result pads: element 0 is the heading line, elements 1 up to
// the upper bound are the lines of the last calculation, each a copy of the
// heading pad placed below the one before. Indices run without gaps.
//
// Only the elements that reach into view are shown to the toolkit; the
// others are kept hidden, so that repainting, activation changes and
// modal boxes cost the same with 30000 lines as with ten. Scrolling shows
// and hides them as they come into view and leave it.
//
// The pads lie in a clipping view that covers the frame's client area (inside
// its border) from the strip's lower edge down, so lines moved sideways never
// touch the border and lines moved up by the wheel slide under the strip
// instead of over the frame's caption. Inside the view, a canvas at the
// frame's origin holds the heading and the sheet that holds elements 1 and
// up: a pad's position is in the frame's coordinates.
class ResultList : public QObject {
  Q_OBJECT

public:
  // Each line is this far below the bottom of the one above (twips).
  static constexpr int kLineGap = 120;
  // Lines a pad high set kLineGap apart: one notch of the wheel moves them
  // by this (twips).
  static constexpr int kLinePitch = FormulaPad::kHeightTwips + kLineGap;

  // `frame` holds and clips the lines; nothing shows above `clipTop`
  // (twips, in the frame's coordinates).
  ResultList(QWidget* frame, int clipTop);
  ~ResultList() override;

  // Creates element 0 at its place in the stored design, with its stored
  // pad values. Called once.
  FormulaPad* createHeading(const ControlDesign& design, const PropertyBag& stored);

  // The index of the last element (0 with the heading alone).
  int upperBound() const { return int(pads_.size()) - 1; }
  FormulaPad* at(int index) const;
  // The element index of a result line made by addLine() (1 and up); 0 for
  // any other object.
  static int lineNumber(const QObject* object);

  // Creates the next element as a copy of element 0, shows it and places it
  // at the Left of the element before it, 120 twips below that one's bottom.
  // Within a batch the element is shown when the batch ends.
  FormulaPad* addLine();
  // The same for a line of a calculation: it holds `text`, is widened to it
  // (fitToText) and drawn with it. Only that picture is laid out, never the
  // heading's: with thousands of lines the copies' pictures cost more than
  // the lines' own.
  FormulaPad* addLine(const QString& text);

  // Widens element `index` (1 and up) to the width its text needs and one
  // empty cell after it, never narrower than the heading, so that the arrows
  // can bring the end of a long line into view. Call it before P().
  void fitToText(int index);

  // Removes every element but the heading, which keeps its text and Left
  // and goes back to its stored Top if the wheel moved it.
  void Borrar();

  // Adds `offset` (twips, in single precision) to the Left of every element.
  void shiftSideways(float offset);

  // Moves every element `notches` line pitches down (positive) or up. Lines
  // never go lower than the heading's stored Top, nor so high that the last
  // one passes above it. Returns whether anything moved.
  bool scrollLines(int notches);

  // Follows the frame's size: the view covers the frame, the clip starts
  // below the strip.
  void fitToFrame();

  // Whether element `index` reaches into the visible part of the frame.
  bool inView(int index) const;

  // Many lines at once. Lines added within a batch stay hidden until it
  // ends, so that drawing them marks nothing for repainting.
  void beginBatch();
  void endBatch();

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  static constexpr const char* kLineProperty = "resultLine";

  void newSheet();
  // Appends a copy of element 0's stored values below the last element, not
  // yet drawn, to be shown when the batch ends. Within a batch only.
  FormulaPad* appendCopy();
  void moveAll(int dyPixels);
  // Moves element `index` to (x, y) pixels and shows it only when in view.
  void place(int index, int x, int y);
  QRect clipRect() const;  // the visible part of the frame, pixels, frame coordinates

  QWidget* frame_;
  int clipTop_;             // twips
  int headingTop_ = 0;      // the heading's stored Top, twips
  QWidget* view_;           // clips every element: exactly clipRect()
  QWidget* canvas_;         // in the view, at the frame's origin
  QWidget* sheet_ = nullptr;  // holds elements 1 and up; replaced by Borrar
  QList<FormulaPad*> pads_;   // index = element index
  int wheelRemainder_ = 0;    // eighths of a degree not yet worth a notch
  int batchDepth_ = 0;
  qsizetype firstUnshown_ = -1;  // the first element added within the batch
};
