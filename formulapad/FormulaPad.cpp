#include "formulapad/FormulaPad.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QTimer>

#include <cmath>
#include <limits>

#include "formulapad/FormulaEditor.h"
#include "formulapad/FormulaPadAccessible.h"
#include "formulapad/FormulaRenderer.h"
#include "formulapad/KeyMapper.h"
#include "formulapad/PropertyBag.h"
#include "formulapad/Twips.h"
#include "formulapad/pupupHelp.h"

namespace {

constexpr int kBlinkMs = 500;

const QVariant kDefaultCellWidth = 120;  // twips

// The five stored values, in the order they are loaded and saved: key, the
// member, and the value a pad has when the key is missing.
struct StoredValue {
  QString key;
  QVariant FormulaPad::*member;
  QVariant defaultValue;
};

const StoredValue kStoredValues[] = {
    {QStringLiteral("NewText"), &FormulaPad::Text, QString()},
    {QStringLiteral("NewFontNormSize"), &FormulaPad::FontNormSize, 10},
    {QStringLiteral("NewFontSupSize"), &FormulaPad::FontSupSize, 8},
    {QStringLiteral("NewCellWidth"), &FormulaPad::CellWidth, kDefaultCellWidth},
    {QStringLiteral("NewFontName"), &FormulaPad::FontName, QStringLiteral("Arial")},
};

// A size or width as the redraw takes it; NaN when it is not a number.
double asNumberOrNaN(const QVariant& value) {
  return FormulaRenderer::asNumber(value).value_or(std::numeric_limits<double>::quiet_NaN());
}

}  // namespace

class FormulaPad::Private {
public:
  QString drawingFont = QStringLiteral("Arial");
  FormulaPicture picture;        // what the last P() drew
  QSize pictureSize;             // the pad's size at the last P(), pixels
  double surfaceFontSize = 10;   // points; kept from one redraw to the next
  double cursorX = 0;            // twips; the cursor line `cur`, placed by P()
  bool cursorVisible = true;     // `cur`'s visible flag
  QTimer* pcur = nullptr;        // the blink timer, a child of the pad
  KeyMapper::NativeCodes nativeCodes = KeyMapper::NativeCodes::None;
  QMenu* menu = nullptr;         // the key-help popup, made on first use

  // The cursor line's rectangle in pixels.
  QRect cursorRect() const {
    const int x = twips::toPixels(cursorX);
    return QRect(x, twips::toPixels(FormulaRenderer::kCursorTopTwips), 1,
                 twips::toPixels(FormulaRenderer::kCursorBottomTwips - FormulaRenderer::kCursorTopTwips));
  }
};

FormulaPad::FormulaPad(QWidget* parent) : QWidget(parent), d(new Private) {
  FormulaPadAccessible::installFactory();
  d->nativeCodes = KeyMapper::forPlatform(QGuiApplication::platformName());
  setFixedHeight(twips::toPixels(kHeightTwips));
  setFocusPolicy(Qt::StrongFocus);
  // The compose input method would swallow dead keys and digits after them.
  setAttribute(Qt::WA_InputMethodEnabled, false);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setBackgroundRole(QPalette::Base);
  d->pcur = new QTimer(this);
  d->pcur->setObjectName(QStringLiteral("pcur"));
  d->pcur->setInterval(kBlinkMs);
  connect(d->pcur, &QTimer::timeout, this, [this] {
    d->cursorVisible = !d->cursorVisible;
    update(d->cursorRect());
  });
  P();
}

FormulaPad::~FormulaPad() { delete d; }

QSize FormulaPad::sizeHint() const {
  // Cell n has its left edge at n cell widths: n characters take n + 1 cells.
  const std::optional<double> cell = FormulaRenderer::asNumber(CellWidth);
  const double cellTwips = cell && *cell > 0 ? *cell : kDefaultCellWidth.toDouble();
  return QSize(twips::toPixels((kHintCharacters + 1) * cellTwips), twips::toPixels(kHeightTwips));
}

