// A small window holding one formula pad, as the main window holds its
// input pad, for the end-to-end tests of the pad under a real X server.
#include <QApplication>
#include <QTimer>
#include <QWidget>

#include "formulapad/FormulaPad.h"
#include "formulapad/PropertyBag.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("padhost"));

  QWidget window;
  window.setWindowTitle(QStringLiteral("Pad host"));
  window.setFixedSize(5415 / FormulaPad::kTwipsPerPixel, 1200 / FormulaPad::kTwipsPerPixel);

  auto* pad = new FormulaPad(&window);
  pad->setToolTip(QStringLiteral("Escriba aquí un polinomio"));
  pad->ReadProperties(PropertyBag());
  pad->setGeometry(240 / FormulaPad::kTwipsPerPixel, 360 / FormulaPad::kTwipsPerPixel,
                   3375 / FormulaPad::kTwipsPerPixel, FormulaPad::kHeightTwips / FormulaPad::kTwipsPerPixel);

  window.show();
  window.activateWindow();
  pad->setFocus();
  return app.exec();
}
