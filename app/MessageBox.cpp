#include "app/MessageBox.h"

#include <QPointer>

QMessageBox::StandardButton MessageBox::show(QWidget* parent, const QString& prompt, const QString& title,
                                             QMessageBox::Icon icon, QMessageBox::StandardButtons buttons) {
  QPointer<QMessageBox> box = new QMessageBox(icon, title, prompt, buttons, parent);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setTextFormat(Qt::PlainText);
  for (QMessageBox::StandardButton first : {QMessageBox::Ok, QMessageBox::Yes, QMessageBox::No}) {
    if (buttons.testFlag(first)) {
      box->setDefaultButton(first);
      break;
    }
  }
  box->setEscapeButton(buttons.testFlag(QMessageBox::No) ? QMessageBox::No : QMessageBox::Ok);
  const auto pressed = QMessageBox::StandardButton(box->exec());
  if (box) delete box.data();
  return pressed;
}
