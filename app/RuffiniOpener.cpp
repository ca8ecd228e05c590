#include "app/RuffiniOpener.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>

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
  roots_.clear();
}

void RuffiniOpener::watch(FormulaPad* line, const mpz_class& root) {
  if (!polynomial_) return;
  roots_[line] = root;
  line->installEventFilter(this);
  connect(line, &QObject::destroyed, this, [this, line] { roots_.erase(line); });
}

RuffiniDialog* RuffiniOpener::open(FormulaPad* line) {
  const auto watched = roots_.find(line);
  if (!polynomial_ || dialog_ || watched == roots_.end()) return nullptr;
  const mpz_class root = watched->second;

  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  const int error = factorix::RunGuarded([this, &root] {
    const factorix::Work work = factorix::ShowWork(*polynomial_, root);
    dialog_ = new RuffiniDialog(work, window_);
  });
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
    open(line);
    return true;
  }
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
        (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
      open(line);
      return true;
    }
  }
  return false;
}
