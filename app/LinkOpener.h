#pragma once

#include <QObject>
#include <QUrl>

// Hands a web address to the desktop's opener without waiting for it. On a
// desktop with xdg-open, that opener runs as a child process and its exit
// status counts: it ends with a failure (status 3 when no browser is found,
// 4 when the browser fails) as soon as it knows, while a browser that it
// keeps in the foreground may run for hours. So a failure is reported when
// the opener cannot be started or fails within kVerdictMs of its start;
// after that, the address counts as opened. Elsewhere the toolkit's own
// opener decides at once.
class LinkOpener : public QObject {
  Q_OBJECT

public:
  static constexpr int kVerdictMs = 10000;

  explicit LinkOpener(QObject* parent = nullptr);

  // Starts opening `url`. False when no opener could be found or started;
  // otherwise failed() may follow.
  bool open(const QUrl& url);

signals:
  // The opener of `url` started but failed.
  void failed(const QUrl& url);
};
