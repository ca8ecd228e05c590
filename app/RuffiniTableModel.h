#pragma once

#include <QAbstractTableModel>
#include <QStringList>

struct SheetTable;

// The cells of one Ruffini table, three rows as written in class:
//   row 0, "Dividendo": blank, then the dividend's coefficients;
//   row 1, "Productos": the root, a blank under the leading coefficient,
//          then the products;
//   row 2, "Cociente y resto": blank, the quotient, then the remainder.
// Column 0 holds the root; columns 1 to n + 1 the powers n down to 0, and
// are named after them (x³, x², x, término independiente). Numbers are
// texts as the sheet writes them, right-aligned.
class RuffiniTableModel : public QAbstractTableModel {
  Q_OBJECT

public:
  static constexpr int kTopRow = 0;
  static constexpr int kProductRow = 1;
  static constexpr int kQuotientRow = 2;

  explicit RuffiniTableModel(const SheetTable& table, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  // Rows and columns named for assistive technology (Qt::AccessibleTextRole
  // only: the view hides its headers).
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
  // A number's cell is enabled, never selectable; a blank cell is neither,
  // so that the keyboard's current cell is always a number.
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  // The cell's place counted row by row from 0, as assistive technology
  // numbers a table's children.
  int cellNumber(int row, int column) const { return row * columnCount() + column; }
  // The cell's text; empty for a blank cell or outside the table.
  QString text(int row, int column) const;
  QString rowName(int row) const;
  QString columnName(int column) const;

private:
  int columns_;
  QStringList cells_;  // row by row, columns_ per row
};