FormulaScene FormulaPad::scene() const {
  FormulaScene scene;
  scene.text = Text;
  scene.cellWidth = CellWidth;
  scene.normSize = FontNormSize;
  scene.supSize = FontSupSize;
  scene.cursor = Cursor;
  scene.printText = PrintText;
  scene.fontName = d->drawingFont;
  scene.widthTwips = double(twips::fromPixels(width()));
  scene.heightTwips = double(twips::fromPixels(height()));
  scene.startFontSize = d->surfaceFontSize;
  return scene;
}

void FormulaPad::P() {
  const FormulaScene scene = this->scene();

  const QString spokenBefore = d->picture.spoken;
  const int spokenCursorBefore = d->picture.spokenCursor;

  d->picture = FormulaRenderer::layout(scene);
  d->pictureSize = size();
  d->surfaceFontSize = d->picture.endFontSize;
  if (d->picture.cursorX) d->cursorX = *d->picture.cursorX;  // otherwise it stays put
  update();
  announce(spokenBefore, spokenCursorBefore);
}

// Tells assistive technology what the redraw changed in the spoken formula.
void FormulaPad::announce(const QString& before, int cursorBefore) {
  if (d->picture.spoken != before) emit drawnTextChanged();
  FormulaPadAccessible::announce(this, before, d->picture.spoken, cursorBefore,
                                 d->picture.spokenCursor);
}

QString FormulaPad::twcc(const QString& Text) {
  QString out = Text;
  out.remove(QLatin1Char('e')).remove(QLatin1Char('s'));
  return out;
}

double FormulaPad::cellWidth() const { return asNumberOrNaN(CellWidth); }

int FormulaPad::cursor() const { return FormulaEditor::cursorFromVariant(Cursor); }

double FormulaPad::fontNormSize() const { return asNumberOrNaN(FontNormSize); }

double FormulaPad::fontSupSize() const { return asNumberOrNaN(FontSupSize); }

void FormulaPad::storeAndRedraw(QVariant FormulaPad::*member, const QVariant& value) {
  this->*member = value;
  P();
}

void FormulaPad::NewText(const QVariant& MyText) { storeAndRedraw(&FormulaPad::Text, MyText); }

void FormulaPad::NewFontNormSize(const QVariant& MyFontNormSize) {
  storeAndRedraw(&FormulaPad::FontNormSize, MyFontNormSize);
}

void FormulaPad::NewFontSupSize(const QVariant& MyFontSupSize) {
  storeAndRedraw(&FormulaPad::FontSupSize, MyFontSupSize);
}

void FormulaPad::NewCellWidth(const QVariant& MyCellWidth) { storeAndRedraw(&FormulaPad::CellWidth, MyCellWidth); }

void FormulaPad::NewFontName(const QVariant& MyFontName) {
  d->drawingFont = MyFontName.toString();
  storeAndRedraw(&FormulaPad::FontName, MyFontName);
}

void FormulaPad::LF() {
  d->cursorVisible = false;
  d->pcur->stop();
  update(d->cursorRect());
}

void FormulaPad::ChangeFont(const QString& NewFont) { d->drawingFont = NewFont; }

// Stored values of any kind go into the members unchanged: what the redraw
// cannot use, it skips.
void FormulaPad::ReadProperties(const PropertyBag& bag) {
  for (const StoredValue& stored : kStoredValues)
    this->*stored.member = bag.ReadProperty(stored.key, stored.defaultValue);
}

void FormulaPad::WriteProperties(PropertyBag& bag) const {
  for (const StoredValue& stored : kStoredValues)
    bag.WriteProperty(stored.key, this->*stored.member, stored.defaultValue);
}

FormulaPad* FormulaPad::CopyOf(const FormulaPad& source, QWidget* parent) {
  PropertyBag bag;
  source.WriteProperties(bag);
  auto* pad = new FormulaPad(parent);
  pad->hide();
  pad->ReadProperties(bag);
  pad->resize(source.size());
  pad->P();  // a hidden pad gets its resize event only when shown
  return pad;
}

QString FormulaPad::accessibleText() const { return d->picture.spoken; }

int FormulaPad::accessibleCursorPosition() const { return d->picture.spokenCursor; }

