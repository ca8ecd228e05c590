#include "formulapad/FormulaPad.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QTimer>

#include <cmath>
#include <limits>

#include "formulapad/FormulaEditor.h"
#include "formulapad/FormulaRenderer.h"
#include "formulapad/KeyMapper.h"
#include "formulapad/PropertyBag.h"
#include "formulapad/SpokenTextChange.h"
#include "formulapad/pupupHelp.h"
#include "presentation/FormulaDefaults.h"
#include "presentation/FormulaLayout.h"
#include "presentation/Twips.h"

namespace {

constexpr int kBlinkMs = 500;

// The keys of the five stored values, in the order they are loaded and saved.
const QString kTextKey = QStringLiteral("NewText");
const QString kNormSizeKey = QStringLiteral("NewFontNormSize");
const QString kSupSizeKey = QStringLiteral("NewFontSupSize");
const QString kCellWidthKey = QStringLiteral("NewCellWidth");
const QString kFontNameKey = QStringLiteral("NewFontName");

bool sameNumber(double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); }

// What a key does with the clipboard. None of these keys writes: Ctrl+C
// writes "c", as every letter the pad writes does whatever the modifiers.
enum class ClipboardAction { None, Paste, Copy };

ClipboardAction clipboardAction(const PadKey& key) {
  constexpr int kLetterV = Vk::LetterA + ('V' - 'A');
  if ((key.key == kLetterV && key.state == KeyState::Ctrl) || (key.key == Vk::Insert && key.state == KeyState::Shift))
    return ClipboardAction::Paste;
  if (key.key == Vk::Insert && key.state == KeyState::Ctrl) return ClipboardAction::Copy;
  return ClipboardAction::None;
}

}  // namespace

class FormulaPad::Private {
public:
  // The members; a new pad's are empty.
  FormulaEditor editor;       // Text and Cursor, and what a key press does to them
  double cellWidth = 0;       // twips; NaN: not a number
  double normSize = 0;        // points; NaN likewise
  double supSize = 0;         // points; NaN likewise
  QString fontName;
  bool printText = false;

  QString drawingFont = FormulaDefaults::fontName();
  FormulaPicture picture;        // what the last P() drew
  QSize pictureSize;             // the pad's size at the last P(), pixels
  double surfaceFontSize = FormulaDefaults::kNormPoints;  // points; kept from one redraw to the next
  double cursorX = 0;            // twips; the cursor line `cur`, placed by P()
  bool cursorVisible = true;     // `cur`'s visible flag
  QTimer* pcur = nullptr;        // the blink timer, a child of the pad
  KeyMapper::NativeCodes nativeCodes = KeyMapper::NativeCodes::None;
  QMenu* menu = nullptr;         // the key-help popup, made on first use

  // The cursor line's rectangle in pixels.
  QRect cursorRect() const {
    const int x = twips::toPixels(cursorX);
    return QRect(x, twips::toPixels(FormulaLayout::kCursorTopTwips), 1,
                 twips::toPixels(FormulaLayout::kCursorBottomTwips - FormulaLayout::kCursorTopTwips));
  }
};

