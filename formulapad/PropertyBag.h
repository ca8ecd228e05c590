#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>

// The stored values of one control instance: key-value pairs whose keys match
// without regard to case. A window keeps one bag per pad in its design data.
class PropertyBag {
public:
  PropertyBag() = default;
  PropertyBag(std::initializer_list<QPair<QString, QVariant>> pairs);

  // The value stored under `key` (any case), or `defaultValue` when none is.
  QVariant ReadProperty(const QString& key, const QVariant& defaultValue = {}) const;
  // Stores `value` under `key`, unless it equals `defaultValue`, in which case
  // any value stored under `key` is removed.
  void WriteProperty(const QString& key, const QVariant& value, const QVariant& defaultValue = {});

  bool contains(const QString& key) const;
  int size() const { return int(pairs_.size()); }
  const QList<QPair<QString, QVariant>>& pairs() const { return pairs_; }

private:
  QList<QPair<QString, QVariant>> pairs_;  // in the order written
};
