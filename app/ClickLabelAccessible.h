#pragma once

#include <QAccessibleWidget>

class ClickLabel;

// A clickable caption as a screen reader sees it: a link or a push button
// named by its accessible name, with a "press" action that clicks it.
class ClickLabelAccessible : public QAccessibleWidget {
public:
  explicit ClickLabelAccessible(ClickLabel* label);

  // The accessibility framework's factory for clickable captions: the
  // interface of a ClickLabel, null for any other object.
  static QAccessibleInterface* create(const QString& className, QObject* object);

  QString text(QAccessible::Text t) const override;
  QStringList actionNames() const override;
  void doAction(const QString& actionName) override;
  QStringList keyBindingsForAction(const QString& actionName) const override;

private:
  ClickLabel* label() const;
};
