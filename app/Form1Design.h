#pragma once

#include <QList>
#include <QString>

#include "app/ControlDesign.h"
#include "formulapad/PropertyBag.h"

// The main window's stored design: the window and its controls with their
// places, containers, tab indices and captions. Plain data; Form1 creates
// each control with its own settings and places it by this.
class Form1Design {
public:
  static WindowDesign window();
  static QList<const ControlDesign*> controls();
  // The entry named `key` ("Frame2", "desp(1)"); nullptr when there is none.
  static const ControlDesign* find(const QString& key);

  // The heading of the results, stored in element 0 of the result group.
  static QString headingText();
  // The heading's stored font name, which start-up switches it to.
  static QString headingFontName();
  // Element 0's own stored pad values: the heading, in Courier. The input
  // pad stores none.
  static PropertyBag headingProperties();
  // The scroll arrows move the result lines by this much (twips) per click.
  static constexpr float kScrollStep = 480.0f;
};
