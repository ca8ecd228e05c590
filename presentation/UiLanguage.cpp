#include "presentation/UiLanguage.h"

#include <QLocale>

#include <string_view>

namespace {

const QString kOptionPrefix = QStringLiteral("--") + QLatin1String(UiLanguage::kOption);

// A tag's language: its part before the first "-" or "_" ("ca-ES" → "ca").
QString languageOf(const QString& tag) {
  qsizetype end = 0;
  while (end < tag.size() && tag[end] != u'-' && tag[end] != u'_') ++end;
  return tag.left(end).toLower();
}

}  // namespace

QString UiLanguage::source() { return QStringLiteral("es"); }

QStringList UiLanguage::known() {
  return {source(), QStringLiteral("ca"), QStringLiteral("gl"), QStringLiteral("eu"), QStringLiteral("en")};
}

bool UiLanguage::isKnown(const QString& code) { return known().contains(code); }

QString UiLanguage::fromPreferences(const QStringList& preferences) {
  for (const QString& tag : preferences) {
    if (tag == QLatin1String("C") || tag == QLatin1String("POSIX")) break;
    const QString language = languageOf(tag);
    if (isKnown(language)) return language;
  }
  return source();
}

QString UiLanguage::fromSystem() { return fromPreferences(QLocale::system().uiLanguages()); }

std::optional<QString> UiLanguage::optionValue(const QStringList& arguments) {
  std::optional<QString> value;
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& argument = arguments[i];
    if (argument == QLatin1String("--")) break;  // what follows are values
    if (argument == kOptionPrefix)
      value = i + 1 < arguments.size() ? arguments[++i] : QString();
    else if (argument.startsWith(kOptionPrefix + u'='))
      value = argument.mid(kOptionPrefix.size() + 1);
  }
  return value;
}

QString UiLanguage::forRun(const QStringList& arguments) {
  const std::optional<QString> chosen = optionValue(arguments);
  return chosen && isKnown(*chosen) ? *chosen : fromSystem();
}

QStringList UiLanguage::withoutOption(QStringList arguments) {
  for (qsizetype i = 1; i < arguments.size();) {
    const QString& argument = arguments[i];
    if (argument == QLatin1String("--")) break;
    if (argument == kOptionPrefix && i + 1 < arguments.size() && isKnown(arguments[i + 1]))
      arguments.remove(i, 2);
    else if (argument.startsWith(kOptionPrefix + u'=') && isKnown(argument.mid(kOptionPrefix.size() + 1)))
      arguments.remove(i);
    else
      ++i;
  }
  return arguments;
}

int UiLanguage::optionLength(int argc, const char* const* argv, int index) {
  const std::string_view argument(argv[index]);
  const std::string_view option = "--idioma";
  static_assert(std::string_view("--idioma").substr(2) == std::string_view(kOption));
  // Without a known value the option is left to the parser, which says so.
  const auto known = [](std::string_view value) {
    return isKnown(QString::fromUtf8(value.data(), qsizetype(value.size())));
  };
  if (argument == option) return index + 1 < argc && known(argv[index + 1]) ? 2 : 0;
  if (argument.starts_with(option) && argument.size() > option.size() && argument[option.size()] == '=')
    return known(argument.substr(option.size() + 1)) ? 1 : 0;
  return 0;
}
