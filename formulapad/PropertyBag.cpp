#include "formulapad/PropertyBag.h"

namespace {

// An empty value stands for 0 and for the empty string, so it equals a
// default of either kind.
bool isEmptyValue(const QVariant& v) { return !v.isValid() || v.isNull(); }

bool isZeroOrEmptyString(const QVariant& v) {
  if (isEmptyValue(v)) return true;
  if (v.typeId() == QMetaType::QString) return v.toString().isEmpty();
  bool ok = false;
  const double d = v.toDouble(&ok);
  return ok && d == 0.0 && v.typeId() != QMetaType::QString;
}

bool sameValue(const QVariant& a, const QVariant& b) {
  if (isEmptyValue(a) || isEmptyValue(b)) {
    return isZeroOrEmptyString(a) && isZeroOrEmptyString(b);
  }
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
