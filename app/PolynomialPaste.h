#pragma once

#include <QObject>

class FormulaPad;
class QWidget;

// Pasting into the window's pads. Ctrl+V or Shift+Insert in a watched pad
// reads the clipboard's text as people write polynomials ("x^3 - 8",
// "−16 + 2x³", "P(x) = X**2 - 1 = 0") and puts the polynomial in the pad in
// its canonical form (1xe3+0xe2+0x-8), which it then draws; a text that is
// no polynomial in x leaves the pad as it was and says so in a message box.
class PolynomialPaste : public QObject {
  Q_OBJECT

public:
  // Message boxes open over `window`.
  explicit PolynomialPaste(QWidget* window);

  // Pastes into `pad` from now on, and adds the clipboard's keys to its tool
  // tip as it stands (so watch a pad after anything else sets its tip).
  void watch(FormulaPad* pad);

  // Puts the polynomial written in `text` into `pad`, the caret after it,
  // and redraws; or shows why it cannot and changes nothing. Returns whether
  // the pad took it.
  bool paste(FormulaPad* pad, const QString& text);

private:
  QWidget* window_;
  QString keysHelp_;  // the tool tip's lines for the clipboard's keys
};
