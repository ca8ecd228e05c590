#include "app/SolutionDialog.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <iterator>

#include "app/Form2.h"
#include "app/GraphSection.h"
#include "app/RuffiniTableView.h"
#include "app/SolutionExport.h"
#include "app/TextBlock.h"

namespace {

// Blank space, in pixels, around the work, between its sections and
// between the pieces of a section.
constexpr int kMargin = 12;
constexpr int kSectionGap = 14;
constexpr int kItemGap = 6;

// The window opens as large as the work, within this share of the screen
// and no smaller than the least size, in pixels. The room around the work
// leaves space for the scroll area's frame and the layout's margins.
constexpr int kScreenShareNumerator = 4;  // of 5
constexpr int kScreenShareDenominator = 5;
constexpr QSize kLeastSize(360, 240);
constexpr int kRoomAroundWork = 40;
// The screen assumed when the window is on none yet.
constexpr QRect kFallbackScreen(0, 0, 1024, 768);

// The sizes Ctrl++ and Ctrl+− step through, percent: down to a whole
// solution at a glance, up to a projector at the back of a classroom.
constexpr std::array kZoomSteps{50, 67, 80, 90, 100, 110, 125, 150, 175, 200, 250, 300, 400};

// A font that takes everything from its parent's but the weight.
QFont weight(bool bold) {
  QFont font;
  font.setBold(bold);
  return font;
}

}  // namespace

SolutionDialog::SolutionDialog(SolutionSheet sheet, QWidget* parent) : QDialog(parent), sheet_(std::move(sheet)) {
  const QString title = tr("Resolución paso a paso");
  setObjectName(QStringLiteral("SolutionDialog"));
  setWindowTitle(title);
  setAccessibleName(title);
  setModal(true);
  setSizeGripEnabled(true);

  scroll_ = new QScrollArea(this);
  scroll_->setObjectName(QStringLiteral("solutionScroll"));
  scroll_->setWidgetResizable(false);
  scroll_->setFocusPolicy(Qt::NoFocus);
  page_ = new QWidget(scroll_);
  page_->setObjectName(QStringLiteral("solutionPage"));
  normalPointSize_ = page_->font().pointSizeF();
  auto* column = new QVBoxLayout(page_);
  column->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
  column->setSpacing(kSectionGap);
  column->setSizeConstraint(QLayout::SetFixedSize);  // as large as the work: the view scrolls

  polynomial_ = new TextBlock(sheet_.polynomial, page_);
  polynomial_->setObjectName(QStringLiteral("polinomio"));
  column->addWidget(polynomial_);
  for (const SheetSection& section : std::as_const(sheet_.sections)) column->addWidget(addSection(section, page_));
  if (sheet_.graph) {
    sections_ << GraphSection::make(sheet_.graph, page_);
    column->addWidget(sections_.back());
  }
  scroll_->setWidget(page_);

  auto* buttons = new QDialogButtonBox(this);
  export_ = new SolutionExport(sheet_, this);
  addExportButtons(buttons);
  close_ = buttons->addButton(tr("Cerrar"), QDialogButtonBox::RejectRole);
  close_->setObjectName(QStringLiteral("cerrar"));
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* outer = new QVBoxLayout(this);
  outer->addWidget(scroll_, 1);
  outer->addWidget(buttons);
  addShortcuts();

  fitToWork(buttons->sizeHint().height());
  polynomial_->setFocus();
}

// Opens as large as the work and the buttons' row under it, within most of
// the screen.
void SolutionDialog::fitToWork(int buttonsHeight) {
  page_->adjustSize();
  const QRect available = screen() ? screen()->availableGeometry() : kFallbackScreen;
  const QSize wanted = page_->sizeHint() + QSize(kRoomAroundWork, buttonsHeight + kRoomAroundWork);
  // Never below the least size, even on a screen smaller than it.
  const int mostWidth = std::max(kLeastSize.width(), available.width() * kScreenShareNumerator / kScreenShareDenominator);
  const int mostHeight =
      std::max(kLeastSize.height(), available.height() * kScreenShareNumerator / kScreenShareDenominator);
  resize(std::clamp(wanted.width(), kLeastSize.width(), mostWidth),
         std::clamp(wanted.height(), kLeastSize.height(), mostHeight));
}

