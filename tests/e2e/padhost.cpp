// A small window holding one formula pad, as the main window holds its
// input pad, for the end-to-end tests of the pad under a real X server.
#include <QAccessible>
#include <QApplication>
#include <QTimer>
#include <QWidget>

#include "formulapad/FormulaPad.h"
#include "formulapad/FormulaPadAccessible.h"
#include "formulapad/PropertyBag.h"
#include "presentation/Twips.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("padhost"));

  QAccessible::installFactory(&FormulaPadAccessible::create);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Pad host"));
  window.setFixedSize(twips::toPixels(5415), twips::toPixels(1200));

  auto* pad = new FormulaPad(&window);
  pad->setToolTip(QStringLiteral("Escriba aquí un polinomio"));
  pad->ReadProperties(PropertyBag());
  pad->setGeometry(twips::toPixels(240, 360, 3375, FormulaPad::kHeightTwips));

  window.show();
  window.activateWindow();
  pad->setFocus();
  return app.exec();
}
