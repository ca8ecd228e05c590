#include "app/RuffiniTableAccessible.h"

#include "app/RuffiniCellAccessible.h"
#include "app/RuffiniTableModel.h"
#include "app/RuffiniTableView.h"

RuffiniTableAccessible::RuffiniTableAccessible(RuffiniTableView* view)
    : QAccessibleWidget(view, QAccessible::Table) {}

RuffiniTableAccessible::~RuffiniTableAccessible() {
  for (const QAccessible::Id id : std::as_const(ids_)) QAccessible::deleteAccessibleInterface(id);
}

QAccessibleInterface* RuffiniTableAccessible::create(const QString& className, QObject* object) {
  if (className == QLatin1String(RuffiniTableView::staticMetaObject.className()))
    if (auto* view = qobject_cast<RuffiniTableView*>(object)) return new RuffiniTableAccessible(view);
  return nullptr;
}

RuffiniTableView* RuffiniTableAccessible::view() const { return static_cast<RuffiniTableView*>(widget()); }

RuffiniTableModel* RuffiniTableAccessible::model() const { return view()->tableModel(); }

void* RuffiniTableAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
  return QAccessibleWidget::interface_cast(type);
}

QAccessibleInterface* RuffiniTableAccessible::cellOrHeader(int row, int column) const {
  const int rows = rowCount();
  const int columns = columnCount();
  if (row < -1 || row >= rows || column < -1 || column >= columns || (row < 0 && column < 0)) return nullptr;
  const int key = (row + 1) * (columns + 1) + column + 1;
  if (const auto found = ids_.constFind(key); found != ids_.constEnd())
    return QAccessible::accessibleInterface(found.value());
  auto* cell = new RuffiniCellAccessible(view(), row, column, [this](int r, int c) { return cellOrHeader(r, c); });
  ids_.insert(key, QAccessible::registerAccessibleInterface(cell));
  return cell;
}

QAccessibleInterface* RuffiniTableAccessible::cellAt(int row, int column) const {
  if (row < 0 || column < 0) return nullptr;
  return cellOrHeader(row, column);
}

QAccessibleInterface* RuffiniTableAccessible::child(int index) const {
  const int columns = columnCount();
  if (index < 0 || index >= childCount() || columns == 0) return nullptr;
  return cellAt(index / columns, index % columns);
}

int RuffiniTableAccessible::childCount() const { return rowCount() * columnCount(); }

int RuffiniTableAccessible::indexOfChild(const QAccessibleInterface* child) const {
  if (!child || child->parent() != this) return -1;
  const QAccessibleTableCellInterface* cell = const_cast<QAccessibleInterface*>(child)->tableCellInterface();
  if (!cell || cell->rowIndex() < 0 || cell->columnIndex() < 0) return -1;
  return model()->cellNumber(cell->rowIndex(), cell->columnIndex());
}

QAccessibleInterface* RuffiniTableAccessible::childAt(int x, int y) const {
  const QPoint local = view()->viewport()->mapFromGlobal(QPoint(x, y));
  const QModelIndex index = view()->indexAt(local);
  return index.isValid() ? cellAt(index.row(), index.column()) : nullptr;
}

QAccessibleInterface* RuffiniTableAccessible::focusChild() const {
  const QModelIndex current = view()->currentIndex();
  if (!view()->hasFocus() || !current.isValid()) return nullptr;
  return cellAt(current.row(), current.column());
}

QString RuffiniTableAccessible::columnDescription(int column) const { return model()->columnName(column); }

QString RuffiniTableAccessible::rowDescription(int row) const { return model()->rowName(row); }

int RuffiniTableAccessible::columnCount() const { return model()->columnCount(); }

int RuffiniTableAccessible::rowCount() const { return model()->rowCount(); }
