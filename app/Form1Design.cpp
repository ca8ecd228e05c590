#include "app/Form1Design.h"

#include "app/Footer.h"

namespace {

ControlDesign make(QString name, int index, ControlKind kind, QString container, int left, int top, int width,
                   int height, int tabIndex, QString caption) {
  ControlDesign c;
  c.name = std::move(name);
  c.index = index;
  c.kind = kind;
  c.container = std::move(container);
  c.left = left;
  c.top = top;
  c.width = width;
  c.height = height;
  c.tabIndex = tabIndex;
  c.caption = std::move(caption);
  c.accessibleName = c.caption;
  return c;
}

QList<ControlDesign> buildControls() {
  using K = ControlKind;
  QList<ControlDesign> list;

  //                    name             idx kind              in                Left  Top   Width Height Tab caption
  list << make("Frame1", -1, K::Frame, {}, 120, 120, 5175, 975, 0, QStringLiteral("Polinomio"));

  auto command1 = make("Command1", -1, K::CommandButton, "Frame1", 3720, 360, 1215, 315, 1, QStringLiteral("Calcular"));
  command1.handCursor = true;
  list << command1;

  auto dividendo = make("dividendo", -1, K::FormulaPad, "Frame1", 240, 360, 3375, 315, 2, {});
  dividendo.toolTip = QStringLiteral("Escriba aquí un polinomio");
  dividendo.accessibleName = QStringLiteral("Polinomio");
  dividendo.extentX = 5953;
  dividendo.extentY = 556;
  list << dividendo;

  list << make("Frame2", -1, K::Frame, {}, 120, 1200, 5175, 3615, 3, QStringLiteral("Descomposición(es)"));

  auto heading = make("resultado", 0, K::FormulaPad, "Frame2", 240, 720, 4815, 315, 4, {});
  heading.padProperties = PropertyBag{{QStringLiteral("newtext"), Form1Design::headingText()},
                                      {QStringLiteral("newfontname"), QStringLiteral("Courier")}};
  heading.accessibleName = QStringLiteral("Encabezado de los resultados");
  heading.extentX = 8493;
  heading.extentY = 556;
  list << heading;

  auto command2 = make("Command2", -1, K::CommandButton, {}, 2040, 4920, 1455, 375, 5, QStringLiteral("Créditos"));
  command2.handCursor = true;
  list << command2;

  auto command4 = make("Command4", -1, K::CommandButton, {}, 3960, 4920, 1335, 375, 6, QStringLiteral("Salir"));
  command4.handCursor = true;
  list << command4;

  // The link: the maker's web address, blue, Arial 11.25 pt, underlined.
  auto label1 = make("Label1", -1, K::Label, {}, 120, 5520, 5175, 375, 7, Footer::webHost());
  label1.alignment = Qt::AlignHCenter | Qt::AlignTop;
  label1.handCursor = true;
  list << label1;

  auto command3 = make("Command3", -1, K::CommandButton, {}, 120, 4920, 1455, 375, 8, QStringLiteral("Ayuda"));
  command3.handCursor = true;
  list << command3;

  auto flat = make("FlatContainer1", -1, K::FlatContainer, "Frame2", 240, 360, 4815, 255, 9, {});
  flat.accessibleName = QStringLiteral("Desplazamiento de los resultados");
  flat.extentX = 8493;
  flat.extentY = 450;
  list << flat;

  auto label2 = make("Label2", -1, K::Label, "FlatContainer1", 1800, 0, 1470, 195, 10,
                     QStringLiteral("Desplazar resultados"));
  label2.autoSize = true;
  label2.transparent = true;
  list << label2;

  // The arrows only show symbols: their accessible names say what they do.
  auto left = make("desp", 0, K::Label, "FlatContainer1", 120, 0, 495, 255, 11, QStringLiteral("<<"));
  left.accessibleName = QStringLiteral("Desplazar a la izquierda");
  auto right = make("desp", 1, K::Label, "FlatContainer1", 4200, 0, 495, 255, 12, QStringLiteral(">>"));
  right.accessibleName = QStringLiteral("Desplazar a la derecha");
  for (auto* arrow : {&left, &right}) {
    arrow->alignment = Qt::AlignHCenter | Qt::AlignTop;
    arrow->transparent = true;
    arrow->handCursor = true;
    list << *arrow;
  }

  // The evaluator (language VBScript, time-out 10000 ms) lives in the engine.
  list << make("cal", -1, K::ScriptControl, {}, 0, 0, 0, 0, -1, {});
  return list;
}

}  // namespace

WindowDesign Form1Design::window() { return {QStringLiteral("Factorix"), 5415, 5865}; }

QString Form1Design::headingText() { return QStringLiteral("EL POLINOMIO SE PUEDE DESCOMPONER EN:"); }

const QList<ControlDesign>& Form1Design::controls() {
  static const QList<ControlDesign> list = buildControls();
  return list;
}

const ControlDesign* Form1Design::find(const QString& key) {
  for (const auto& c : controls())
    if (c.key() == key) return &c;
  return nullptr;
}
