#include "app/RuffiniCellAccessible.h"

#include <QHeaderView>
#include <QWidget>
#include <QWindow>

#include "app/RuffiniTableModel.h"
#include "app/RuffiniTableView.h"

RuffiniCellAccessible::RuffiniCellAccessible(RuffiniTableView* view, int row, int column, CellLookup headers)
    : view_(view), row_(row), column_(column), headers_(std::move(headers)) {}

bool RuffiniCellAccessible::isValid() const { return view_ && view_->tableModel(); }

QWindow* RuffiniCellAccessible::window() const {
  return view_ && view_->window() ? view_->window()->windowHandle() : nullptr;
}

QAccessibleInterface* RuffiniCellAccessible::parent() const {
  return view_ ? QAccessible::queryAccessibleInterface(view_.data()) : nullptr;
}

QString RuffiniCellAccessible::text(QAccessible::Text t) const {
  if (!view_ || t != QAccessible::Name) return {};
  const RuffiniTableModel* model = view_->tableModel();
  if (row_ < 0) return model->columnName(column_);
  if (column_ < 0) return model->rowName(row_);
  return model->text(row_, column_);
}

// A header spans its column or row, though the view does not show it.
QRect RuffiniCellAccessible::rect() const {
  if (!view_ || !view_->isVisible()) return {};
  const RuffiniTableModel* model = view_->tableModel();
  QRect area;
  if (row_ < 0) {
    area = view_->visualRect(model->index(0, column_)).united(
        view_->visualRect(model->index(model->rowCount() - 1, column_)));
  } else if (column_ < 0) {
    area = view_->visualRect(model->index(row_, 0))
               .united(view_->visualRect(model->index(row_, model->columnCount() - 1)));
  } else {
    area = view_->visualRect(model->index(row_, column_));
  }
  return QRect(view_->viewport()->mapToGlobal(area.topLeft()), area.size());
}

QAccessible::Role RuffiniCellAccessible::role() const {
  if (row_ < 0) return QAccessible::ColumnHeader;
  if (column_ < 0) return QAccessible::RowHeader;
  return QAccessible::Cell;
}

QAccessible::State RuffiniCellAccessible::state() const {
  QAccessible::State state;
  state.readOnly = true;
  if (!view_) return state;
  // Scrolled out of the window, or in a window not shown.
  const QRect shown = view_->visibleRegion().boundingRect();
  const QRect own = rect();
  if (own.isEmpty() || !QRect(view_->mapToGlobal(shown.topLeft()), shown.size()).intersects(own))
    state.invisible = true;
  if (isHeader()) return state;
  const QModelIndex index = view_->tableModel()->index(row_, column_);
  if (index.flags() & Qt::ItemIsEnabled) state.focusable = true;
  if (view_->hasFocus() && view_->currentIndex() == index) state.focused = true;
  return state;
}

void* RuffiniCellAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TableCellInterface) return static_cast<QAccessibleTableCellInterface*>(this);
  return nullptr;
}

QList<QAccessibleInterface*> RuffiniCellAccessible::columnHeaderCells() const {
  if (!isValid() || row_ < 0) return {};
  return {headers_(-1, column_)};
}

QList<QAccessibleInterface*> RuffiniCellAccessible::rowHeaderCells() const {
  if (!isValid() || column_ < 0) return {};
  return {headers_(row_, -1)};
}
