#include "app/ResultList.h"

#include <QEvent>
#include <QWheelEvent>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "app/ControlDesign.h"
#include "formulapad/FormulaPad.h"
#include "formulapad/PropertyBag.h"
#include "presentation/Twips.h"

namespace {

// What QWheelEvent::angleDelta() reports for one notch of a wheel, in
// eighths of a degree; finer wheels report parts of it.
constexpr int kWheelNotch = 120;

}  // namespace

ResultList::ResultList(QWidget* frame, int clipTop) : QObject(frame), frame_(frame), clipTop_(clipTop) {
  view_ = new QWidget(frame_);
  view_->setObjectName(QStringLiteral("resultadoView"));
  view_->setAccessibleName(tr("Resultados"));
  canvas_ = new QWidget(view_);
  canvas_->setObjectName(QStringLiteral("resultadoCanvas"));
  newSheet();
  fitToFrame();
  frame_->installEventFilter(this);
}

ResultList::~ResultList() = default;

FormulaPad* ResultList::createHeading(const ControlDesign& design, const PropertyBag& stored) {
  Q_ASSERT(pads_.isEmpty());
  auto* pad = new FormulaPad(canvas_);
  pad->setObjectName(design.name());
  pad->ReadProperties(stored);
  pad->setGeometry(twips::toPixels(design.left, design.top, design.width, design.height));
  headingTop_ = design.top;
  pads_.append(pad);
  return pad;
}

int ResultList::lineNumber(const QObject* object) {
  const QVariant line = object ? object->property(kLineProperty) : QVariant();
  return line.isValid() ? line.toInt() : 0;
}

FormulaPad* ResultList::at(int index) const {
  return index >= 0 && index < pads_.size() ? pads_.at(index) : nullptr;
}

// Each line is drawn before it shows: a batch of its own, at least.
FormulaPad* ResultList::addLine() {
  beginBatch();
  FormulaPad* pad = appendCopy();
  pad->P();
  endBatch();
  return pad;
}

FormulaPad* ResultList::addLine(const QString& text) {
  beginBatch();
  FormulaPad* pad = appendCopy();
  pad->setText(text);
  fitToText(upperBound());
  pad->P();
  endBatch();
  return pad;
}

FormulaPad* ResultList::appendCopy() {
  Q_ASSERT(!pads_.isEmpty() && batchDepth_ > 0);
  const FormulaPad* heading = pads_.first();
  const FormulaPad* above = pads_.last();
  PropertyBag stored;
  heading->WriteProperties(stored);
  auto* pad = new FormulaPad(sheet_);
  pad->hide();
  pad->ReadProperties(stored);
  pad->resize(heading->size());
  pad->setObjectName(QStringLiteral("resultado(%1)").arg(pads_.size()));
  // Its accessible name comes from this number when a screen reader asks
  // (ResultLineAccessible): naming it here would announce every line.
  pad->setProperty(kLineProperty, int(pads_.size()));
  // Below the element above: its bottom plus the gap, at its Left.
  const int top = twips::fromPixels(above->y()) + twips::fromPixels(above->height()) + kLineGap;
  pads_.append(pad);
  pad->move(above->x(), twips::toPixels(top));
  if (firstUnshown_ < 0) firstUnshown_ = pads_.size() - 1;
  return pad;
}

void ResultList::fitToText(int index) {
  if (index < 1 || index >= pads_.size()) return;
  FormulaPad* pad = pads_.at(index);
  // One empty cell after the text, as there is one before it.
  const double cell = std::isnan(pad->cellWidth()) ? 0 : std::clamp(pad->cellWidth(), 0.0, 1e6);
  const double wanted = double(pad->textWidth()) + cell / twips::kPerPixel;
  const int width = int(std::clamp(std::ceil(wanted), double(pads_.first()->width()), double(QWIDGETSIZE_MAX)));
  if (width == pad->width()) return;
  pad->resize(width, pad->height());  // a shown pad redraws at its new size
  if (firstUnshown_ < 0 || index < firstUnshown_) place(index, pad->x(), pad->y());
}

