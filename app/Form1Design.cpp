#include "app/Form1Design.h"

#include <QCoreApplication>

#include <span>

namespace {

// The stored layout, one table per container. The link label shows the
// maker's web address and the pads draw their own text: neither has a
// caption here.
constexpr ControlDesign kInWindow[] = {
    // name             in                Left   Top  Width Height Tab  caption
    {"Frame1",          "",                120,  120, 5175,  975,   0, QT_TRANSLATE_NOOP("ControlDesign", "Polinomio")},
    {"Frame2",          "",                120, 1200, 5175, 3615,   3, QT_TRANSLATE_NOOP("ControlDesign", "Descomposición(es)")},
    {"Command2",        "",               2040, 4920, 1455,  375,   5, QT_TRANSLATE_NOOP("ControlDesign", "Créditos")},
    {"Command4",        "",               3960, 4920, 1335,  375,   6, QT_TRANSLATE_NOOP("ControlDesign", "Salir")},
    {"Label1",          "",                120, 5520, 5175,  375,   7, ""},
    {"Command3",        "",                120, 4920, 1455,  375,   8, QT_TRANSLATE_NOOP("ControlDesign", "Ayuda")},
};

constexpr ControlDesign kInFrame1[] = {
    {"Command1",        "Frame1",         3720,  360, 1215,  315,   1, QT_TRANSLATE_NOOP("ControlDesign", "Calcular")},
    {"dividendo",       "Frame1",          240,  360, 3375,  315,   2, ""},
};

constexpr ControlDesign kInFrame2[] = {
    {"resultado(0)",    "Frame2",          240,  720, 4815,  315,   4, ""},
    {"FlatContainer1",  "Frame2",          240,  360, 4815,  255,   9, ""},
};

constexpr ControlDesign kInFlatContainer1[] = {
    {"Label2",          "FlatContainer1", 1800,    0, 1470,  195,  10, QT_TRANSLATE_NOOP("ControlDesign", "Desplazar resultados")},
    {"desp(0)",         "FlatContainer1",  120,    0,  495,  255,  11, "<<"},
    {"desp(1)",         "FlatContainer1", 4200,    0,  495,  255,  12, ">>"},
};

constexpr std::span<const ControlDesign> kTables[] = {kInWindow, kInFrame1, kInFrame2, kInFlatContainer1};

}  // namespace

WindowDesign Form1Design::window() { return {QStringLiteral("Factorix"), 5415, 5865}; }

QString Form1Design::headingText() {
  //: The heading is a formula pad's text: capitals, spaces and punctuation
  //: only, since the pad reads "e", "r", "s" and ";" as its own marks.
  return QCoreApplication::translate("Form1Design", "EL POLINOMIO SE PUEDE DESCOMPONER EN:");
}

QString Form1Design::headingFontName() { return QStringLiteral("Courier"); }

PropertyBag Form1Design::headingProperties() {
  return {{QStringLiteral("newtext"), headingText()}, {QStringLiteral("newfontname"), headingFontName()}};
}

QList<const ControlDesign*> Form1Design::controls() {
  QList<const ControlDesign*> all;
  for (std::span<const ControlDesign> table : kTables)
    for (const ControlDesign& c : table) all << &c;
  return all;
}

const ControlDesign* Form1Design::find(const QString& key) {
  for (std::span<const ControlDesign> table : kTables)
    for (const ControlDesign& c : table)
      if (c.name() == key) return &c;
  return nullptr;
}
