#include "app/RuffiniTableModel.h"

#include "app/SolutionSheet.h"
#include "engine/factor/PolynomialText.h"

RuffiniTableModel::RuffiniTableModel(const SheetTable& table, QObject* parent)
    : QAbstractTableModel(parent), columns_(int(table.dividend.size()) + 1) {
  cells_.resize(3 * qsizetype(columns_));
  const auto at = [this](int row, int column) -> QString& { return cells_[row * qsizetype(columns_) + column]; };
  at(kProductRow, 0) = table.root;
  for (int i = 0; i < table.dividend.size() && i + 1 < columns_; ++i) at(kTopRow, i + 1) = table.dividend.at(i);
  for (int i = 0; i < table.products.size() && i + 2 < columns_; ++i) at(kProductRow, i + 2) = table.products.at(i);
  for (int i = 0; i < table.quotient.size() && i + 1 < columns_; ++i) at(kQuotientRow, i + 1) = table.quotient.at(i);
  if (columns_ > 1) at(kQuotientRow, columns_ - 1) = table.remainder;
}

int RuffiniTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 3; }

int RuffiniTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : columns_; }

QString RuffiniTableModel::text(int row, int column) const {
  if (row < 0 || row >= 3 || column < 0 || column >= columns_) return {};
  return cells_.at(row * qsizetype(columns_) + column);
}

QString RuffiniTableModel::rowName(int row) const {
  switch (row) {
    case kTopRow:
      return tr("Dividendo");
    case kProductRow:
      return tr("Productos");
    case kQuotientRow:
      return tr("Cociente y resto");
    default:
      return {};
  }
}

QString RuffiniTableModel::columnName(int column) const {
  if (column == 0) return tr("Raíz");
  const int power = columns_ - 1 - column;  // column 1 holds the highest power
  if (column < 0 || power < 0) return {};
  if (power == 0) return tr("término independiente");
  if (power == 1) return QStringLiteral("x");
  return QStringLiteral("x") + QString::fromStdString(factorix::Superscript(unsigned(power)));
}

QVariant RuffiniTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
      return text(index.row(), index.column());
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    default:
      return {};
  }
}

QVariant RuffiniTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  // Not for display: the view's hidden headers would measure every name.
  if (role != Qt::AccessibleTextRole) return {};
  return orientation == Qt::Horizontal ? columnName(section) : rowName(section);
}

Qt::ItemFlags RuffiniTableModel::flags(const QModelIndex& index) const {
  if (!index.isValid() || text(index.row(), index.column()).isEmpty()) return Qt::ItemNeverHasChildren;
  return Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
}
