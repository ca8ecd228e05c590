#pragma once

#include "formulapad/FormulaPadAccessible.h"

// A result line as a screen reader sees it: a formula pad named "Resultado
// N" by its place in the group. The name is asked for, never announced, so
// that thousands of lines, most of them hidden below the frame, cost
// assistive technology nothing until it reads them.
class ResultLineAccessible : public FormulaPadAccessible {
public:
  ResultLineAccessible(FormulaPad* pad, int line);

  // The accessibility framework's factory for result lines (pads that
  // ResultList numbered); null for any other object.
  static QAccessibleInterface* create(const QString& className, QObject* object);

  using FormulaPadAccessible::text;  // the formula's characters
  QString text(QAccessible::Text t) const override;

private:
  int line_;  // 1 and up
};
