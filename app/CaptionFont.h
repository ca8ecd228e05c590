#pragma once

#include <QFont>
#include <QObject>

class QWidget;

// The font of a window's captions. The windows' stored layouts were drawn
// for a small dialog font, with rows 255 twips high for the lowest captions
// (the scroll strip, the arrows); a larger desktop font would overflow them.
// The captions take the desktop's font, made smaller, half a point at a
// time, until one line of it fits such a row; a desktop font that fits is
// kept as it is. The same rule serves every window laid out in twips.
class CaptionFont : public QObject {
  Q_OBJECT

public:
  // The height (twips) a caption's line must fit in.
  static constexpr int kRowTwips = 255;

  // `desktop` as the captions use it.
  static QFont forCaptions(const QFont& desktop);

  // Gives `window` the captions' font now and again whenever the desktop's
  // font changes. The window owns the returned object.
  static CaptionFont* install(QWidget* window);

signals:
  // The window's captions took a new font: controls sized to their text
  // size themselves again.
  void applied();

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  explicit CaptionFont(QWidget* window);
  void apply();

  QWidget* window_;
};
