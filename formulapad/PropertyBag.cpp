#include "formulapad/PropertyBag.h"

namespace {

bool isEmptyValue(const QVariant& v) { return !v.isValid() || v.isNull(); }

bool isText(const QVariant& v) { return v.typeId() == QMetaType::QString; }

bool isNumber(const QVariant& v) {
  switch (v.typeId()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
      return true;
    default:
      return false;
  }
}

// Whether a stored value equals its default. An empty value stands for 0 and
// for the empty string; numbers compare by value whatever their type; a
// number never equals a text, not even "10" and 10.
bool sameValue(const QVariant& a, const QVariant& b) {
  const bool emptyA = isEmptyValue(a);
  const bool emptyB = isEmptyValue(b);
  if (emptyA && emptyB) return true;
  if (emptyA || emptyB) {
    const QVariant& other = emptyA ? b : a;
    if (isText(other)) return other.toString().isEmpty();
    if (isNumber(other)) return other.toDouble() == 0.0;
    return false;
  }
  if (isText(a) && isText(b)) return a.toString() == b.toString();
  if (isNumber(a) && isNumber(b)) return a.toDouble() == b.toDouble();
  if (isText(a) || isText(b) || isNumber(a) || isNumber(b)) return false;
  return a == b;
}

}  // namespace

PropertyBag::PropertyBag(std::initializer_list<QPair<QString, QVariant>> pairs) {
  // Stored as given: a literal bag is design data, not a save.
  for (const auto& [key, value] : pairs) {
    bool replaced = false;
    for (auto& pair : pairs_) {
      if (pair.first.compare(key, Qt::CaseInsensitive) == 0) {
        pair.second = value;
        replaced = true;
        break;
      }
    }
    if (!replaced) pairs_.append({key, value});
  }
}

QVariant PropertyBag::ReadProperty(const QString& key, const QVariant& defaultValue) const {
  for (const auto& pair : pairs_) {
    if (pair.first.compare(key, Qt::CaseInsensitive) == 0) return pair.second;
  }
  return defaultValue;
}

void PropertyBag::WriteProperty(const QString& key, const QVariant& value,
                                const QVariant& defaultValue) {
  const bool store = !sameValue(value, defaultValue);
  for (qsizetype i = 0; i < pairs_.size(); ++i) {
    if (pairs_[i].first.compare(key, Qt::CaseInsensitive) != 0) continue;
    if (store) {
      pairs_[i].second = value;
    } else {
      pairs_.removeAt(i);
    }
    return;
  }
  if (store) pairs_.append({key, value});
}

bool PropertyBag::contains(const QString& key) const {
  for (const auto& pair : pairs_) {
    if (pair.first.compare(key, Qt::CaseInsensitive) == 0) return true;
  }
  return false;
}
