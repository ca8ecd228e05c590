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

// The five stored values: key and the value a pad has when the key is missing.
const QString kKeyText = QStringLiteral("NewText");
const QString kKeyNormSize = QStringLiteral("NewFontNormSize");
const QString kKeySupSize = QStringLiteral("NewFontSupSize");
const QString kKeyCellWidth = QStringLiteral("NewCellWidth");
const QString kKeyFontName = QStringLiteral("NewFontName");
const QVariant kDefaultText = QString();
const QVariant kDefaultNormSize = 10;
const QVariant kDefaultSupSize = 8;
const QVariant kDefaultCellWidth = 120;
const QVariant kDefaultFontName = QStringLiteral("Arial");

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
  setBackgroundRole(QPalette::Window);
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

void FormulaPad::P() {
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

void FormulaPad::NewText(const QVariant& MyText) {
  Text = MyText;
  P();
}

void FormulaPad::NewFontNormSize(const QVariant& MyFontNormSize) {
  FontNormSize = MyFontNormSize;
  P();
}

void FormulaPad::NewFontSupSize(const QVariant& MyFontSupSize) {
  FontSupSize = MyFontSupSize;
  P();
}

void FormulaPad::NewCellWidth(const QVariant& MyCellWidth) {
  CellWidth = MyCellWidth;
  P();
}

void FormulaPad::NewFontName(const QVariant& MyFontName) {
  FontName = MyFontName;
  d->drawingFont = MyFontName.toString();
  P();
}

void FormulaPad::LF() {
  d->cursorVisible = false;
  d->pcur->stop();
  update(d->cursorRect());
}

void FormulaPad::ChangeFont(const QString& NewFont) { d->drawingFont = NewFont; }

void FormulaPad::ReadProperties(const PropertyBag& bag) {
  Text = bag.ReadProperty(kKeyText, kDefaultText);
  FontNormSize = bag.ReadProperty(kKeyNormSize, kDefaultNormSize);
  FontSupSize = bag.ReadProperty(kKeySupSize, kDefaultSupSize);
  CellWidth = bag.ReadProperty(kKeyCellWidth, kDefaultCellWidth);
  FontName = bag.ReadProperty(kKeyFontName, kDefaultFontName);
}

void FormulaPad::WriteProperties(PropertyBag& bag) const {
  bag.WriteProperty(kKeyText, Text, kDefaultText);
  bag.WriteProperty(kKeyNormSize, FontNormSize, kDefaultNormSize);
  bag.WriteProperty(kKeySupSize, FontSupSize, kDefaultSupSize);
  bag.WriteProperty(kKeyCellWidth, CellWidth, kDefaultCellWidth);
  bag.WriteProperty(kKeyFontName, FontName, kDefaultFontName);
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
