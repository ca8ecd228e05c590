#pragma once

#include <QString>
#include <Qt>

#include "formulapad/PropertyBag.h"

// What a window creates for one entry of its stored design.
enum class ControlKind {
  Frame,          // captioned group box; clips its children
  CommandButton,  // push button
  FormulaPad,     // the program's formula control
  Label,          // static or clickable caption
  FlatContainer,  // sunken strip that carries other controls
  TextBox,        // multi-line text, vertical scroll bar only
  ScriptControl,  // the evaluator: nothing on screen
};

// One control of a window's stored design. Positions and sizes are in twips,
// relative to the client area of `container` (empty: the window itself).
struct ControlDesign {
  QString name;
  int index = -1;  // element of a control group; -1 for a single control
  ControlKind kind = ControlKind::Label;
  QString container;
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int tabIndex = -1;  // -1: not in the tab order
  QString caption;
  QString toolTip;
  QString accessibleName;  // what a screen reader announces
  bool handCursor = false;
  bool autoSize = false;     // the label takes the size of its text
  bool transparent = false;  // the label lets its container show through
  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
  // A formula pad's own stored keys (NewText, NewFontName, ...).
  PropertyBag padProperties;
  // The host's stored size of a control of the program's own, in hundredths
  // of a millimetre (2540 to 1440 twips); 0 when the design stores none.
  int extentX = 0;
  int extentY = 0;

  // "resultado(0)" for a group element, the name otherwise.
  QString key() const { return index < 0 ? name : name + u'(' + QString::number(index) + u')'; }
};

// A window's own stored settings.
struct WindowDesign {
  QString caption;
  int clientWidth = 0;   // twips
  int clientHeight = 0;  // twips
};
