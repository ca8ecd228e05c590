#pragma once

#include <QDialog>
#include <QList>

#include "app/SolutionSheet.h"

class QDialogButtonBox;
class QGroupBox;
class QPushButton;
class QScrollArea;
class QWidget;
class RuffiniTableView;
class SolutionExport;
class TextBlock;

// «Resolución paso a paso»: the worked solution of a polynomial, from top to
// bottom in a view that scrolls: "P(x) = …", then one titled section per
// stage of the work ("Factor común", "Raíces enteras", …, "Raíces",
// "Factorización"), each an accessible group of text blocks and Ruffini
// tables that Tab reaches. Modal, resizable; "Cerrar" and Escape close it;
// Ctrl++, Ctrl+− and Ctrl+0 zoom its text and tables. It shows a sheet
// (SolutionSheet) and keeps it, so that what it shows can be exported.
class SolutionDialog : public QDialog {
  Q_OBJECT

public:
  explicit SolutionDialog(SolutionSheet sheet, QWidget* parent = nullptr);

  const SolutionSheet& sheet() const { return sheet_; }
  TextBlock* polynomial() const { return polynomial_; }
  const QList<QGroupBox*>& sections() const { return sections_; }
  // The section headed `name`; nullptr when the work has none.
  QGroupBox* section(const QString& name) const;
  const QList<RuffiniTableView*>& tables() const { return tables_; }
  QPushButton* closeButton() const { return close_; }
  SolutionExport* exporter() const { return export_; }
  QScrollArea* scrollArea() const { return scroll_; }

  // The size of the text and tables, in percent of the normal size.
  int zoom() const { return zoom_; }
  void zoomIn();
  void zoomOut();
  void resetZoom();

  // Opens «Ayuda» (F1) and waits for it to close.
  void showHelp();

private:
  QGroupBox* addSection(const SheetSection& section, QWidget* sheet);
  void addShortcuts();
  void addExportButtons(QDialogButtonBox* buttons);
  void fitToWork(int buttonsHeight);  // pixels
  void setZoom(int percent);

  SolutionSheet sheet_;
  QScrollArea* scroll_;
  QWidget* page_;  // what scrolls
  TextBlock* polynomial_;
  QList<QGroupBox*> sections_;
  QList<RuffiniTableView*> tables_;
  QPushButton* close_;
  SolutionExport* export_;
  qreal normalPointSize_;
  int zoom_ = 100;
};
