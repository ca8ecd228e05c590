#include "app/CaptionFont.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetricsF>
#include <QWidget>

#include "presentation/Twips.h"

namespace {

constexpr double kSmallestPoints = 6.0;  // never shrink below this
constexpr double kStepPoints = 0.5;

}  // namespace

QFont CaptionFont::forCaptions(const QFont& desktop) {
  const double room = double(kRowTwips) / twips::kPerPixel;  // pixels
  QFont font = desktop;
  if (font.pointSizeF() <= 0) {
    // A font sized in pixels: the same rule, in whole pixels.
    while (font.pixelSize() > 1 && QFontMetricsF(font).height() > room) font.setPixelSize(font.pixelSize() - 1);
    return font;
  }
  while (font.pointSizeF() - kStepPoints >= kSmallestPoints && QFontMetricsF(font).height() > room)
    font.setPointSizeF(font.pointSizeF() - kStepPoints);
  return font;
}

CaptionFont* CaptionFont::install(QWidget* window) { return new CaptionFont(window); }

CaptionFont::CaptionFont(QWidget* window) : QObject(window), window_(window) {
  apply();
  window_->installEventFilter(this);
}

void CaptionFont::apply() {
  window_->setFont(forCaptions(QApplication::font()));
  emit applied();
}

bool CaptionFont::eventFilter(QObject* watched, QEvent* event) {
  if (watched == window_ && event->type() == QEvent::ApplicationFontChange) apply();
  return false;
}
