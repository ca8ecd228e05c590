#include "formulapad/SpokenTextChange.h"

#include <QAccessible>
#include <QWidget>

std::optional<SpokenTextChange> SpokenTextChange::between(const QString& before, const QString& after) {
  if (before == after) return std::nullopt;
  qsizetype start = 0;
  while (start < before.size() && start < after.size() && before[start] == after[start]) ++start;
  qsizetype endBefore = before.size();
  qsizetype endAfter = after.size();
  while (endBefore > start && endAfter > start && before[endBefore - 1] == after[endAfter - 1]) {
    --endBefore;
    --endAfter;
  }
  return SpokenTextChange{int(start), before.mid(start, endBefore - start), after.mid(start, endAfter - start)};
}

void SpokenTextChange::announce(QObject* widget, const QString& before, const QString& after, int caretBefore,
                                int caretAfter) {
  if (!QAccessible::isActive()) return;
  // A hidden widget is read afresh when it shows: nothing to tell before.
  if (auto* shown = qobject_cast<QWidget*>(widget); shown && !shown->isVisible()) return;
  if (const std::optional<SpokenTextChange> change = between(before, after)) {
    if (change->removed.isEmpty()) {
      QAccessibleTextInsertEvent ev(widget, change->position, change->inserted);
      QAccessible::updateAccessibility(&ev);
    } else if (change->inserted.isEmpty()) {
      QAccessibleTextRemoveEvent ev(widget, change->position, change->removed);
      QAccessible::updateAccessibility(&ev);
    } else {
      QAccessibleTextUpdateEvent ev(widget, change->position, change->removed, change->inserted);
      QAccessible::updateAccessibility(&ev);
    }
  }
  if (caretAfter != caretBefore) {
    QAccessibleTextCursorEvent ev(widget, caretAfter);
    QAccessible::updateAccessibility(&ev);
  }
}
