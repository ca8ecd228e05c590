#include "app/FirstPaintProbe.h"

#include <QDateTime>
#include <QEvent>
#include <QTimer>
#include <cstdio>

FirstPaintProbe::FirstPaintProbe(QObject* watched) : QObject(watched) { watched->installEventFilter(this); }

bool FirstPaintProbe::eventFilter(QObject*, QEvent* event) {
  if (!seen_ && event->type() == QEvent::Paint) {
    seen_ = true;
    // The children paint and the picture reaches the screen in the same
    // pass as this event; the zero timer fires after that pass.
    QTimer::singleShot(0, this, [] {
      std::printf("first-paint %lld\n", static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
      std::fflush(stdout);
    });
  }
  return false;
}
