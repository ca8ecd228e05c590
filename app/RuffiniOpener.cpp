#include "app/RuffiniOpener.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <new>

#include "app/ErrorMessages.h"
#include "app/MessageBox.h"
#include "app/RuffiniDialog.h"
#include "engine/core/EngineError.h"
#include "engine/factor/Work.h"
#include "formulapad/FormulaPad.h"

RuffiniOpener::RuffiniOpener(QWidget* window) : QObject(window), window_(window) {}

RuffiniDialog* RuffiniOpener::dialog() const { return dialog_.data(); }

void RuffiniOpener::setCalculation(const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  polynomial_ = factorix::ReadTerms(std::string_view(utf8.constData(), size_t(utf8.size())));
}

void RuffiniOpener::watch(FormulaPad* line) {
  if (polynomial_) line->installEventFilter(this);
}

RuffiniDialog* RuffiniOpener::open(const QString& lineText) {
  if (!polynomial_ || dialog_) return nullptr;
  const QByteArray utf8 = lineText.toUtf8();
  const std::optional<mpz_class> root = factorix::RootOfLine(std::string_view(utf8.constData(), size_t(utf8.size())));
  if (!root) return nullptr;

  int error = factorix::kNoError;
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  try {
    const factorix::Work work = factorix::ShowWork(*polynomial_, root);
    dialog_ = new RuffiniDialog(work, window_);
  } catch (const factorix::EngineError& e) {
    error = e.number();
  } catch (const std::bad_alloc&) {
    error = factorix::kOverflow;
  }
  QGuiApplication::restoreOverrideCursor();

  if (error != factorix::kNoError) {
    MessageBox::show(window_, ErrorMessage(error), QStringLiteral("Error"), QMessageBox::Critical,
                     QMessageBox::Ok);
    return nullptr;
  }
  dialog_->setAttribute(Qt::WA_DeleteOnClose);
  dialog_->setWindowModality(Qt::ApplicationModal);
  dialog_->show();
  return dialog_;
}

bool RuffiniOpener::eventFilter(QObject* watched, QEvent* event) {
  auto* line = qobject_cast<FormulaPad*>(watched);
  if (!line) return false;
  if (event->type() == QEvent::MouseButtonDblClick) {
    if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) return false;
    open(line->text());
    return true;
  }
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
        (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
      open(line->text());
      return true;
    }
  }
  return false;
}
