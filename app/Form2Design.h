#pragma once

#include <QString>
#include <QStringList>

#include "app/ControlDesign.h"

// The help window's stored design: the window, its two controls and the
// help text. Plain data; Form2 builds itself from it.
class Form2Design {
public:
  static WindowDesign window();
  // `h`, the text box, and `Command1`, "Cerrar". The resize rule sets their
  // positions and the box's size; the button keeps its stored size.
  static const ControlDesign& textBox();
  static const ControlDesign& closeButton();
  // The help text, one entry per line, without line breaks.
  static QStringList helpLines();
  // The stored text: every line followed by CR LF, the last one included.
  static QString helpText();
};
