#include "app/PolynomialPaste.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QWidget>
#include <string_view>

#include "app/MessageBox.h"
#include "engine/core/EngineError.h"
#include "engine/text/WrittenPolynomial.h"
#include "formulapad/FormulaPad.h"
#include "presentation/ErrorMessages.h"

PolynomialPaste::PolynomialPaste(QWidget* window)
    : QObject(window),
      window_(window),
      keysHelp_(tr("Ctrl+V o Mayús+Insert: pegar un polinomio\nCtrl+Insert: copiar la fórmula como se ve")) {}

void PolynomialPaste::watch(FormulaPad* pad) {
  const QString tip = pad->toolTip();
  pad->setToolTip(tip.isEmpty() ? keysHelp_ : tip + u'\n' + keysHelp_);
  connect(pad, &FormulaPad::pasteRequested, this,
          [this, pad] { paste(pad, QGuiApplication::clipboard()->text()); });
}

bool PolynomialPaste::paste(FormulaPad* pad, const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  const factorix::WrittenPolynomial read =
      factorix::ReadWrittenPolynomial(std::string_view(utf8.constData(), size_t(utf8.size())));
  switch (read.status) {
    case factorix::WrittenPolynomial::Status::kRead:
      break;
    case factorix::WrittenPolynomial::Status::kUnreadable:
      MessageBox::show(window_, tr("El portapapeles no contiene un polinomio en x."), tr("Pegar"),
                       QMessageBox::Warning, QMessageBox::Ok);
      return false;
    case factorix::WrittenPolynomial::Status::kTooLarge:
      MessageBox::show(window_, ErrorMessage(factorix::kOverflow), QStringLiteral("Error"), QMessageBox::Critical,
                       QMessageBox::Ok);
      return false;
  }
  const QString padText = QString::fromStdString(read.padText);
  pad->setText(padText);
  pad->setCursorPosition(int(padText.size()));
  pad->P();
  return true;
}
