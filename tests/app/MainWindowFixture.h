#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QList>
#include <QMessageBox>
#include <QTimer>
#include <QUrl>
#include <functional>
#include <memory>

#include "app/AccessibleInterfaces.h"
#include "app/Form1.h"
#include "app/ResultList.h"
#include "formulapad/FormulaPad.h"

// What a modal message box showed before the test answered it.
struct SeenBox {
  bool shown = false;
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons;
};

// Runs `action`; the first message box it opens is read, then answered with
// `answer` (closed when it has no such button).
inline SeenBox answerBox(const std::function<void()>& action,
                         QMessageBox::StandardButton answer = QMessageBox::Ok) {
  SeenBox seen;
  QTimer poll;
  poll.setInterval(5);  // ms
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || seen.shown) return;
    seen = {true, box->windowTitle(), box->text(), box->icon(), box->standardButtons()};
    if (QAbstractButton* button = box->button(answer))
      button->click();
    else
      box->close();
  });
  poll.start();
  action();
  QCoreApplication::processEvents();
  return seen;
}

// The main window after start-up, with "Salir" and the link recorded instead
// of quitting the program or starting a browser.
struct MainWindowFixture {
  bool accessible = (AccessibleInterfaces::install(), true);  // before the window is made
  std::unique_ptr<Form1> form = std::make_unique<Form1>();
  int quits = 0;               // confirmed "Salir" clicks
  bool browserStarts = true;   // what the link's opener reports
  QList<QUrl> opened;          // addresses handed to the opener

  MainWindowFixture() {
    form->setQuitAction([this] { ++quits; });
    form->setLinkOpener([this](const QUrl& url) {
      opened << url;
      return browserStarts;
    });
    form->Form_Load();
  }
  ResultList& results() const { return form->resultado(); }
  QWidget* frame2() const { return form->control(QStringLiteral("Frame2")); }
  // Types `text` into the polynomial pad's member and clicks "Calcular";
  // returns the message box it showed, if any.
  SeenBox calculate(const QString& text) {
    form->dividendo()->setText(text);
    return answerBox([this] { form->Command1_Click(); });
  }
};
