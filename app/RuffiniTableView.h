#pragma once

#include <QTableView>

struct SheetTable;
class RuffiniTableModel;

// One Ruffini table drawn as in class: no grid, a vertical rule right of the
// root, a horizontal rule above the quotient, and a rule that sets the
// remainder apart. It is as large as its cells and never scrolls itself:
// the scroll area around it does, and keeps the keyboard's cell in view.
// To assistive technology it is a table named after its caption, with named
// rows and columns, whose cells read their numbers (RuffiniTableAccessible, installed by the program).
class RuffiniTableView : public QTableView {
  Q_OBJECT

public:
  explicit RuffiniTableView(const SheetTable& table, QWidget* parent = nullptr);

  // As large as its cells: the window around it scrolls.
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

  RuffiniTableModel* tableModel() const { return model_; }

protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;
  // Coming in by the keyboard, the focus lands on the first number in
  // reading order (the dividend's leading coefficient), never on a blank.
  void focusInEvent(QFocusEvent* event) override;
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

private:
  // Every column as wide as its longest number, every row a line high.
  void fitToCells();
  // Tells assistive technology which cell has the focus, and brings it into
  // the view of the scroll area around the table.
  void followCurrent();

  RuffiniTableModel* model_;
  bool arriving_ = false;  // within focusInEvent
};
