#pragma once

#include <QString>

#include <optional>

class QObject;

// How the text a widget shows to assistive technology changed from one
// redraw to the next, and the events that tell a screen reader so.
struct SpokenTextChange {
  int position = 0;  // where `removed` gave way to `inserted`
  QString removed;
  QString inserted;
  friend bool operator==(const SpokenTextChange&, const SpokenTextChange&) = default;

  // The change from `before` to `after`, their common start and end left
  // out. Empty when they are equal.
  static std::optional<SpokenTextChange> between(const QString& before, const QString& after);

  // Tells assistive technology, when any listens, that the text `widget`
  // shows changed from `before` to `after` and its caret from `caretBefore`
  // to `caretAfter`. A hidden widget tells nothing: a screen reader reads it
  // whole when it shows.
  static void announce(QObject* widget, const QString& before, const QString& after, int caretBefore,
                       int caretAfter);
};
