// «Hoja de ejercicios»: opened by Ctrl+E, its choices and their problems,
// and the files it writes (a LaTeX file pdflatex compiles, a PDF that holds
// every polynomial).
#include <QCheckBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include "MainWindowFixture.h"
#include "app/ExerciseSheetDialog.h"
#include "documents/ExerciseSheetDocument.h"

class TestExerciseSheet : public QObject {
  Q_OBJECT

private slots:
  void ctrlEOpensTheDialog();
  void problemsDisableSaving();
  void latexCompiles();
  void pdfHoldsEveryPolynomial();

private:
  static QString run(const QString& program, const QStringList& arguments, const QString& folder);
};

QString TestExerciseSheet::run(const QString& program, const QStringList& arguments, const QString& folder) {
  QProcess process;
  process.setWorkingDirectory(folder);
  process.start(program, arguments);
  if (!process.waitForFinished(60000) || process.exitCode() != 0)
    return QStringLiteral("FAILED: ") + QString::fromUtf8(process.readAllStandardOutput().right(2000));
  return QString::fromUtf8(process.readAllStandardOutput());
}

void TestExerciseSheet::ctrlEOpensTheDialog() {
  MainWindowFixture fixture;
  QVERIFY(QTest::qWaitForWindowExposed(fixture.form.get()));
  QTest::keyClick(fixture.form->dividendo(), Qt::Key_E, Qt::ControlModifier);
  auto* dialog = fixture.form->findChild<ExerciseSheetDialog*>();
  QVERIFY(dialog);
  QCOMPARE(dialog->windowTitle(), QStringLiteral("Hoja de ejercicios"));
  QVERIFY(dialog->isVisible());
  QVERIFY(fixture.form->dividendo()->text().isEmpty());  // the pad wrote nothing
  QVERIFY(dialog->preview()->toPlainText().contains(QStringLiteral("1. P(x) = ")) ||
          dialog->preview()->toHtml().contains(QStringLiteral("P(x) = ")));
}

void TestExerciseSheet::problemsDisableSaving() {
  ExerciseSheetDialog dialog;
  dialog.degreeBox()->setValue(2);
  dialog.findChildren<QCheckBox*>().at(1)->setChecked(true);  // a quadratic factor
  QVERIFY(!dialog.document());
  auto* save = dialog.findChild<QPushButton*>(QStringLiteral("guardar"));
  QVERIFY(save && !save->isEnabled());
  dialog.degreeBox()->setValue(3);
  QVERIFY(dialog.document());
  QVERIFY(save->isEnabled());
  dialog.seedEdit()->setText(QStringLiteral("99999999999999999999"));  // past 2^64 - 1
  QVERIFY(!dialog.document());
}

void TestExerciseSheet::latexCompiles() {
  QTemporaryDir folder;
  factorix::SheetOptions options{20, 5, -6, 6, true, true, 7};
  const ExerciseSheetDocument sheet(options, factorix::MakeSheet(options), {{QStringLiteral("P(x) = x³ − 1, Δ < 0, √2 ≈ 1,41")}});
  QCOMPARE(sheet.write(folder.filePath(QStringLiteral("hoja.tex")), DocumentFormat::kLatex), QString());
  const QString log = run(QStringLiteral("pdflatex"), {QStringLiteral("-halt-on-error"), QStringLiteral("-interaction=nonstopmode"),
                                                       QStringLiteral("hoja.tex")}, folder.path());
  QVERIFY2(!log.startsWith(QStringLiteral("FAILED")), qPrintable(log));
}

void TestExerciseSheet::pdfHoldsEveryPolynomial() {
  QTemporaryDir folder;
  factorix::SheetOptions options{40, 4, -9, 9, false, false, 11};
  const ExerciseSheetDocument sheet(options, factorix::MakeSheet(options));
  QCOMPARE(sheet.write(folder.filePath(QStringLiteral("hoja.pdf")), DocumentFormat::kPdf), QString());
  const QString text = run(QStringLiteral("pdftotext"), {QStringLiteral("hoja.pdf"), QStringLiteral("-")}, folder.path());
  const QJsonArray exercises = QJsonDocument::fromJson(sheet.json()).object().value(QStringLiteral("ejercicios")).toArray();
  QCOMPARE(exercises.size(), 40);
  for (const QJsonValue& exercise : exercises) {
    const QString polynomial = exercise.toObject().value(QStringLiteral("polinomio")).toString();
    QVERIFY2(text.contains(polynomial), qPrintable(polynomial));
  }
}

QTEST_MAIN(TestExerciseSheet)
#include "tst_exercisesheet.moc"
