#pragma once

#include <QObject>

// Start-up timing for the measurement script: once the watched window has
// been painted for the first time, prints "first-paint <ms>" on standard
// output, the milliseconds since the Unix epoch.
class FirstPaintProbe : public QObject {
  Q_OBJECT

public:
  explicit FirstPaintProbe(QObject* watched);

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  bool seen_ = false;
};
