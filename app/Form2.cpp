#include "app/Form2.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>

#include "app/CaptionFont.h"
#include "app/Form2Design.h"
#include "presentation/Twips.h"

Form2::Form2(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
  const WindowDesign design = Form2Design::window();
  setObjectName(QStringLiteral("Form2"));
  setWindowTitle(design.caption);
  setAccessibleName(design.caption);
  setSizeGripEnabled(false);
  CaptionFont::install(this);

  const ControlDesign& textDesign = Form2Design::textBox();
  const ControlDesign& buttonDesign = Form2Design::closeButton();

  h_ = new QPlainTextEdit(this);
  h_->setObjectName(textDesign.name());
  h_->setAccessibleName(tr("Texto de ayuda"));
  h_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  h_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  h_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  h_->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  // Tab moves on to "Cerrar", as in any dialog; the help has no use for tabs.
  h_->setTabChangesFocus(true);
  // The stored text breaks its lines with CR LF; the box breaks them on LF.
  QString text = Form2Design::helpText();
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  h_->setPlainText(text);

  command1_ = new QPushButton(buttonDesign.text(), this);
  command1_->setObjectName(buttonDesign.name());
  command1_->setAccessibleName(buttonDesign.text());
  command1_->resize(twips::toPixels(buttonDesign.width), twips::toPixels(buttonDesign.height));
  // Return and keypad Enter press "Cerrar" when it has the focus.
  command1_->setAutoDefault(true);
  connect(command1_, &QPushButton::clicked, this, &Form2::Command1_Click);

  setTabOrder(h_, command1_);
  setMinimumSize(0, 0);
  resize(twips::toPixels(design.clientWidth), twips::toPixels(design.clientHeight));
  Form_Resize();
  h_->setFocus();
}

namespace {

// The first line of the paragraph on «Calcular» and its results ("Para
// calcular las descomposiciones posibles, …"), counted from 0.
constexpr int kResultsParagraphLine = 15;

}  // namespace

// From the end of the text, the cursor's way back up leaves its line at the
// top of the box.
void Form2::showResultsParagraph() {
  QTextCursor cursor = h_->textCursor();
  cursor.movePosition(QTextCursor::End);
  h_->setTextCursor(cursor);
  h_->ensureCursorVisible();
  cursor.setPosition(h_->document()->findBlockByNumber(kResultsParagraphLine).position());
  h_->setTextCursor(cursor);
  h_->ensureCursorVisible();
}

// The box fills the client area but for a strip along the bottom as high as
// the button; the button sits at the left of that strip. The box is never
// less than 0 high.
void Form2::Form_Resize() {
  const int w = width();
  const int boxHeight = std::max(0, height() - command1_->height());
  h_->setGeometry(0, 0, w, boxHeight);
  command1_->move(0, h_->height());
}

void Form2::Command1_Click() { close(); }

void Form2::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  Form_Resize();
}
