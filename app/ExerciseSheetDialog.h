#pragma once

#include <QDialog>

#include <memory>

#include "engine/exercises/ExerciseSheet.h"

class ExerciseSheetDocument;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTextBrowser;

// «Hoja de ejercicios»: a sheet of factorisation exercises with their
// solutions. The choices are those of `factorix --ejercicios`: how many, the
// degree, the range of the roots, fractions, a quadratic factor without real
// roots, the worked solutions, and the seed that gives the same sheet again.
// A preview shows the first exercises; «Guardar…» writes the sheet as PDF,
// LaTeX, HTML, text or JSON, «Imprimir…» prints it.
class ExerciseSheetDialog : public QDialog {
  Q_OBJECT

public:
  explicit ExerciseSheetDialog(QWidget* parent = nullptr);
  ~ExerciseSheetDialog() override;

  // The sheet of the choices made now; null while they give none.
  const ExerciseSheetDocument* document() const { return document_.get(); }
  QTextBrowser* preview() const { return preview_; }
  QSpinBox* countBox() const { return count_; }
  QSpinBox* degreeBox() const { return degree_; }
  QLineEdit* seedEdit() const { return seed_; }

  // A seed the program picks for a new sheet: at most nine digits, easy to
  // copy down.
  static quint32 newSeed();

  bool save(const QString& path);
  void saveAs();
  void print();

private:
  void buildForm();
  void remake();
  // The choices on screen; false, with `problem` set, when they give none.
  bool options(factorix::SheetOptions& options, QString& problem) const;
  std::unique_ptr<ExerciseSheetDocument> fullDocument() const;

  QSpinBox* count_;
  QSpinBox* degree_;
  QSpinBox* lowest_;
  QSpinBox* highest_;
  QCheckBox* rationals_;
  QCheckBox* complex_;
  QCheckBox* worked_;
  QLineEdit* seed_;
  QLabel* problem_;
  QTextBrowser* preview_;
  QPushButton* save_;
  QPushButton* print_;
  std::unique_ptr<ExerciseSheetDocument> document_;
};
