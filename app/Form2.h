#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

// The help window: the usage text in a box that the user may scroll, type
// into and resize, and a button that closes the window. Every opening
// starts again from the stored text.
class Form2 : public QDialog {
  Q_OBJECT

public:
  explicit Form2(QWidget* parent = nullptr);

  QPlainTextEdit* h() const { return h_; }
  QPushButton* Command1() const { return command1_; }

  // Puts the paragraph on «Calcular» and the results it gives at the top of
  // the box, with the cursor at its start: the help of the windows that
  // open from the results.
  void showResultsParagraph();

  // Lays out the two controls for the current client size.
  void Form_Resize();
  void Command1_Click();

protected:
  void resizeEvent(QResizeEvent* event) override;

private:
  QPlainTextEdit* h_;
  QPushButton* command1_;
};