QRect FormulaPad::accessibleCharacterRect(int offset) const {
  if (offset < 0 || offset >= d->picture.spokenX.size()) return {};
  const int x = twips::toPixels(d->picture.spokenX.at(offset));
  const std::optional<double> cell = FormulaRenderer::asNumber(CellWidth);
  const int w = qMax(1, cell ? twips::toPixels(*cell) : 1);
  return QRect(x, 0, w, height());
}

QString FormulaPad::drawingFontName() const { return d->drawingFont; }

bool FormulaPad::cursorLineVisible() const { return d->cursorVisible; }

int FormulaPad::cursorLineX() const {
  const double x = std::round(d->cursorX);
  if (x <= double(std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
  if (x >= double(std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
  return int(x);
}

int FormulaPad::textWidth() const {
  // The last pixel the extent reaches into counts whole.
  const double extent = FormulaRenderer::extentTwips(scene());
  return twips::toPixels(extent + twips::kPerPixel - 1);
}

bool FormulaPad::event(QEvent* event) {
  // Keys that write or move go to the pad before any shortcut of the window.
  if (event->type() == QEvent::ShortcutOverride) {
    auto* key = static_cast<QKeyEvent*>(event);
    const PadKey mapped = KeyMapper::map(*key, d->nativeCodes);
    FormulaEditor probe(QStringLiteral("x"), 0);
    probe.pressKey(mapped.key, mapped.state);
    if (probe.textChanged() || mapped.key == Vk::Left || mapped.key == Vk::Right) {
      event->accept();
      return true;
    }
  }
  return QWidget::event(event);
}

void FormulaPad::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  FormulaRenderer::paint(painter, d->picture, palette(), width(), height());
  if (d->cursorVisible) painter.fillRect(d->cursorRect(), palette().color(QPalette::ButtonText));
}

void FormulaPad::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // The height is fixed by the size constraints; any change redraws.
  if (size() != d->pictureSize) P();
}

void FormulaPad::keyPressEvent(QKeyEvent* event) {
  const PadKey key = KeyMapper::map(*event, d->nativeCodes);
  FormulaEditor editor(Text.toString(), FormulaEditor::cursorFromVariant(Cursor));
  editor.pressKey(key.key, key.state);
  if (editor.textChanged()) Text = editor.text();
  Cursor = editor.cursor();
  d->pcur->stop();
  d->pcur->start();
  P();
  // Keys the pad has no use for still reach the window (Enter, Escape...).
  const bool used = editor.textChanged() || key.key == Vk::Left || key.key == Vk::Right ||
                    key.key == Vk::Backspace;
  event->setAccepted(used);
}

void FormulaPad::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  if (event->reason() != Qt::PopupFocusReason) d->pcur->start();
}

void FormulaPad::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  // Opening the key-help menu does not take the focus away from the pad.
  if (event->reason() != Qt::PopupFocusReason) LF();
}

void FormulaPad::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton) {
    event->accept();
    showKeyHelpMenu(event->globalPosition().toPoint());
    return;
  }
  QWidget::mousePressEvent(event);
}

void FormulaPad::contextMenuEvent(QContextMenuEvent* event) {
  // The mouse opens the menu on the press; the menu key opens it here.
  if (event->reason() == QContextMenuEvent::Keyboard) {
    showKeyHelpMenu(mapToGlobal(d->cursorRect().bottomLeft()));
  }
  event->accept();
}

void FormulaPad::showKeyHelpMenu(const QPoint& globalPos) {
  if (!d->menu) {
    d->menu = new QMenu(this);
    d->menu->setObjectName(QStringLiteral("mPopupmenu"));
    // The caption it would show in a menu bar; a popup shows only its items.
    d->menu->setTitle(QStringLiteral("popupmenu"));
    QAction* help = d->menu->addAction(QStringLiteral("Modo de utilización"));
    help->setObjectName(QStringLiteral("mAyuda"));
    // Queued, so that the menu has closed before the modal key help opens.
    connect(
        help, &QAction::triggered, this, [this] { pupupHelp::showModal(screen()); },
        Qt::QueuedConnection);
  }
  d->menu->popup(globalPos);
}
