#pragma once

#include <QLabel>

// Lines of plain text in «Resolución paso a paso»: a label that Tab reaches,
// so that a screen reader reads it when it takes the focus. The lines may be
// thousands of characters long: its size is the sum of its characters'
// advances, read from the font's cache, rather than the label's own measure,
// which shapes the whole text (only the lines in view are ever shaped, when
// they are painted). It follows font changes, so that the window can zoom.
class TextBlock : public QLabel {
  Q_OBJECT

public:
  explicit TextBlock(const QString& text, QWidget* parent = nullptr);

  QSize sizeHint() const override { return size_; }
  QSize minimumSizeHint() const override { return size_; }

protected:
  void changeEvent(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

private:
  void measure();

  QSize size_;
};
