#include "app/SolutionOpener.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include "presentation/ErrorMessages.h"
#include "app/MessageBox.h"
#include "app/SheetBuilder.h"
#include "app/SolutionDialog.h"
#include "engine/core/EngineError.h"
#include "engine/factor/Work.h"
#include "formulapad/FormulaPad.h"

SolutionOpener::SolutionOpener(QWidget* window, FormulaPad* input)
    : QObject(window), window_(window), input_(input) {}

SolutionDialog* SolutionOpener::dialog() const { return dialog_.data(); }

std::optional<factorix::Polynomial> SolutionOpener::read(const QString& text, bool& tooLarge) {
  tooLarge = false;
  const QByteArray utf8 = text.toUtf8();
  std::optional<factorix::Polynomial> polynomial;
  tooLarge = factorix::RunGuarded([&utf8, &polynomial] {
               polynomial = factorix::ReadTermsWithinLimits(std::string_view(utf8.constData(), size_t(utf8.size())));
             }) != factorix::kNoError;
  return polynomial;
}

void SolutionOpener::setCalculation(const QString& text) {
  calculated_ = true;
  polynomial_ = read(text, tooLarge_);
  roots_.clear();
}

void SolutionOpener::watchHeading(FormulaPad* heading) {
  heading_ = heading;
  heading->setToolTip(tr("Doble clic: resolución paso a paso"));
  heading->installEventFilter(this);
}

void SolutionOpener::watch(FormulaPad* line, const mpz_class& root) {
  if (!hasWork()) return;
  roots_[line] = root;
  line->setToolTip(tr("Doble clic: resolución paso a paso"));
  line->installEventFilter(this);
  connect(line, &QObject::destroyed, this, [this, line] { roots_.erase(line); });
}

SolutionDialog* SolutionOpener::open(FormulaPad* pad) {
  if (dialog_ || !pad) return nullptr;
  if (pad == heading_) {
    if (calculated_) return show(polynomial_, tooLarge_, std::nullopt);
    bool tooLarge = false;
    const std::optional<factorix::Polynomial> typed = read(input_->text(), tooLarge);
    return show(typed, tooLarge, std::nullopt);
  }
  const auto watched = roots_.find(pad);
  if (watched == roots_.end()) return nullptr;
  return show(polynomial_, tooLarge_, watched->second);
}

SolutionDialog* SolutionOpener::show(const std::optional<factorix::Polynomial>& polynomial, bool tooLarge,
                                     const std::optional<mpz_class>& root) {
  int error = tooLarge ? factorix::kOverflow : factorix::kNoError;
  if (!polynomial && !tooLarge) return nullptr;
  if (polynomial) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    error = factorix::RunGuarded(
        [&] { dialog_ = new SolutionDialog(SheetBuilder::build(*polynomial, root), window_); });
    QGuiApplication::restoreOverrideCursor();
  }
  if (error != factorix::kNoError) {
    MessageBox::show(window_, ErrorMessage(error), tr("Error"), QMessageBox::Critical, QMessageBox::Ok);
    return nullptr;
  }
  dialog_->setAttribute(Qt::WA_DeleteOnClose);
  dialog_->setWindowModality(Qt::ApplicationModal);
  dialog_->show();
  return dialog_;
}

bool SolutionOpener::eventFilter(QObject* watched, QEvent* event) {
  auto* pad = qobject_cast<FormulaPad*>(watched);
  if (!pad) return false;
  if (event->type() == QEvent::MouseButtonDblClick) {
    if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) return false;
    open(pad);
    return true;
  }
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
        (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
      open(pad);
      return true;
    }
  }
  return false;
}
