#pragma once

#include <QWidget>

// Tells screen readers how a calculation ended, without changing what the
// window shows. It is an empty, zero-sized notification: each announce()
// shows it afresh under a new name, and a screen reader speaks a
// notification as it shows, wherever the focus is.
class ResultsNotice : public QWidget {
  Q_OBJECT

public:
  explicit ResultsNotice(QWidget* parent);

  // Announces that a calculation wrote `lines` result lines.
  void announceLines(int lines);
  // Announces `text`.
  void announce(const QString& text);
};
