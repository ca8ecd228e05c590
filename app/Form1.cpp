#include "app/Form1.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QUrl>
#include <algorithm>
#include <vector>

#include "app/CaptionFont.h"
#include "app/ClickLabel.h"
#include "app/ExerciseSheetDialog.h"
#include "presentation/ErrorMessages.h"
#include "app/FlatContainer.h"
#include "app/Footer.h"
#include "app/Form1Design.h"
#include "app/Form2.h"
#include "app/LinkOpener.h"
#include "app/MessageBox.h"
#include "app/PolynomialPaste.h"
#include "app/ResultList.h"
#include "app/ResultsNotice.h"
#include "app/SolutionOpener.h"
#include "engine/core/EngineError.h"
#include "engine/search/Search.h"
#include "formulapad/FormulaPad.h"
#include "presentation/Twips.h"

namespace {

// The stored design entry `key`, which the window's code names: it exists.
const ControlDesign& designOf(const char* key) {
  const ControlDesign* design = Form1Design::find(QString::fromUtf8(key));
  Q_ASSERT(design);
  return *design;
}

}  // namespace

Form1::Form1(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      quit_([] { QCoreApplication::exit(0); }) {
  auto* linkOpener = new LinkOpener(this);
  connect(linkOpener, &LinkOpener::failed, this, &Form1::showAddress);
  openLink_ = [linkOpener](const QUrl& url) { return linkOpener->open(url); };
  const WindowDesign window = Form1Design::window();
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(window.caption);
  setAccessibleName(window.caption);
  setFixedSize(twips::toPixels(window.clientWidth), twips::toPixels(window.clientHeight));
  CaptionFont* captionFont = CaptionFont::install(this);

  // In the stored design's order, so that later controls lie above earlier
  // ones where they overlap.
  frame1_ = place(new QGroupBox(designOf("Frame1").text()), "Frame1");
  command1_ = createCommand("Command1", &Form1::Command1_Click);

  dividendo_ = place(new FormulaPad, "dividendo");
  dividendo_->ReadProperties({});  // every pad setting at its default
  dividendo_->setToolTip(tr("Escriba aquí un polinomio"));
  dividendo_->setAccessibleName(designOf("Frame1").text());
  solution_ = new SolutionOpener(this, dividendo_);
  paste_ = new PolynomialPaste(this);
  paste_->watch(dividendo_);

  // The frame clips the result lines; nothing shows above the strip's
  // lower edge.
  frame2_ = place(new QGroupBox(designOf("Frame2").text()), "Frame2");
  const ControlDesign& strip = designOf("FlatContainer1");
  resultado_ = new ResultList(frame2_, strip.top + strip.height);
  FormulaPad* heading = resultado_->createHeading(designOf("resultado(0)"), Form1Design::headingProperties());
  heading->setAccessibleName(tr("Encabezado de los resultados"));
  solution_->watchHeading(heading);
  paste_->watch(heading);

  command2_ = createCommand("Command2", &Form1::Command2_Click);
  command4_ = createCommand("Command4", &Form1::Command4_Click);

  // The link: the maker's web address, centred, blue, Arial 11.25 point,
  // underlined.
  label1_ = place(new ClickLabel(Footer::webHost(), ClickLabel::Role::Link), "Label1");
  label1_->setAccessibleName(label1_->text());
  label1_->setTextFormat(Qt::PlainText);
  label1_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  label1_->setCursor(Qt::PointingHandCursor);
  QFont linkFont(QStringLiteral("Arial"));
  linkFont.setPointSizeF(11.25);
  linkFont.setUnderline(true);
  label1_->setFont(linkFont);
  label1_->setDesignColour(QColor(0, 0, 255));
  connect(label1_, &ClickLabel::clicked, this, &Form1::Label1_Click);

  command3_ = createCommand("Command3", &Form1::Command3_Click);

  flatContainer1_ = place(new FlatContainer, "FlatContainer1");
  flatContainer1_->setAccessibleName(tr("Desplazamiento de los resultados"));
  label2_ = place(new QLabel(designOf("Label2").text()), "Label2");
  label2_->setTextFormat(Qt::PlainText);
  label2_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label2_->adjustSize();  // sized to its text, whatever the font
  connect(captionFont, &CaptionFont::applied, label2_, &QLabel::adjustSize);
  // The arrows only show symbols: their accessible names say what they do.
  desp_ = {createArrow(0, tr("Desplazar a la izquierda")), createArrow(1, tr("Desplazar a la derecha"))};

  setTabOrderFromDesign();
  createShortcuts();
  notice_ = new ResultsNotice(this);
}

Form1::~Form1() = default;

QWidget* Form1::control(const QString& key) const { return findChild<QWidget*>(key); }

template <typename Widget>
Widget* Form1::place(Widget* widget, const char* key) {
  const ControlDesign& design = designOf(key);
  QWidget* container = *design.container ? control(QString::fromUtf8(design.container)) : this;
  Q_ASSERT(container);
  widget->setParent(container);
  widget->setObjectName(design.name());
  widget->setGeometry(twips::toPixels(design.left, design.top, design.width, design.height));
  if (*design.caption) widget->setAccessibleName(design.text());
  return widget;
}

QPushButton* Form1::createCommand(const char* key, void (Form1::*onClick)()) {
  auto* button = place(new QPushButton(designOf(key).text()), key);
  // Return and keypad Enter press the focused button, as Space does.
  // Keys typed into a pad never reach a button.
  button->setAutoDefault(true);
  button->setCursor(Qt::PointingHandCursor);
  connect(button, &QPushButton::clicked, this, onClick);
  return button;
}

// A scroll arrow: its text centred, the container showing through, the
// hand cursor; a click calls desp_Click with its index.
ClickLabel* Form1::createArrow(int index, const QString& accessibleName) {
  const QByteArray key = QStringLiteral("desp(%1)").arg(index).toUtf8();
  auto* arrow = place(new ClickLabel(designOf(key.constData()).text(), ClickLabel::Role::Button), key.constData());
  arrow->setTextFormat(Qt::PlainText);
  arrow->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  arrow->setCursor(Qt::PointingHandCursor);
  arrow->setAccessibleName(accessibleName);
  connect(arrow, &ClickLabel::clicked, this, [this, index] { desp_Click(index); });
  return arrow;
}

// The controls that take the focus follow each other in tab-index order.
void Form1::setTabOrderFromDesign() {
  std::vector<const ControlDesign*> ordered;
  for (const ControlDesign* design : Form1Design::controls())
    if (design->tabIndex >= 0) ordered.push_back(design);
  std::stable_sort(ordered.begin(), ordered.end(),
                   [](const ControlDesign* a, const ControlDesign* b) { return a->tabIndex < b->tabIndex; });
  QWidget* previous = nullptr;
  for (const ControlDesign* design : ordered) {
    QWidget* widget = control(design->name());
    if (!widget || widget->focusPolicy() == Qt::NoFocus) continue;
    if (previous) setTabOrder(previous, widget);
    previous = widget;
  }
}

// F1 opens the help, Ctrl+Q asks to leave and Ctrl+E opens «Hoja de
// ejercicios», wherever the focus is in the window. None of these keys
// writes in a pad; a pad claims the keys it writes (Ctrl with a letter or a
// digit among them) before any shortcut sees them.
void Form1::createShortcuts() {
  new QShortcut(QKeySequence(Qt::Key_F1), this, this, &Form1::Command3_Click);
  new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this, this, &Form1::Command4_Click);
  new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_E), this, this, &Form1::openExerciseSheet);
}

