#include "app/ClickLabelAccessible.h"

#include "app/ClickLabel.h"

ClickLabelAccessible::ClickLabelAccessible(ClickLabel* label)
    : QAccessibleWidget(label, label->role() == ClickLabel::Role::Link ? QAccessible::Link : QAccessible::Button) {}

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
