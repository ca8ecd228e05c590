#pragma once

#include <QString>

class QMessageBox;
class QWidget;

// Message boxes described by a style number, as the window's commands give
// them: 0 an OK button, 4 the buttons Yes and No; plus 16 for the
// critical-stop icon or 64 for the information icon.
class MessageBox {
public:
  enum Style { OkOnly = 0, YesNo = 4, Critical = 16, Information = 64 };
  enum Answer { Ok = 1, Yes = 6, No = 7 };

  // The box, not yet shown; it deletes itself when closed.
  static QMessageBox* create(QWidget* parent, const QString& prompt, int style, const QString& title);
  // Shows the box modally and returns the button pressed (Ok, Yes or No).
  static int show(QWidget* parent, const QString& prompt, int style, const QString& title);
};
