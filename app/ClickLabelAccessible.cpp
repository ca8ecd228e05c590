#include "app/ClickLabelAccessible.h"

#include "app/ClickLabel.h"

ClickLabelAccessible::ClickLabelAccessible(ClickLabel* label)
    : QAccessibleWidget(label, label->role() == ClickLabel::Role::Link ? QAccessible::Link : QAccessible::Button) {}

QAccessibleInterface* ClickLabelAccessible::create(const QString& className, QObject* object) {
  if (className == QLatin1String(ClickLabel::staticMetaObject.className())) {
    if (auto* label = qobject_cast<ClickLabel*>(object)) return new ClickLabelAccessible(label);
  }
  return nullptr;
}

ClickLabel* ClickLabelAccessible::label() const { return static_cast<ClickLabel*>(widget()); }

QString ClickLabelAccessible::text(QAccessible::Text t) const {
  QString value = QAccessibleWidget::text(t);
  if (t == QAccessible::Name && value.isEmpty()) value = label()->text();
  return value;
}

QStringList ClickLabelAccessible::actionNames() const {
  return QStringList{pressAction()} + QAccessibleWidget::actionNames();
}

void ClickLabelAccessible::doAction(const QString& actionName) {
  if (actionName == pressAction())
    label()->click();
  else
    QAccessibleWidget::doAction(actionName);
}

QStringList ClickLabelAccessible::keyBindingsForAction(const QString&) const { return {}; }
