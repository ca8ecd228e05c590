#include "app/Form1Design.h"

namespace {

// The link label shows the maker's web address, and the pads draw their own
// text: neither has a caption here.
constexpr ControlDesign kControls[] = {
    // name             in                Left   Top  Width Height Tab  caption
    {"Frame1",          "",                120,  120, 5175,  975,   0, "Polinomio"},
    {"Command1",        "Frame1",         3720,  360, 1215,  315,   1, "Calcular"},
    {"dividendo",       "Frame1",          240,  360, 3375,  315,   2, ""},
    {"Frame2",          "",                120, 1200, 5175, 3615,   3, "Descomposición(es)"},
    {"resultado(0)",    "Frame2",          240,  720, 4815,  315,   4, ""},
    {"Command2",        "",               2040, 4920, 1455,  375,   5, "Créditos"},
    {"Command4",        "",               3960, 4920, 1335,  375,   6, "Salir"},
    {"Label1",          "",                120, 5520, 5175,  375,   7, ""},
    {"Command3",        "",                120, 4920, 1455,  375,   8, "Ayuda"},
    {"FlatContainer1",  "Frame2",          240,  360, 4815,  255,   9, ""},
    {"Label2",          "FlatContainer1", 1800,    0, 1470,  195,  10, "Desplazar resultados"},
    {"desp(0)",         "FlatContainer1",  120,    0,  495,  255,  11, "<<"},
    {"desp(1)",         "FlatContainer1", 4200,    0,  495,  255,  12, ">>"},
};

}  // namespace

WindowDesign Form1Design::window() { return {QStringLiteral("Factorix"), 5415, 5865}; }

QString Form1Design::headingText() { return QStringLiteral("EL POLINOMIO SE PUEDE DESCOMPONER EN:"); }

PropertyBag Form1Design::headingProperties() {
  return {{QStringLiteral("newtext"), headingText()}, {QStringLiteral("newfontname"), QStringLiteral("Courier")}};
}

std::span<const ControlDesign> Form1Design::controls() { return kControls; }

const ControlDesign* Form1Design::find(const QString& key) {
  for (const ControlDesign& c : kControls)
    if (c.name() == key) return &c;
  return nullptr;
}
