#pragma once

#include <QAbstractTableModel>
#include <QStringList>

namespace factorix {
struct RuffiniTable;
}

// The cells of one Ruffini table, three rows as written in class:
//   row 0: blank, then the dividend's coefficients from the highest power;
//   row 1: the root, a blank under the leading coefficient, then the products;
//   row 2: blank, the quotient's coefficients, then the remainder.
// Column 0 holds the root; columns 1 to n + 1 the powers n down to 0.
// Numbers are exact decimal texts, right-aligned.
class RuffiniTableModel : public QAbstractTableModel {
  Q_OBJECT

public:
  static constexpr int kTopRow = 0;
  static constexpr int kProductRow = 1;
  static constexpr int kQuotientRow = 2;

  explicit RuffiniTableModel(const factorix::RuffiniTable& table, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  // A number's cell is enabled, never selectable; a blank cell is neither,
  // so that the keyboard's current cell is always a number.
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  // The cell's text; empty for a blank cell.
  QString text(int row, int column) const;

private:
  int columns_;
  QStringList cells_;  // row by row, columns_ per row
};
