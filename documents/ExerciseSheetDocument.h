#pragma once

#include <QCoreApplication>
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <vector>

#include "documents/DocumentFormat.h"
#include "engine/exercises/ExerciseSheet.h"

// A sheet of factorisation exercises as a document: the title and the
// choices it was made with (its seed among them), the exercises, then, on
// a page of their own, the solutions: each polynomial with its
// factorisation, its roots and, when given, its worked solution.
class ExerciseSheetDocument {
  Q_DECLARE_TR_FUNCTIONS(ExerciseSheetDocument)

public:
  // `worked`: the worked solution of each exercise as plain-text lines, or
  // empty for none.
  ExerciseSheetDocument(const factorix::SheetOptions& options, std::vector<factorix::Exercise> exercises,
                        QList<QStringList> worked = {});

  QString title() const;
  QString text() const;
  QString html() const;
  // The title, the choices and the first `count` exercises, as HTML.
  QString previewHtml(int count) const;
  QString latex() const;
  QByteArray json() const;
  // The document in `format` (kPdf is laid out from the HTML).
  QByteArray bytes(DocumentFormat format) const;
  // Writes the file whole or not at all; an empty string on success, else
  // the reason for the failure.
  QString write(const QString& path, DocumentFormat format) const;

private:
  // One exercise made ready to write: texts in the pad's encoding.
  struct Entry {
    QString polynomial;     // "xe3-7x+6"
    QString factorization;  // "(x-1)(x-2)(x+3)"
    QStringList roots;      // "x = -3", "x = 1/2 (doble)", "x = -1-2i"
  };

  QString choices() const;
  // The whole sheet as HTML, its mathematics written by `math`.
  // `printed`: laid out for a page of fixed width (the PDF), where nothing
  // may run past the margin.
  QString htmlWith(QString (*math)(const QString&), bool printed) const;

  factorix::SheetOptions options_;
  std::vector<factorix::Exercise> exercises_;
  QList<Entry> entries_;
  QList<QStringList> worked_;
};
