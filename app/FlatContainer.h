#pragma once

#include <QWidget>

// A plain panel with a one-pixel sunken edge: dark grey along the top and
// left, white along the bottom and right. Children placed on it are clipped
// to it and move with it; it has no behaviour of its own.
class FlatContainer : public QWidget {
  Q_OBJECT

public:
  explicit FlatContainer(QWidget* parent = nullptr);

  // The size a new instance takes: 4800 by 3600 twips.
  QSize sizeHint() const override;

  static QColor edgeDark() { return {128, 128, 128}; }
  static QColor edgeLight() { return {255, 255, 255}; }

protected:
  void paintEvent(QPaintEvent* event) override;
};
