#include "app/ResultsNotice.h"

#include <QAccessible>
#include <QAccessibleWidget>

QAccessibleInterface* ResultsNotice::create(const QString& className, QObject* object) {
  if (className == QLatin1String(staticMetaObject.className())) {
    if (auto* notice = qobject_cast<ResultsNotice*>(object))
      return new QAccessibleWidget(notice, QAccessible::Notification);
  }
  return nullptr;
}

ResultsNotice::ResultsNotice(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("resultsNotice"));
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setGeometry(0, 0, 0, 0);
  hide();
}

void ResultsNotice::announceLines(int lines) {
  if (lines == 0)
    announce(tr("Ningún resultado"));
  else if (lines == 1)
    announce(tr("1 resultado"));
  else
    announce(tr("%1 resultados").arg(lines));
}

void ResultsNotice::announce(const QString& text) {
  hide();
  setAccessibleName(text);
  show();  // screen readers speak a notification as it shows
}