void ResultList::Borrar() {
  if (pads_.size() <= 1) return;
  // The sheet holds elements 1 and up and nothing else: dropping it drops
  // them all at once, in order, without disturbing the heading.
  pads_.resize(1);
  firstUnshown_ = -1;
  delete sheet_;
  sheet_ = nullptr;
  newSheet();
  // The wheel's offset goes with the lines it scrolled: lines placed below a
  // heading left high up would start out of view, hidden under the strip.
  // The sideways offset stays, as the arrows left it.
  wheelRemainder_ = 0;
  place(0, pads_.first()->x(), twips::toPixels(headingTop_));
}

void ResultList::shiftSideways(float offset) {
  for (int i = 0; i < pads_.size(); ++i) {
    const float left = float(twips::fromPixels(pads_.at(i)->x())) + offset;
    place(i, twips::toPixels(double(left)), pads_.at(i)->y());
  }
}

bool ResultList::scrollLines(int notches) {
  if (notches == 0 || pads_.isEmpty()) return false;
  int delta = notches * kLinePitch;  // twips; positive moves the lines down
  const int headingTop = twips::fromPixels(pads_.first()->y());
  const int lastTop = twips::fromPixels(pads_.last()->y());
  if (delta > 0)
    delta = std::min(delta, headingTop_ - headingTop);
  else
    delta = std::max(delta, -(lastTop - headingTop_));
  if ((notches > 0 && delta <= 0) || (notches < 0 && delta >= 0)) return false;
  moveAll(twips::toPixels(delta));
  return true;
}

void ResultList::moveAll(int dyPixels) {
  for (int i = 0; i < pads_.size(); ++i) place(i, pads_.at(i)->x(), pads_.at(i)->y() + dyPixels);
}

void ResultList::place(int index, int x, int y) {
  FormulaPad* pad = pads_.at(index);
  pad->move(x, y);
  const bool show = inView(index);
  if (pad->isHidden() == show) pad->setVisible(show);
}

bool ResultList::inView(int index) const {
  const FormulaPad* pad = at(index);
  return pad && pad->geometry().intersects(clipRect());
}

QRect ResultList::clipRect() const {
  QRect clip = frame_->contentsRect();
  clip.setTop(std::max(clip.top(), twips::toPixels(clipTop_)));
  return clip;
}

void ResultList::beginBatch() { ++batchDepth_; }

void ResultList::endBatch() {
  if (batchDepth_ == 0 || --batchDepth_ > 0 || firstUnshown_ < 0) return;
  for (qsizetype i = firstUnshown_; i < pads_.size(); ++i)
    if (inView(int(i))) pads_.at(i)->show();
  firstUnshown_ = -1;
}

void ResultList::newSheet() {
  sheet_ = new QWidget(canvas_);
  sheet_->setObjectName(QStringLiteral("resultadoSheet"));
  sheet_->setAccessibleName(tr("Líneas de resultado"));
  sheet_->setGeometry(canvas_->rect());
  sheet_->lower();  // under the heading: a click on the heading reaches it
  sheet_->show();
}

// Lines show inside the frame's border, from the strip's lower edge down.
// The view is exactly that area, so the toolkit clips every drawing of a
// line to it, and moving a line copies only pixels from inside it; the
// canvas sits at the frame's origin, so positions stay in frame terms.
void ResultList::fitToFrame() {
  const QRect clip = clipRect();
  view_->setGeometry(clip);
  canvas_->setGeometry(QRect(-clip.topLeft(), frame_->size()));
  sheet_->setGeometry(canvas_->rect());
  for (int i = 0; i < pads_.size(); ++i) place(i, pads_.at(i)->x(), pads_.at(i)->y());
}

bool ResultList::eventFilter(QObject* watched, QEvent* event) {
  if (watched != frame_) return false;
  // The border's width comes from the style: follow it as well as the size.
  if (event->type() == QEvent::Resize || event->type() == QEvent::ContentsRectChange) {
    fitToFrame();
  } else if (event->type() == QEvent::Wheel) {
    // Finer wheels add up to a notch.
    auto* wheel = static_cast<QWheelEvent*>(event);
    wheelRemainder_ += wheel->angleDelta().y();
    const int notches = wheelRemainder_ / kWheelNotch;
    wheelRemainder_ -= notches * kWheelNotch;
    scrollLines(notches);
    wheel->accept();
    return true;
  }
  return false;
}
