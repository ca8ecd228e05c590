#include "app/RuffiniTableModel.h"

#include "engine/factor/RuffiniSteps.h"

namespace {

QString Decimal(const mpz_class& value) { return QString::fromStdString(value.get_str()); }

}  // namespace

RuffiniTableModel::RuffiniTableModel(const factorix::RuffiniTable& table, QObject* parent)
    : QAbstractTableModel(parent), columns_(int(table.dividend.size()) + 1) {
  cells_.resize(3 * qsizetype(columns_));
  const auto at = [this](int row, int column) -> QString& { return cells_[row * qsizetype(columns_) + column]; };
  at(kProductRow, 0) = Decimal(table.root);
  for (size_t i = 0; i < table.dividend.size(); ++i) at(kTopRow, int(i) + 1) = Decimal(table.dividend[i]);
  for (size_t i = 0; i < table.products.size(); ++i) at(kProductRow, int(i) + 2) = Decimal(table.products[i]);
  for (size_t i = 0; i < table.quotient.size(); ++i) at(kQuotientRow, int(i) + 1) = Decimal(table.quotient[i]);
  at(kQuotientRow, columns_ - 1) = Decimal(table.remainder);
}

int RuffiniTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 3; }

int RuffiniTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : columns_; }

QString RuffiniTableModel::text(int row, int column) const {
  if (row < 0 || row >= 3 || column < 0 || column >= columns_) return {};
  return cells_.at(row * qsizetype(columns_) + column);
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

Qt::ItemFlags RuffiniTableModel::flags(const QModelIndex& index) const {
  if (!index.isValid() || text(index.row(), index.column()).isEmpty()) return Qt::ItemNeverHasChildren;
  return Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
}