// A titled group, named after its title for assistive technology: its title
// in bold, its pieces in the normal weight, one below the other.
QGroupBox* SolutionDialog::addSection(const SheetSection& section, QWidget* sheet) {
  auto* box = new QGroupBox(section.name, sheet);
  box->setFlat(true);
  box->setFont(weight(true));
  box->setAccessibleName(section.name);
  auto* items = new QVBoxLayout(box);
  items->setSpacing(kItemGap);
  for (const SheetItem& item : section.items) {
    if (!item.table) {
      auto* text = new TextBlock(item.text, box);
      text->setFont(weight(false));
      items->addWidget(text);
      continue;
    }
    auto* caption = new TextBlock(item.table->caption, box);
    caption->setFont(weight(false));
    caption->setFocusPolicy(Qt::NoFocus);  // the table reads it as its name
    items->addWidget(caption);
    auto* table = new RuffiniTableView(*item.table, box);
    table->setFont(weight(false));
    table->setObjectName(QStringLiteral("paso%1").arg(tables_.size() + 1));
    caption->setBuddy(table);
    items->addWidget(table);
    tables_ << table;
  }
  sections_ << box;
  return box;
}

QGroupBox* SolutionDialog::section(const QString& name) const {
  const auto found =
      std::find_if(sections_.begin(), sections_.end(), [&name](const QGroupBox* box) { return box->title() == name; });
  return found == sections_.end() ? nullptr : *found;
}

// Ctrl++ (Ctrl+= where "+" needs Shift), Ctrl+− and Ctrl+0, on the main
// keys or the keypad, zoom; F1 opens the help.
void SolutionDialog::addShortcuts() {
  const auto bind = [this](std::initializer_list<QKeyCombination> keys, void (SolutionDialog::*action)()) {
    for (const QKeyCombination key : keys) connect(new QShortcut(QKeySequence(key), this), &QShortcut::activated, this, action);
  };
  const auto ctrl = Qt::ControlModifier;
  const auto keypad = Qt::ControlModifier | Qt::KeypadModifier;
  bind({ctrl | Qt::Key_Plus, ctrl | Qt::Key_Equal, keypad | Qt::Key_Plus}, &SolutionDialog::zoomIn);
  bind({ctrl | Qt::Key_Minus, keypad | Qt::Key_Minus}, &SolutionDialog::zoomOut);
  bind({ctrl | Qt::Key_0, keypad | Qt::Key_0}, &SolutionDialog::resetZoom);
  bind({QKeyCombination(Qt::Key_F1)}, &SolutionDialog::showHelp);
}

// «Ayuda» over this window, on its paragraph about the results, from which
// this window opens.
void SolutionDialog::showHelp() {
  Form2 help(this);
  help.showResultsParagraph();
  help.exec();
}

// «Copiar», «Copiar LaTeX», «Guardar…» and «Imprimir…», left of «Cerrar».
void SolutionDialog::addExportButtons(QDialogButtonBox* buttons) {
  const auto add = [this, buttons](const QString& text, const char* name, QKeySequence key, auto action) {
    QPushButton* button = buttons->addButton(text, QDialogButtonBox::ActionRole);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, export_, action);
    connect(export_, &SolutionExport::busyChanged, button, &QWidget::setDisabled);
    if (key.isEmpty()) return;
    button->setToolTip(QStringLiteral("%1 (%2)").arg(QString(text).remove(u'&'), key.toString(QKeySequence::NativeText)));
    connect(new QShortcut(key, this), &QShortcut::activated, export_, action);
  };
  add(tr("&Copiar"), "copiar", QKeySequence(Qt::ControlModifier | Qt::Key_C), &SolutionExport::copy);
  add(tr("Copiar &LaTeX"), "copiarLatex", {}, &SolutionExport::copyLatex);
  add(tr("&Guardar…"), "guardar", QKeySequence(Qt::ControlModifier | Qt::Key_S), &SolutionExport::saveAs);
  add(tr("&Imprimir…"), "imprimir", QKeySequence(Qt::ControlModifier | Qt::Key_P), &SolutionExport::print);
}

void SolutionDialog::zoomIn() {
  const auto next = std::upper_bound(kZoomSteps.begin(), kZoomSteps.end(), zoom_);
  if (next != kZoomSteps.end()) setZoom(*next);
}

void SolutionDialog::zoomOut() {
  const auto next = std::lower_bound(kZoomSteps.begin(), kZoomSteps.end(), zoom_);
  if (next != kZoomSteps.begin()) setZoom(*std::prev(next));
}

void SolutionDialog::resetZoom() { setZoom(100); }

// Every piece of the page takes its size from the page's font.
void SolutionDialog::setZoom(int percent) {
  if (percent == zoom_) return;
  zoom_ = percent;
  QFont font = page_->font();
  font.setPointSizeF(normalPointSize_ * percent / 100.0);
  page_->setFont(font);
  if (QWidget* focus = page_->focusWidget()) scroll_->ensureWidgetVisible(focus);
}
