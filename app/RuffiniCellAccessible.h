#pragma once

#include <QAccessibleInterface>
#include <QPointer>

#include <functional>

class RuffiniTableView;

// One cell of a Ruffini table, or the header of one of its rows or
// columns, for assistive technology: it reads its number (or the row's or
// column's name) and offers no action. A cell has the focus only while its
// table has it and the cell is the keyboard's current one.
class RuffiniCellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
  // The table's cell or header at (row, column), as the table hands them out.
  using CellLookup = std::function<QAccessibleInterface*(int row, int column)>;

  // Row -1 is the header of `column`; column -1 the header of `row`.
  // `headers` finds the headers of a cell.
  RuffiniCellAccessible(RuffiniTableView* view, int row, int column, CellLookup headers);

  // QAccessibleInterface
  bool isValid() const override;
  QObject* object() const override { return nullptr; }
  QWindow* window() const override;
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override;
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text t) const override;
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override;
  QAccessible::Role role() const override;
  QAccessible::State state() const override;
  void* interface_cast(QAccessible::InterfaceType type) override;

  // QAccessibleTableCellInterface
  bool isSelected() const override { return false; }
  QList<QAccessibleInterface*> columnHeaderCells() const override;
  QList<QAccessibleInterface*> rowHeaderCells() const override;
  int columnIndex() const override { return column_; }
  int rowIndex() const override { return row_; }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override { return parent(); }

private:
  bool isHeader() const { return row_ < 0 || column_ < 0; }

  QPointer<RuffiniTableView> view_;
  int row_;
  int column_;
  CellLookup headers_;
};
