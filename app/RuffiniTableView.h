#pragma once

#include <QTableView>

namespace factorix {
struct RuffiniTable;
}
class RuffiniTableModel;

// One Ruffini table drawn as in class: no grid, a vertical rule right of the
// root, a horizontal rule above the quotient, and a rule that sets the
// remainder apart. It is as large as its cells and never scrolls itself:
// the window around it does. To assistive technology it is a table whose
// cells read their numbers.
class RuffiniTableView : public QTableView {
  Q_OBJECT

public:
  explicit RuffiniTableView(const factorix::RuffiniTable& table, QWidget* parent = nullptr);

  // As large as its cells: the window around it scrolls.
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

  RuffiniTableModel* tableModel() const { return model_; }

protected:
  void paintEvent(QPaintEvent* event) override;
  // Coming in by the keyboard, the focus lands on the first number in
  // reading order (the dividend's leading coefficient), never on a blank.
  void focusInEvent(QFocusEvent* event) override;

private:
  RuffiniTableModel* model_;
};
