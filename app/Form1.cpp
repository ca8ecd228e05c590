#include "app/Form1.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QGroupBox>
#include <QPushButton>
#include <QUrl>
#include <algorithm>

#include "app/ClickLabel.h"
#include "app/FlatContainer.h"
#include "app/Footer.h"
#include "app/Form1Design.h"
#include "app/Form2.h"
#include "app/MessageBox.h"
#include "app/ResultList.h"
#include "engine/EngineError.h"
#include "engine/Search.h"
#include "formulapad/FormulaPad.h"
#include "formulapad/Twips.h"

Form1::Form1(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      quit_([] { QCoreApplication::exit(0); }),
      openLink_([](const QUrl& url) { QDesktopServices::openUrl(url); }) {
  const WindowDesign window = Form1Design::window();
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(window.caption);
  setAccessibleName(window.caption);
  setFixedSize(twips::toPixels(window.clientWidth), twips::toPixels(window.clientHeight));

  for (const ControlDesign& design : Form1Design::controls()) {
    QWidget* container = design.container.isEmpty() ? this : controls_.value(design.container);
    Q_ASSERT(container);
    if (QWidget* widget = createControl(design, container)) controls_.insert(design.key(), widget);
  }
  setTabOrderFromDesign();
}

Form1::~Form1() = default;

QWidget* Form1::createControl(const ControlDesign& design, QWidget* container) {
  QWidget* widget = nullptr;
  switch (design.kind) {
    case ControlKind::Frame: {
      widget = new QGroupBox(design.caption, container);
      if (design.name == QLatin1String("Frame2")) {
        const ControlDesign* strip = Form1Design::find(QStringLiteral("FlatContainer1"));
        resultado_ = new ResultList(widget, strip ? strip->top + strip->height : 0);
      }
      break;
    }
    case ControlKind::CommandButton: {
      auto* button = new QPushButton(design.caption, container);
      button->setAutoDefault(false);
      widget = button;
      break;
    }
    case ControlKind::FormulaPad: {
      if (design.name == QLatin1String("resultado")) {
        widget = resultado_->createHeading(design);
      } else {
        auto* pad = new FormulaPad(container);
        pad->ReadProperties(design.padProperties);
        dividendo_ = pad;
        widget = pad;
      }
      break;
    }
    case ControlKind::Label: {
      QLabel* label = nullptr;
      if (design.handCursor) {
        const bool link = design.name == QLatin1String("Label1");
        auto* clickable = new ClickLabel(design.caption, link ? ClickLabel::Role::Link : ClickLabel::Role::Button,
                                         container);
        if (link) {
          connect(clickable, &ClickLabel::clicked, this, &Form1::Label1_Click);
        } else {
          const int index = design.index;
          connect(clickable, &ClickLabel::clicked, this, [this, index] { desp_Click(index); });
        }
        label = clickable;
      } else {
        label = new QLabel(design.caption, container);
      }
      label->setTextFormat(Qt::PlainText);
      label->setAlignment(design.alignment);
      widget = label;
      break;
    }
    case ControlKind::FlatContainer:
      widget = new FlatContainer(container);
      break;
    case ControlKind::TextBox:
    case ControlKind::ScriptControl:
      return nullptr;  // the evaluator is part of the engine
  }

  widget->setObjectName(design.key());
  widget->setGeometry(twips::toPixels(design.left, design.top, design.width, design.height));
  if (!design.accessibleName.isEmpty()) widget->setAccessibleName(design.accessibleName);
  if (!design.toolTip.isEmpty()) widget->setToolTip(design.toolTip);
  if (design.handCursor) widget->setCursor(Qt::PointingHandCursor);
  if (design.autoSize) widget->adjustSize();
  if (design.name == QLatin1String("Frame2")) resultado_->fitToFrame();

  if (design.name == QLatin1String("Label1")) {
    // The link: blue, Arial 11.25 point, underlined.
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(11.25);
    font.setUnderline(true);
    widget->setFont(font);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    widget->setPalette(palette);
  } else if (design.name == QLatin1String("Command1")) {
    connect(static_cast<QPushButton*>(widget), &QPushButton::clicked, this, &Form1::Command1_Click);
  } else if (design.name == QLatin1String("Command2")) {
    connect(static_cast<QPushButton*>(widget), &QPushButton::clicked, this, &Form1::Command2_Click);
  } else if (design.name == QLatin1String("Command3")) {
    connect(static_cast<QPushButton*>(widget), &QPushButton::clicked, this, &Form1::Command3_Click);
  } else if (design.name == QLatin1String("Command4")) {
    connect(static_cast<QPushButton*>(widget), &QPushButton::clicked, this, &Form1::Command4_Click);
  }
  return widget;
}

// The controls that take the focus follow each other in tab-index order.
void Form1::setTabOrderFromDesign() {
  QList<const ControlDesign*> ordered;
  for (const ControlDesign& design : Form1Design::controls())
    if (design.tabIndex >= 0) ordered << &design;
  std::stable_sort(ordered.begin(), ordered.end(),
                   [](const ControlDesign* a, const ControlDesign* b) { return a->tabIndex < b->tabIndex; });
  QWidget* previous = nullptr;
  for (const ControlDesign* design : ordered) {
    QWidget* widget = controls_.value(design->key());
    if (!widget || widget->focusPolicy() == Qt::NoFocus) continue;
    if (previous) setTabOrder(previous, widget);
    previous = widget;
  }
}

void Form1::Form_Load() {
  FormulaPad* heading = resultado_->at(0);
  heading->ChangeFont(QStringLiteral("Courier"));
  heading->P();
  show();
  dividendo_->setFocus();
}

void Form1::Command1_Click() {
  Borrar();
  Calcular();
}

void Form1::Calcular() {
  const QByteArray text = dividendo_->Text.toString().toUtf8();
  // A hard constant can keep the search busy for a moment (the engine bounds
  // it to a few seconds): say so with the busy cursor.
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  const factorix::SearchResult result = factorix::Search(std::string_view(text.constData(), size_t(text.size())));
  QGuiApplication::restoreOverrideCursor();

  resultado_->beginBatch();
  for (size_t i = 0; i < result.lines.size(); ++i) {
    FormulaPad* pad = resultado_->addLine();
    pad->Text = QString::fromStdString(result.lines[i]);
    // A line whose division failed holds the factor alone and keeps the
    // picture it was created with.
    const bool unfinished = result.lastLineUnfinished && i + 1 == result.lines.size();
    if (!unfinished) pad->P();
  }
  resultado_->endBatch();

  if (result.error != factorix::kNoError)
    MessageBox::show(this, QString::fromStdString(factorix::MessageFor(result.error)), MessageBox::Critical,
                     QStringLiteral("Error"));
}

void Form1::Borrar() { resultado_->Borrar(); }

void Form1::Command2_Click() {
  MessageBox::show(this, Footer::creditsText(), MessageBox::Information, QStringLiteral("Créditos"));
}

void Form1::Command3_Click() {
  Form2 help;
  help.exec();
}

void Form1::Command4_Click() {
  if (MessageBox::show(this, QStringLiteral("¿Está seguro de querer salir?"), MessageBox::YesNo,
                       QStringLiteral("Salir")) == MessageBox::Yes)
    quit_();
}

void Form1::Label1_Click() { openLink_(Footer::webUrl()); }

void Form1::desp_Click(int Index) {
  if (Index == 0)
    resultado_->shiftSideways(Form1Design::kScrollStep);
  else if (Index == 1)
    resultado_->shiftSideways(-Form1Design::kScrollStep);
}
