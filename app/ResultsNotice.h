#pragma once

#include <QWidget>

class QAccessibleInterface;

// Tells screen readers how a calculation ended, without changing what the
// window shows. It is an empty, zero-sized notification: each announce()
// shows it afresh under a new name, and a screen reader speaks a
// notification as it shows, wherever the focus is.
class ResultsNotice : public QWidget {
  Q_OBJECT

public:
  explicit ResultsNotice(QWidget* parent);

  // The accessibility framework's factory for notices: a notification
  // named by the last announcement; null for any other object.
  static QAccessibleInterface* create(const QString& className, QObject* object);

  // Announces that a calculation wrote `lines` result lines.
  void announceLines(int lines);
  // Announces `text`.
  void announce(const QString& text);
};