FormulaPad::FormulaPad(QWidget* parent) : QWidget(parent), d(new Private) {
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

double FormulaPad::cellWidth() const { return d->cellWidth; }

void FormulaPad::setCellWidth(double twips) { storeNumber(d->cellWidth, twips, &FormulaPad::cellWidthChanged); }

const QString& FormulaPad::text() const { return d->editor.text(); }

void FormulaPad::setText(const QString& text) {
  if (text == d->editor.text()) return;
  d->editor.setText(text);
  emit textChanged(text);
}

int FormulaPad::cursorPosition() const { return d->editor.cursor(); }

void FormulaPad::setCursorPosition(int position) {
  if (position == d->editor.cursor()) return;
  d->editor.setCursor(position);
  emit cursorPositionChanged(position);
}

double FormulaPad::fontNormSize() const { return d->normSize; }

void FormulaPad::setFontNormSize(double points) {
  storeNumber(d->normSize, points, &FormulaPad::fontNormSizeChanged);
}

double FormulaPad::fontSupSize() const { return d->supSize; }

void FormulaPad::setFontSupSize(double points) { storeNumber(d->supSize, points, &FormulaPad::fontSupSizeChanged); }

const QString& FormulaPad::fontName() const { return d->fontName; }

void FormulaPad::setFontName(const QString& name) {
  if (name == d->fontName) return;
  d->fontName = name;
  emit fontNameChanged(name);
}

bool FormulaPad::printText() const { return d->printText; }

void FormulaPad::setPrintText(bool literal) {
  if (literal == d->printText) return;
  d->printText = literal;
  emit printTextChanged(literal);
}

void FormulaPad::storeNumber(double& member, double value, void (FormulaPad::*changed)(double)) {
  const double single = FormulaLayout::single(value);
  if (sameNumber(single, member)) return;
  member = single;
  emit(this->*changed)(single);
}

QSize FormulaPad::sizeHint() const {
  // Cell n has its left edge at n cell widths: n characters take n + 1 cells.
  const double cellTwips = d->cellWidth > 0 ? d->cellWidth : FormulaDefaults::kCellWidthTwips;
  return QSize(twips::toPixels((kHintCharacters + 1) * cellTwips), twips::toPixels(kHeightTwips));
}

FormulaScene FormulaPad::scene() const {
  FormulaScene scene;
  scene.text = d->editor.text();
  scene.cellWidth = d->cellWidth;
  scene.normSize = d->normSize;
  scene.supSize = d->supSize;
  scene.cursor = d->editor.cursor();
  scene.printText = d->printText;
  scene.fontName = d->drawingFont;
  scene.widthTwips = double(twips::fromPixels(width()));
  scene.heightTwips = double(twips::fromPixels(height()));
  scene.startFontSize = d->surfaceFontSize;
  return scene;
}

void FormulaPad::P() {
  const QString spokenBefore = d->picture.spoken;
  const int spokenCursorBefore = d->picture.spokenCursor;

  d->picture = FormulaLayout::layout(scene());
  d->pictureSize = size();
  d->surfaceFontSize = d->picture.endFontSize;
  if (d->picture.cursorX) d->cursorX = *d->picture.cursorX;  // otherwise it stays put
  update();
  if (d->picture.spoken != spokenBefore) emit drawnTextChanged();
  SpokenTextChange::announce(this, spokenBefore, d->picture.spoken, spokenCursorBefore, d->picture.spokenCursor);
}

QString FormulaPad::twcc(const QString& Text) {
  QString out = Text;
  out.remove(QLatin1Char('e')).remove(QLatin1Char('s'));
  return out;
}

void FormulaPad::NewText(const QVariant& MyText) {
  setText(MyText.toString());
  P();
}

void FormulaPad::NewFontNormSize(const QVariant& MyFontNormSize) {
  setFontNormSize(FormulaLayout::number(MyFontNormSize));
  P();
}

void FormulaPad::NewFontSupSize(const QVariant& MyFontSupSize) {
  setFontSupSize(FormulaLayout::number(MyFontSupSize));
  P();
}

void FormulaPad::NewCellWidth(const QVariant& MyCellWidth) {
  setCellWidth(FormulaLayout::number(MyCellWidth));
  P();
}

void FormulaPad::NewFontName(const QVariant& MyFontName) {
  d->drawingFont = MyFontName.toString();
  setFontName(d->drawingFont);
  P();
}

void FormulaPad::LF() {
  d->cursorVisible = false;
  d->pcur->stop();
  update(d->cursorRect());
}

void FormulaPad::ChangeFont(const QString& NewFont) { d->drawingFont = NewFont; }

// Stored values of any kind are taken as the members take them: what the
// redraw cannot use, it skips.
void FormulaPad::ReadProperties(const PropertyBag& bag) {
  setText(bag.ReadProperty(kTextKey, QString()).toString());
  setFontNormSize(FormulaLayout::number(bag.ReadProperty(kNormSizeKey, FormulaDefaults::kNormPoints)));
  setFontSupSize(FormulaLayout::number(bag.ReadProperty(kSupSizeKey, FormulaDefaults::kSupPoints)));
  setCellWidth(FormulaLayout::number(bag.ReadProperty(kCellWidthKey, FormulaDefaults::kCellWidthTwips)));
  setFontName(bag.ReadProperty(kFontNameKey, FormulaDefaults::fontName()).toString());
}

void FormulaPad::WriteProperties(PropertyBag& bag) const {
  bag.WriteProperty(kTextKey, text(), QString());
  bag.WriteProperty(kNormSizeKey, fontNormSize(), FormulaDefaults::kNormPoints);
  bag.WriteProperty(kSupSizeKey, fontSupSize(), FormulaDefaults::kSupPoints);
  bag.WriteProperty(kCellWidthKey, cellWidth(), FormulaDefaults::kCellWidthTwips);
  bag.WriteProperty(kFontNameKey, fontName(), FormulaDefaults::fontName());
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

void FormulaPad::copy() const {
  const QString seen = accessibleText().trimmed();
  if (!seen.isEmpty()) QGuiApplication::clipboard()->setText(seen);
}

int FormulaPad::accessibleCursorPosition() const { return d->picture.spokenCursor; }

QRect FormulaPad::accessibleCharacterRect(int offset) const {
  if (offset < 0 || offset >= d->picture.spokenX.size()) return {};
  const int x = twips::toPixels(d->picture.spokenX.at(offset));
  const int w = qMax(1, std::isnan(d->cellWidth) ? 1 : twips::toPixels(d->cellWidth));
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
  const double extent = FormulaLayout::extentTwips(scene());
  return twips::toPixels(extent + twips::kPerPixel - 1);
}

bool FormulaPad::event(QEvent* event) {
  // Keys that write or move go to the pad before any shortcut of the window.
  if (event->type() == QEvent::ShortcutOverride) {
    auto* key = static_cast<QKeyEvent*>(event);
    const PadKey mapped = KeyMapper::map(*key, d->nativeCodes);
    if (FormulaEditor::handles(mapped.key, mapped.state) || clipboardAction(mapped) != ClipboardAction::None) {
      event->accept();
      return true;
    }
  }
  return QWidget::event(event);
}

void FormulaPad::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  FormulaRenderer::paint(painter, d->picture, palette(), width(), height());
  if (d->cursorVisible) painter.fillRect(d->cursorRect(), FormulaRenderer::textColour(palette()));
}

void FormulaPad::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // The height is fixed by the size constraints; any change redraws.
  if (size() != d->pictureSize) P();
}

void FormulaPad::keyPressEvent(QKeyEvent* event) {
  const PadKey key = KeyMapper::map(*event, d->nativeCodes);
  switch (clipboardAction(key)) {
    case ClipboardAction::Paste:
      event->accept();
      emit pasteRequested();
      return;
    case ClipboardAction::Copy:
      event->accept();
      copy();
      return;
    case ClipboardAction::None:
      break;
  }
  const int cursorBefore = d->editor.cursor();
  if (d->editor.pressKey(key.key, key.state)) emit textChanged(d->editor.text());
  if (d->editor.cursor() != cursorBefore) emit cursorPositionChanged(d->editor.cursor());
  d->pcur->stop();
  d->pcur->start();
  P();
  // Keys the pad has no use for still reach the window (Enter, Escape...).
  event->setAccepted(FormulaEditor::handles(key.key, key.state));
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
    QAction* help = d->menu->addAction(tr("Modo de utilización"));
    help->setObjectName(QStringLiteral("mAyuda"));
    // Queued, so that the menu has closed before the modal key help opens.
    connect(
        help, &QAction::triggered, this, [this] { pupupHelp::showModal(screen()); },
        Qt::QueuedConnection);
  }
  d->menu->popup(globalPos);
}
