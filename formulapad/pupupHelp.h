#pragma once

#include <QDialog>

class QScreen;

// The key help: which symbols a formula pad takes and which keys edit it.
// A fixed, captionless dialog of 5460 x 4320 twips; "Aceptar" closes it.
class pupupHelp : public QDialog {
  Q_OBJECT

public:
  explicit pupupHelp(QWidget* parent = nullptr);

  // Opens a new key help, modal and centred on `screen` (the primary screen
  // when null), and returns once it has been closed and destroyed.
  static void showModal(QScreen* screen);

protected:
  void paintEvent(QPaintEvent* event) override;
};
