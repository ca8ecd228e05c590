#include "app/Form2Design.h"

#include "app/Footer.h"

WindowDesign Form2Design::window() { return {QStringLiteral("Ayuda"), 4680, 3195}; }

namespace {

constexpr ControlDesign kControls[] = {
    // name      in  Left Top Width Height Tab caption
    {"h",        "",    0,  0,    0,     0,  0, ""},
    {"Command1", "",    0,  0,  855,   375,  1, "Cerrar"},
};

}  // namespace

const ControlDesign& Form2Design::textBox() { return kControls[0]; }

const ControlDesign& Form2Design::closeButton() { return kControls[1]; }

QStringList Form2Design::helpLines() {
  // Lines that end with a blank keep it: the box wraps at word boundaries.
  return {
      QStringLiteral("Ayuda del programa de Factorix"),
      QString(64, u'-'),
      QString(),
      QStringLiteral("Para introducir un polinomio en la casilla de introducción, "),
      QStringLiteral("puede hacer lo siguiente:"),
      QStringLiteral("· Para introducir números, use los números del teclado "),
      QStringLiteral("alfanumérico."),
      QStringLiteral("· Para introducir signos use, en éste caso, el \"+\" y \"-\" "),
      QStringLiteral("del teclado numérico."),
      QStringLiteral("· Para introducir la \"x\", pulse la \"x\" en el teclado "),
      QStringLiteral("alfanumérico."),
      QStringLiteral("· Para introducir potencias, sostenga Shift (flecha "),
      QStringLiteral("mayúsculas) y sin soltar pulse el número deseado en el "),
      QStringLiteral("teclado alfanumérico."),
      QString(),
      QStringLiteral("Para calcular las descomposiciones posibles, haga click "),
      QStringLiteral("en \"Calcular\". Según la pontencia de su computadora, "),
      QStringLiteral("tardará más o menos tiempo en realizar el cálculo. Una "),
      QStringLiteral("vez terminado le mostrará las posibles descomposiciones "),
      QStringLiteral("del polinomio."),
      QString(),
      QStringLiteral("IMPORTANTE: Debe introducir el polinomio en la casilla "),
      QStringLiteral("de cálculo ORDENADO decrecientemente. También es "),
      QStringLiteral("necesario, en caso de que falte un monomio dentro del "),
      QStringLiteral("polinomio deberá completarse con +0x^n."),
      QStringLiteral("Ej: 3x^3-6 deberá completarse por:"),
      QStringLiteral("      3x^3+0x^2+0x-6"),
      QString(),
      QString(11, u'_'),
      Footer::authorLine(),
      Footer::webHost(),
      Footer::email(),
  };
}

QString Form2Design::helpText() {
  QString text;
  for (const QString& line : helpLines()) text += line + QStringLiteral("\r\n");
  return text;
}
