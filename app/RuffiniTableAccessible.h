#pragma once

#include <QAccessibleWidget>
#include <QHash>

class RuffiniTableModel;
class RuffiniTableView;

// A Ruffini table as assistive technology meets it: a table named after its
// caption, whose children are its cells row by row (no header rows or
// columns among them: the view shows none), with the rows and columns
// named by the model ("Dividendo", "x³", "término independiente"). The
// cells (RuffiniCellAccessible) offer no action and only the keyboard's
// current cell of the focused table reports the focus.
class RuffiniTableAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
  explicit RuffiniTableAccessible(RuffiniTableView* view);
  ~RuffiniTableAccessible() override;

  // The accessibility framework's factory for Ruffini tables: the interface
  // of a RuffiniTableView, null for any other object.
  static QAccessibleInterface* create(const QString& className, QObject* object);

  // The cell (row, column) of the table; row -1 is the header of the
  // column, column -1 the header of the row (neither is a child).
  QAccessibleInterface* cellOrHeader(int row, int column) const;

  // QAccessibleInterface
  void* interface_cast(QAccessible::InterfaceType type) override;
  QAccessibleInterface* child(int index) const override;
  int childCount() const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* childAt(int x, int y) const override;
  QAccessibleInterface* focusChild() const override;

  // QAccessibleTableInterface
  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }
  QAccessibleInterface* cellAt(int row, int column) const override;
  int selectedCellCount() const override { return 0; }
  QList<QAccessibleInterface*> selectedCells() const override { return {}; }
  QString columnDescription(int column) const override;
  QString rowDescription(int row) const override;
  int selectedColumnCount() const override { return 0; }
  int selectedRowCount() const override { return 0; }
  int columnCount() const override;
  int rowCount() const override;
  QList<int> selectedColumns() const override { return {}; }
  QList<int> selectedRows() const override { return {}; }
  bool isColumnSelected(int) const override { return false; }
  bool isRowSelected(int) const override { return false; }
  bool selectRow(int) override { return false; }
  bool selectColumn(int) override { return false; }
  bool unselectRow(int) override { return false; }
  bool unselectColumn(int) override { return false; }
  void modelChange(QAccessibleTableModelChangeEvent*) override {}  // the cells never change

private:
  RuffiniTableView* view() const;
  RuffiniTableModel* model() const;

  // Interfaces of the cells and headers asked for so far, by
  // (row + 1) * (columns + 1) + column + 1.
  mutable QHash<int, QAccessible::Id> ids_;
};
