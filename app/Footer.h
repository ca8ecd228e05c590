#pragma once

#include <QCoreApplication>
#include <QString>
#include <QUrl>

// The maker's lines, the same in the credits box, the help text and the
// link label.
class Footer {
public:
  static QString authorLine() { return QStringLiteral("© 2026 Equipo de Factorix"); }
  // The web address in host-name form, as the link label shows it.
  static QString webHost() { return QStringLiteral("factorix.example.org"); }
  // The address the link label opens.
  static QUrl webUrl() { return QUrl(QStringLiteral("https://") + webHost()); }
  static QString email() { return QStringLiteral("factorix@example.org"); }

  // The credits box: five lines joined by a single line feed, the second empty.
  static QString creditsText() {
    return QStringLiteral("Factorix\n\n") + authorLine() + u'\n' +
           QCoreApplication::translate("Footer", "Sitio web: %1").arg(webHost()) + u'\n' +
           QCoreApplication::translate("Footer", "E-mail: %1").arg(email());
  }
};
