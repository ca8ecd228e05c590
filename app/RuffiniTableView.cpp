#include "app/RuffiniTableView.h"

#include <QFocusEvent>
#include <QHeaderView>
#include <QPainter>
#include <algorithm>

#include "app/RuffiniTableModel.h"

namespace {

// Blank space, in pixels, left and right of every number.
constexpr int kCellPadding = 8;

}  // namespace

RuffiniTableView::RuffiniTableView(const factorix::RuffiniTable& table, QWidget* parent)
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

  // Every column as wide as its longest number. The digits of the usual
  // fonts share one width; taking the widest digit for each keeps this an
  // upper bound without shaping every number.
  const QFontMetrics metrics(font());
  const int rowHeight = metrics.height() + 6;
  int digitWidth = 0;
  for (char16_t d = u'0'; d <= u'9'; ++d) digitWidth = std::max(digitWidth, metrics.horizontalAdvance(QChar(d)));
  const int minusWidth = metrics.horizontalAdvance(QChar(u'-'));
  for (int column = 0; column < model_->columnCount(); ++column) {
    int widest = 0;
    for (int row = 0; row < model_->rowCount(); ++row) {
      const QString text = model_->text(row, column);
      const bool negative = text.startsWith(u'-');
      widest = std::max(widest, int(text.size() - negative) * digitWidth + (negative ? minusWidth : 0));
    }
    horizontalHeader()->resizeSection(column, widest + 2 * kCellPadding);
  }
  for (int row = 0; row < model_->rowCount(); ++row) verticalHeader()->resizeSection(row, rowHeight);
  setFixedSize(sizeHint());
}

QSize RuffiniTableView::sizeHint() const {
  return {horizontalHeader()->length() + 2 * frameWidth(), verticalHeader()->length() + 2 * frameWidth()};
}

QSize RuffiniTableView::minimumSizeHint() const { return sizeHint(); }

void RuffiniTableView::focusInEvent(QFocusEvent* event) {
  if (!currentIndex().isValid() && event->reason() != Qt::MouseFocusReason) {
    const QModelIndex first = model_->index(RuffiniTableModel::kTopRow, 1);
    if (first.isValid()) selectionModel()->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
  }
  QTableView::focusInEvent(event);
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
