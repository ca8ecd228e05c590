#include "app/MessageBox.h"

#include <QMessageBox>
#include <QPointer>

QMessageBox* MessageBox::create(QWidget* parent, const QString& prompt, int style, const QString& title) {
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  if (style & Critical)
    icon = QMessageBox::Critical;
  else if (style & Information)
    icon = QMessageBox::Information;
  const bool yesNo = (style & 7) == YesNo;
  const auto buttons = yesNo ? (QMessageBox::Yes | QMessageBox::No) : QMessageBox::Ok;

  auto* box = new QMessageBox(icon, title, prompt, buttons, parent);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setTextFormat(Qt::PlainText);
  box->setDefaultButton(yesNo ? QMessageBox::Yes : QMessageBox::Ok);
  // The title bar's close control answers No.
  box->setEscapeButton(yesNo ? QMessageBox::No : QMessageBox::Ok);
  return box;
}

int MessageBox::show(QWidget* parent, const QString& prompt, int style, const QString& title) {
  QPointer<QMessageBox> box = create(parent, prompt, style, title);
  const int button = box->exec();
  if (box) delete box.data();
  switch (button) {
    case QMessageBox::Yes:
      return Yes;
    case QMessageBox::No:
      return No;
    default:
      return Ok;
  }
}
