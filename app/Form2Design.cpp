#include "app/Form2Design.h"

#include <QCoreApplication>

#include "app/Footer.h"

WindowDesign Form2Design::window() { return {QCoreApplication::translate("Form2Design", "Ayuda"), 4680, 3195}; }

namespace {

constexpr ControlDesign kControls[] = {
    // name      in  Left Top Width Height Tab caption
    {"h",        "",    0,  0,    0,     0,  0, ""},
    {"Command1", "",    0,  0,  855,   375,  1, QT_TRANSLATE_NOOP("ControlDesign", "Cerrar")},
};

}  // namespace

const ControlDesign& Form2Design::textBox() { return kControls[0]; }

const ControlDesign& Form2Design::closeButton() { return kControls[1]; }

QStringList Form2Design::helpLines() {
  // Lines that end with a blank keep it: the box wraps at word boundaries.
  //: The usage text under the title, one line of the box per line.
  const QString usage = QCoreApplication::translate(
      "Form2Design",
      "Para introducir un polinomio en la casilla de introducción, \n"
      "puede hacer lo siguiente:\n"
      "· Para introducir números, use los números del teclado \n"
      "alfanumérico.\n"
      "· Para introducir signos use, en éste caso, el \"+\" y \"-\" \n"
      "del teclado numérico.\n"
      "· Para introducir la \"x\", pulse la \"x\" en el teclado \n"
      "alfanumérico.\n"
      "· Para introducir potencias, sostenga Shift (flecha \n"
      "mayúsculas) y sin soltar pulse el número deseado en el \n"
      "teclado alfanumérico.\n"
      "\n"
      "Para calcular las descomposiciones posibles, haga click \n"
      "en \"Calcular\". Según la pontencia de su computadora, \n"
      "tardará más o menos tiempo en realizar el cálculo. Una \n"
      "vez terminado le mostrará las posibles descomposiciones \n"
      "del polinomio.\n"
      "\n"
      "IMPORTANTE: Debe introducir el polinomio en la casilla \n"
      "de cálculo ORDENADO decrecientemente. También es \n"
      "necesario, en caso de que falte un monomio dentro del \n"
      "polinomio deberá completarse con +0x^n.\n"
      "Ej: 3x^3-6 deberá completarse por:\n"
      "      3x^3+0x^2+0x-6");
  QStringList lines{QCoreApplication::translate("Form2Design", "Ayuda del programa de Factorix"), QString(64, u'-'),
                    QString()};
  lines << usage.split(u'\n');
  lines << QString() << QString(11, u'_') << Footer::authorLine() << Footer::webHost() << Footer::email();
  return lines;
}

QString Form2Design::helpText() {
  QString text;
  for (const QString& line : helpLines()) text += line + QStringLiteral("\r\n");
  return text;
}
