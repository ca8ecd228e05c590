#include "app/ResultsNotice.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

QAccessibleInterface* noticeFactory(const QString& className, QObject* object) {
  if (className == QLatin1String(ResultsNotice::staticMetaObject.className()) && object->isWidgetType())
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
  return nullptr;
}

}  // namespace

ResultsNotice::ResultsNotice(QWidget* parent) : QWidget(parent) {
  static const bool installed = [] {
    QAccessible::installFactory(noticeFactory);
    return true;
  }();
  Q_UNUSED(installed);
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
