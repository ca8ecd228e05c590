#include "app/ExerciseSheetDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

#include "app/MessageBox.h"
#include "documents/ExerciseSheetDocument.h"
#include "documents/SheetProblemText.h"
#include "documents/WorkedSolutionText.h"

namespace {

constexpr int kPreviewed = 5;          // exercises shown in the preview

QSpinBox* spinBox(int lowest, int highest, int value, QWidget* parent) {
  auto* box = new QSpinBox(parent);
  box->setRange(lowest, highest);
  box->setValue(value);
  return box;
}

}  // namespace

ExerciseSheetDialog::ExerciseSheetDialog(QWidget* parent) : QDialog(parent) {
  const QString title = tr("Hoja de ejercicios");
  setObjectName(QStringLiteral("ExerciseSheetDialog"));
  setWindowTitle(title);
  setAccessibleName(title);
  setSizeGripEnabled(true);
  buildForm();
  remake();
}

ExerciseSheetDialog::~ExerciseSheetDialog() = default;

quint32 ExerciseSheetDialog::newSeed() {
  constexpr quint32 kSeedsOffered = 1000000000;  // seeds 0 to 999999999
  return QRandomGenerator::global()->bounded(kSeedsOffered);
}

void ExerciseSheetDialog::buildForm() {
  const factorix::SheetOptions defaults;
  count_ = spinBox(factorix::kMinExercises, factorix::kMaxExercises, defaults.count, this);
  degree_ = spinBox(factorix::kMinSheetDegree, factorix::kMaxSheetDegree, defaults.degree, this);
  const int bound = static_cast<int>(factorix::kMaxRootBound);
  lowest_ = spinBox(-bound, bound, static_cast<int>(defaults.lowest), this);
  highest_ = spinBox(-bound, bound, static_cast<int>(defaults.highest), this);
  rationals_ = new QCheckBox(tr("Con raíces fraccionarias (p/q, con q de 2 a 4)"), this);
  complex_ = new QCheckBox(tr("Con un factor de segundo grado sin raíces reales"), this);
  worked_ = new QCheckBox(tr("Soluciones con la resolución paso a paso"), this);
  seed_ = new QLineEdit(QString::number(newSeed()), this);
  seed_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{1,20}")), seed_));
  auto* otherSeed = new QPushButton(tr("Otra semilla"), this);
  connect(otherSeed, &QPushButton::clicked, this,
          [this] { seed_->setText(QString::number(newSeed())); });

  auto* range = new QHBoxLayout;
  range->addWidget(lowest_);
  range->addWidget(new QLabel(tr("y"), this));
  range->addWidget(highest_);
  auto* seedRow = new QHBoxLayout;
  seedRow->addWidget(seed_, 1);
  seedRow->addWidget(otherSeed);
  auto* form = new QFormLayout;
  form->addRow(tr("&Número de ejercicios:"), count_);
  form->addRow(tr("&Grado:"), degree_);
  auto* rangeLabel = new QLabel(tr("&Raíces enteras entre:"), this);
  rangeLabel->setBuddy(lowest_);
  form->addRow(rangeLabel, range);
  form->addRow(rationals_);
  form->addRow(complex_);
  form->addRow(worked_);
  auto* seedLabel = new QLabel(tr("&Semilla:"), this);
  seedLabel->setBuddy(seed_);
  form->addRow(seedLabel, seedRow);

  problem_ = new QLabel(this);
  problem_->setWordWrap(true);
  preview_ = new QTextBrowser(this);
  preview_->setAccessibleName(tr("Vista previa"));
  auto* buttons = new QDialogButtonBox(this);
  save_ = buttons->addButton(tr("&Guardar…"), QDialogButtonBox::ActionRole);
  print_ = buttons->addButton(tr("&Imprimir…"), QDialogButtonBox::ActionRole);
  save_->setObjectName(QStringLiteral("guardar"));
  print_->setObjectName(QStringLiteral("imprimir"));
  buttons->addButton(tr("Cerrar"), QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(save_, &QPushButton::clicked, this, &ExerciseSheetDialog::saveAs);
  connect(print_, &QPushButton::clicked, this, &ExerciseSheetDialog::print);

  auto* column = new QVBoxLayout(this);
  column->addLayout(form);
  column->addWidget(problem_);
  column->addWidget(preview_, 1);
  column->addWidget(buttons);

  for (QSpinBox* box : {count_, degree_, lowest_, highest_})
    connect(box, &QSpinBox::valueChanged, this, &ExerciseSheetDialog::remake);
  for (QCheckBox* box : {rationals_, complex_}) connect(box, &QCheckBox::toggled, this, &ExerciseSheetDialog::remake);
  connect(seed_, &QLineEdit::textChanged, this, &ExerciseSheetDialog::remake);
}

bool ExerciseSheetDialog::options(factorix::SheetOptions& options, QString& problem) const {
  options.count = count_->value();
  options.degree = degree_->value();
  options.lowest = lowest_->value();
  options.highest = highest_->value();
  options.rationals = rationals_->isChecked();
  options.complexFactor = complex_->isChecked();
  bool ok = false;
  options.seed = seed_->text().toULongLong(&ok);
  if (!ok) {
    problem = tr("La semilla debe ser un número entero de 0 a 18446744073709551615.");
    return false;
  }
  problem = SheetProblemText::text(factorix::CheckSheetOptions(options), options.count);
  return problem.isEmpty();
}

// A new sheet for the choices on screen, with the preview of its first
// exercises; a choice that gives no sheet says why and disables the buttons.
void ExerciseSheetDialog::remake() {
  factorix::SheetOptions chosen;
  QString problem;
  document_.reset();
  if (options(chosen, problem)) {
    std::vector<factorix::Exercise> exercises = factorix::MakeSheet(chosen);
    if (exercises.empty())
      problem = SheetProblemText::text(factorix::SheetProblem::kTooFewPolynomials, chosen.count);
    else
      document_ = std::make_unique<ExerciseSheetDocument>(chosen, std::move(exercises));
  }
  problem_->setText(problem);
  problem_->setVisible(!problem.isEmpty());
  preview_->setHtml(document_ ? document_->previewHtml(kPreviewed) : QString());
  save_->setEnabled(document_ != nullptr);
  print_->setEnabled(document_ != nullptr);
}

// The sheet to save or print: with the worked solutions when they are asked for.
std::unique_ptr<ExerciseSheetDocument> ExerciseSheetDialog::fullDocument() const {
  factorix::SheetOptions chosen;
  QString problem;
  if (!document_ || !options(chosen, problem)) return nullptr;
  std::vector<factorix::Exercise> exercises = factorix::MakeSheet(chosen);
  QList<QStringList> worked = worked_->isChecked() ? WorkedSolutions(exercises) : QList<QStringList>();
  return std::make_unique<ExerciseSheetDocument>(chosen, std::move(exercises), std::move(worked));
}

bool ExerciseSheetDialog::save(const QString& path) {
  const std::optional<DocumentFormat> format = formatOfPath(path);
  const std::unique_ptr<ExerciseSheetDocument> document = fullDocument();
  if (!format || !document) return false;
  const QString failure = document->write(path, *format);
  if (failure.isEmpty()) return true;
  MessageBox::show(this, tr("No se pudo guardar la hoja en «%1»: %2").arg(path, failure), windowTitle(),
                   QMessageBox::Warning, QMessageBox::Ok);
  return false;
}

void ExerciseSheetDialog::saveAs() {
  QString selected;
  QString path = QFileDialog::getSaveFileName(
      this, tr("Guardar la hoja de ejercicios"), tr("hoja-de-ejercicios.pdf"),
      tr("PDF (*.pdf);;LaTeX (*.tex);;HTML (*.html);;Texto (*.txt);;JSON (*.json)"), &selected);
  if (path.isEmpty()) return;
  if (!formatOfPath(path)) {
    // The ending of the chosen filter, "(*.pdf)" -> ".pdf".
    const qsizetype star = selected.indexOf(QLatin1Char('*'));
    path += selected.mid(star + 1, selected.size() - star - 2);
  }
  save(path);
}

void ExerciseSheetDialog::print() {
  const std::unique_ptr<ExerciseSheetDocument> document = fullDocument();
  if (!document) return;
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(document->title());
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() != QDialog::Accepted) return;
  QTextDocument text;
  text.setHtml(document->html());
  text.print(&printer);
}