void Form1::openExerciseSheet() {
  auto* sheet = new ExerciseSheetDialog(this);
  sheet->setAttribute(Qt::WA_DeleteOnClose);
  sheet->open();
}

void Form1::Form_Load() {
  FormulaPad* heading = resultado_->at(0);
  heading->ChangeFont(Form1Design::headingFontName());
  heading->P();
  show();
  dividendo_->setFocus();
}

void Form1::Command1_Click() {
  Borrar();
  Calcular();
}

void Form1::Calcular() {
  const QByteArray text = dividendo_->text().toUtf8();
  // A hard constant can keep the search busy for a moment (the engine bounds
  // it to a few seconds): say so with the busy cursor.
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  const factorix::SearchResult result = factorix::Search(std::string_view(text.constData(), size_t(text.size())));
  QGuiApplication::restoreOverrideCursor();

  solution_->setCalculation(dividendo_->text());
  resultado_->beginBatch();
  for (size_t i = 0; i < result.lines.size(); ++i) {
    const QString line = QString::fromStdString(result.lines[i]);
    // A line whose division failed holds the factor alone and keeps the
    // picture it was created with.
    const bool unfinished = result.lastLineUnfinished && i + 1 == result.lines.size();
    FormulaPad* pad = unfinished ? resultado_->addLine() : resultado_->addLine(line);
    if (unfinished) pad->setText(line);
    solution_->watch(pad, result.roots[i]);
    paste_->watch(pad);
  }
  resultado_->endBatch();

  // A screen reader hears the message from its box, or else how many lines
  // came: the focus stays on "Calcular" and the lines change out of it.
  if (result.error != factorix::kNoError)
    MessageBox::show(this, ErrorMessage(result.error), tr("Error"), QMessageBox::Critical,
                     QMessageBox::Ok);
  else
    notice_->announceLines(resultado_->upperBound());
}

void Form1::Borrar() { resultado_->Borrar(); }

void Form1::Command2_Click() {
  MessageBox::show(this, Footer::creditsText(), designOf("Command2").text(), QMessageBox::Information,
                   QMessageBox::Ok);
}

void Form1::Command3_Click() {
  Form2 help;
  help.exec();
}

void Form1::Command4_Click() {
  if (MessageBox::show(this, tr("¿Está seguro de querer salir?"), designOf("Command4").text(),
                       QMessageBox::NoIcon, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes)
    quit_();
}

void Form1::Label1_Click() {
  const QUrl url = Footer::webUrl();
  if (!openLink_(url)) showAddress(url);
}

void Form1::showAddress(const QUrl& url) {
  const QString address = url.toString();
  QGuiApplication::clipboard()->setText(address);
  MessageBox::show(this,
                   tr("No se pudo abrir el navegador.\n\nLa dirección %1 se ha copiado al portapapeles.").arg(address),
                   QStringLiteral("Factorix"), QMessageBox::Information, QMessageBox::Ok);
}

void Form1::desp_Click(int Index) {
  if (Index == 0)
    resultado_->shiftSideways(Form1Design::kScrollStep);
  else if (Index == 1)
    resultado_->shiftSideways(-Form1Design::kScrollStep);
}
