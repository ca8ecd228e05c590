#include "app/RuffiniTableView.h"

#include <QAccessible>
#include <QEvent>
#include <QFocusEvent>
#include <QHeaderView>
#include <QPainter>
#include <QScrollArea>
#include <algorithm>

#include "app/RuffiniTableModel.h"
#include "app/SolutionSheet.h"

namespace {

// Blank space, in pixels, left and right of every number.
constexpr int kCellPadding = 8;
// Blank space, in pixels, above and below every number.
constexpr int kRowPadding = 6;

// The width of `text` in pixels without shaping it: the digits of the usual
// fonts share one width, so taking the widest digit for each keeps this an
// upper bound; other characters (the minus sign, the fraction bar) are few.
int cellWidth(const QString& text, const QFontMetrics& metrics, int digitWidth) {
  int width = 0;
  for (const QChar c : text) width += c.isDigit() ? digitWidth : metrics.horizontalAdvance(c);
  return width;
}

}  // namespace

RuffiniTableView::RuffiniTableView(const SheetTable& table, QWidget* parent)
    : QTableView(parent), model_(new RuffiniTableModel(table, this)) {
  setModel(model_);
  setShowGrid(false);
  horizontalHeader()->hide();
  verticalHeader()->hide();
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setSizeAdjustPolicy(QAbstractScrollArea::AdjustIgnored);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  setFrameShape(QFrame::NoFrame);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  // The arrows walk the cells for the screen reader; nothing is selected.
  setSelectionMode(QAbstractItemView::NoSelection);
  // Tab leaves the table for the next control; the arrows walk its cells.
  setTabKeyNavigation(false);
  setAutoScroll(false);
  setAccessibleName(table.caption);
  fitToCells();
}

void RuffiniTableView::fitToCells() {
  const QFontMetrics metrics(font());
  int digitWidth = 0;
  for (char16_t d = u'0'; d <= u'9'; ++d) digitWidth = std::max(digitWidth, metrics.horizontalAdvance(QChar(d)));
  for (int column = 0; column < model_->columnCount(); ++column) {
    int widest = 0;
    for (int row = 0; row < model_->rowCount(); ++row)
      widest = std::max(widest, cellWidth(model_->text(row, column), metrics, digitWidth));
    horizontalHeader()->resizeSection(column, widest + 2 * kCellPadding);
  }
  for (int row = 0; row < model_->rowCount(); ++row)
    verticalHeader()->resizeSection(row, metrics.height() + kRowPadding);
  setFixedSize(sizeHint());
}

QSize RuffiniTableView::sizeHint() const {
  return {horizontalHeader()->length() + 2 * frameWidth(), verticalHeader()->length() + 2 * frameWidth()};
}

QSize RuffiniTableView::minimumSizeHint() const { return sizeHint(); }

void RuffiniTableView::changeEvent(QEvent* event) {
  QTableView::changeEvent(event);
  if (event->type() == QEvent::FontChange) fitToCells();
}

void RuffiniTableView::focusInEvent(QFocusEvent* event) {
  arriving_ = true;
  if (!currentIndex().isValid() && event->reason() != Qt::MouseFocusReason) {
    const QModelIndex first = model_->index(RuffiniTableModel::kTopRow, 1);
    if (first.isValid()) selectionModel()->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
  }
  QTableView::focusInEvent(event);
  arriving_ = false;
  // The table's own focus is announced once this returns: its cell's comes
  // after it.
  QMetaObject::invokeMethod(
      this, [this] { if (hasFocus()) followCurrent(); }, Qt::QueuedConnection);
}

// QTableView's own focus event counts cells as if the hidden headers were
// there; the table's accessible interface counts the cells alone.
void RuffiniTableView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  QAbstractItemView::currentChanged(current, previous);
  if (hasFocus() && !arriving_) followCurrent();
}

void RuffiniTableView::followCurrent() {
  const QModelIndex current = currentIndex();
  if (!current.isValid()) return;
  if (QAccessible::isActive()) {
    QAccessibleEvent focus(this, QAccessible::Focus);
    focus.setChild(model_->cellNumber(current.row(), current.column()));
    QAccessible::updateAccessibility(&focus);
  }
  // The scroll area brings a widget's micro focus into view: for an item
  // view, the current cell.
  for (QWidget* up = parentWidget(); up; up = up->parentWidget()) {
    if (auto* area = qobject_cast<QScrollArea*>(up)) {
      area->ensureWidgetVisible(this, kCellPadding, kCellPadding);
      break;
    }
  }
}

void RuffiniTableView::paintEvent(QPaintEvent* event) {
  QTableView::paintEvent(event);
  QPainter painter(viewport());
  painter.setPen(QPen(palette().color(QPalette::Text), 1));
  const int columns = model_->columnCount();
  const QRect root = visualRect(model_->index(RuffiniTableModel::kProductRow, 0));
  const QRect topRoot = visualRect(model_->index(RuffiniTableModel::kTopRow, 0));
  const QRect lastProduct = visualRect(model_->index(RuffiniTableModel::kProductRow, columns - 1));
  const QRect remainder = visualRect(model_->index(RuffiniTableModel::kQuotientRow, columns - 1));
  // the vertical rule right of the root, through the top two rows
  painter.drawLine(root.right(), topRoot.top() + 2, root.right(), root.bottom());
  // the horizontal rule under the products, from the root's column on
  painter.drawLine(root.left() + 2, root.bottom(), lastProduct.right() - 2, root.bottom());
  // the remainder set apart: a rule at its left and under it
  painter.drawLine(remainder.left() + 2, remainder.top(), remainder.left() + 2, remainder.bottom() - 2);
  painter.drawLine(remainder.left() + 2, remainder.bottom() - 2, remainder.right() - 2, remainder.bottom() - 2);
}
