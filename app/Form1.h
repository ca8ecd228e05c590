#pragma once

#include <QWidget>
#include <array>
#include <functional>

class ClickLabel;
class FlatContainer;
class FormulaPad;
class PolynomialPaste;
class QGroupBox;
class QLabel;
class QPushButton;
class QUrl;
class ResultList;
class ResultsNotice;
class SolutionOpener;

// The main window: the polynomial pad, "Calcular", the results with their
// sideways scroll strip, "Ayuda", "Créditos", "Salir" and the link to the
// maker's site. Placed by its stored design; not resizable.
class Form1 : public QWidget {
  Q_OBJECT

public:
  explicit Form1(QWidget* parent = nullptr);
  ~Form1() override;

  // Start-up: the heading in Courier, the window shown, the focus in the
  // polynomial pad.
  void Form_Load();

  // "Calcular": clears the old lines, then searches for the roots.
  void Command1_Click();
  // One line per root of the polynomial in `dividendo`; on an error, the
  // lines found so far stay and one message box says so.
  void Calcular();
  // Removes every result line but the heading.
  void Borrar();
  void Command2_Click();  // "Créditos"
  void Command3_Click();  // "Ayuda"
  void Command4_Click();  // "Salir", after confirmation
  // The link to the maker's site. When no browser starts, or the opener
  // fails soon after, the address goes to the clipboard and an information
  // box titled "Factorix" shows it.
  void Label1_Click();
  // The scroll arrows: 0 is "<<", 1 is ">>"; other indices do nothing.
  void desp_Click(int Index);
  // Ctrl+E: «Hoja de ejercicios», window-modal.
  void openExerciseSheet();

  FormulaPad* dividendo() const { return dividendo_; }
  ResultList& resultado() const { return *resultado_; }
  // Opens «Resolución paso a paso» from the heading or a result line.
  SolutionOpener& solution() const { return *solution_; }
  // The control stored under `key` ("Frame2", "desp(0)", "resultado(0)").
  QWidget* control(const QString& key) const;

  // What "Salir" does once confirmed (by default: end the program at once).
  void setQuitAction(std::function<void()> quit) { quit_ = std::move(quit); }
  // What the link does with the maker's address (by default: hand it to
  // the desktop's opener, which may still fail later); false when no
  // browser could be started.
  void setLinkOpener(std::function<bool(const QUrl&)> open) { openLink_ = std::move(open); }

private:
  // Gives `widget` its place from the stored design entry `key`: its
  // container, its name, its rectangle and, when it has a caption, its
  // accessible name.
  template <typename Widget>
  Widget* place(Widget* widget, const char* key);
  QPushButton* createCommand(const char* key, void (Form1::*onClick)());
  ClickLabel* createArrow(int index, const QString& accessibleName);
  void setTabOrderFromDesign();
  void createShortcuts();
  // The maker's address for the user to paste, when no browser opened it.
  void showAddress(const QUrl& url);

  QGroupBox* frame1_;
  QPushButton* command1_;  // "Calcular"
  FormulaPad* dividendo_;
  QGroupBox* frame2_;
  ResultList* resultado_;
  QPushButton* command2_;  // "Créditos"
  QPushButton* command4_;  // "Salir"
  ClickLabel* label1_;     // the link
  QPushButton* command3_;  // "Ayuda"
  FlatContainer* flatContainer1_;
  QLabel* label2_;                   // "Desplazar resultados"
  std::array<ClickLabel*, 2> desp_;  // "<<" and ">>"
  SolutionOpener* solution_;  // opens the worked solution from the results
  PolynomialPaste* paste_;    // Ctrl+V and Shift+Insert in every pad
  ResultsNotice* notice_;     // tells screen readers how a calculation ended
  std::function<void()> quit_;
  std::function<bool(const QUrl&)> openLink_;
};
