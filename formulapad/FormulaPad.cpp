#include "formulapad/FormulaPad.h"

#include <QPainter>
#include <QResizeEvent>

#include "formulapad/PropertyBag.h"

class FormulaPad::Private {
public:
  QString drawingFont = QStringLiteral("Arial");
  bool cursorVisible = true;
  int cursorX = 0;
  QString spoken;
};

FormulaPad::FormulaPad(QWidget* parent) : QWidget(parent), d(new Private) {
  setFixedHeight(kHeightTwips / kTwipsPerPixel);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_InputMethodEnabled, false);
  P();
}

FormulaPad::~FormulaPad() { delete d; }

void FormulaPad::P() {
  d->spoken = twcc(Text.toString());
  update();
}

QString FormulaPad::twcc(const QString& Text) {
  QString out = Text;
  out.remove(QLatin1Char('e')).remove(QLatin1Char('s'));
  return out;
}

void FormulaPad::NewText(const QVariant& MyText) { Text = MyText; P(); }
void FormulaPad::NewFontNormSize(const QVariant& MyFontNormSize) { FontNormSize = MyFontNormSize; P(); }
void FormulaPad::NewFontSupSize(const QVariant& MyFontSupSize) { FontSupSize = MyFontSupSize; P(); }
void FormulaPad::NewCellWidth(const QVariant& MyCellWidth) { CellWidth = MyCellWidth; P(); }
void FormulaPad::NewFontName(const QVariant& MyFontName) {
  FontName = MyFontName;
  d->drawingFont = MyFontName.toString();
  P();
}
void FormulaPad::LF() { d->cursorVisible = false; }
void FormulaPad::ChangeFont(const QString& NewFont) { d->drawingFont = NewFont; }

void FormulaPad::ReadProperties(const PropertyBag& bag) {
  Text = bag.ReadProperty(QStringLiteral("NewText"), QString());
  FontNormSize = bag.ReadProperty(QStringLiteral("NewFontNormSize"), 10);
  FontSupSize = bag.ReadProperty(QStringLiteral("NewFontSupSize"), 8);
  CellWidth = bag.ReadProperty(QStringLiteral("NewCellWidth"), 120);
  FontName = bag.ReadProperty(QStringLiteral("NewFontName"), QStringLiteral("Arial"));
}

void FormulaPad::WriteProperties(PropertyBag& bag) const {
  bag.WriteProperty(QStringLiteral("NewText"), Text, QString());
  bag.WriteProperty(QStringLiteral("NewFontNormSize"), FontNormSize, 10);
  bag.WriteProperty(QStringLiteral("NewFontSupSize"), FontSupSize, 8);
  bag.WriteProperty(QStringLiteral("NewCellWidth"), CellWidth, 120);
  bag.WriteProperty(QStringLiteral("NewFontName"), FontName, QStringLiteral("Arial"));
}

FormulaPad* FormulaPad::CopyOf(const FormulaPad& source, QWidget* parent) {
  PropertyBag bag;
  source.WriteProperties(bag);
  auto* pad = new FormulaPad(parent);
  pad->hide();
  pad->ReadProperties(bag);
  pad->resize(source.size());
  pad->P();
  return pad;
}

QString FormulaPad::accessibleText() const { return d->spoken; }
QString FormulaPad::drawingFontName() const { return d->drawingFont; }
bool FormulaPad::cursorLineVisible() const { return d->cursorVisible; }
int FormulaPad::cursorLineX() const { return d->cursorX; }

void FormulaPad::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().window());
}
void FormulaPad::resizeEvent(QResizeEvent*) { P(); }
void FormulaPad::keyPressEvent(QKeyEvent* event) { QWidget::keyPressEvent(event); }
void FormulaPad::focusInEvent(QFocusEvent* event) { QWidget::focusInEvent(event); }
void FormulaPad::focusOutEvent(QFocusEvent* event) { QWidget::focusOutEvent(event); }
void FormulaPad::mousePressEvent(QMouseEvent* event) { QWidget::mousePressEvent(event); }
