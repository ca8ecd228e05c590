#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

// The window's message boxes: plain text, modal, in the window's language.
// The first of `buttons` in Qt's order (OK, Yes, No) is the default; the
// title bar's close control answers No when the box has it, OK otherwise.
class MessageBox {
public:
  // Shows the box modally and returns the button pressed.
  static QMessageBox::StandardButton show(QWidget* parent, const QString& prompt, const QString& title,
                                          QMessageBox::Icon icon, QMessageBox::StandardButtons buttons);
};
