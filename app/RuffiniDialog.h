#pragma once

#include <QDialog>
#include <QList>

namespace factorix {
struct Work;
}
class QLabel;
class QLineEdit;
class QPushButton;
class RuffiniTableView;

// "Regla de Ruffini": the work behind one result line. From top to bottom,
// in a view that scrolls: "P(x) = " and the polynomial; one table per step
// of Ruffini's rule, each followed by its quotient and remainder; and the
// complete factorisation, as selectable text. Modal, resizable; "Cerrar"
// and Escape close it.
class RuffiniDialog : public QDialog {
  Q_OBJECT

public:
  explicit RuffiniDialog(const factorix::Work& work, QWidget* parent = nullptr);

  QLabel* polynomial() const { return polynomial_; }
  const QList<RuffiniTableView*>& tables() const { return tables_; }
  // "Cociente: ..." and "Resto: ..." under each table.
  const QList<QLabel*>& quotients() const { return quotients_; }
  const QList<QLabel*>& remainders() const { return remainders_; }
  QLineEdit* factorization() const { return factorization_; }
  QPushButton* closeButton() const { return close_; }

private:
  QLabel* polynomial_;
  QList<RuffiniTableView*> tables_;
  QList<QLabel*> quotients_;
  QList<QLabel*> remainders_;
  QLineEdit* factorization_;
  QPushButton* close_;
};
