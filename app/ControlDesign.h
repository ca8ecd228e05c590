#pragma once

#include <QCoreApplication>
#include <QString>

// One control's entry in a window's stored layout. Positions and sizes are
// in twips, relative to the client area of `container` (empty: the window
// itself). Captions are UTF-8, Spanish, marked for translation with
// QT_TRANSLATE_NOOP("ControlDesign", …) unless they are symbols ("<<").
struct ControlDesign {
  const char* key;        // the control's name; "desp(0)" for a group element
  const char* container;  // the key of the control it lies in; "" for the window
  int left;
  int top;
  int width;
  int height;
  int tabIndex;         // -1: not in the tab order
  const char* caption;  // "" when the control shows none of its own

  QString name() const { return QString::fromUtf8(key); }
  // The caption in the language of the run.
  QString text() const { return QCoreApplication::translate("ControlDesign", caption); }
};

// A window's own stored settings.
struct WindowDesign {
  QString caption;
  int clientWidth = 0;   // twips
  int clientHeight = 0;  // twips
};
