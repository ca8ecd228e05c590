#include "formulapad/pupupHelp.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

#include "presentation/Twips.h"

namespace {

struct LabelSpec {
  const char* name;
  const char* caption;  // UTF-8, translated in the context "pupupHelp"
  int left, top, width;  // twips; every label is 255 high
  bool bold;
};

constexpr int kLabelHeight = 255;

constexpr LabelSpec kLabels[] = {
    {"Label1", QT_TRANSLATE_NOOP("pupupHelp", "Símbolos permitidos:"), 120, 120, 4215, true},
    {"Label2", QT_TRANSLATE_NOOP("pupupHelp", "Números"), 240, 480, 3375, false},
    {"Label3", QT_TRANSLATE_NOOP("pupupHelp", "Operadores (+, -, *, /) [teclado numérico]"), 240, 720, 3375, false},
    {"Label4", QT_TRANSLATE_NOOP("pupupHelp", "Paréntesis (pulsar Control-8 y Control-9)"), 240, 960, 3375, false},
    {"Label5", QT_TRANSLATE_NOOP("pupupHelp", "Exponentes (pulsar Shift-Número)"), 240, 1200, 3375, false},
    {"Label6", QT_TRANSLATE_NOOP("pupupHelp", "Letras (a, b, c, m, k, x, y, z)"), 240, 1440, 3375, false},
    {"Label7", QT_TRANSLATE_NOOP("pupupHelp", "Raíces (pulsar \"r\" para iniciarla y \"R\" para finalizarla)"), 240, 1680, 4335,
     false},
    {"Label8", QT_TRANSLATE_NOOP("pupupHelp", "Manejo:"), 120, 2160, 4215, true},
    {"Label9", QT_TRANSLATE_NOOP("pupupHelp", "Desplazar cursor de inserción (cursor izquierdo y derecho)"), 240, 2520, 4935,
     false},
    {"Label10", QT_TRANSLATE_NOOP("pupupHelp", "Cambiar modo de inserción:"), 240, 2760, 4935, false},
    {"Label11", QT_TRANSLATE_NOOP("pupupHelp", "Insertar (Control-1) [teclado alfanumérico] {por defecto}"), 360, 3120, 4935,
     false},
    {"Label12", QT_TRANSLATE_NOOP("pupupHelp", "Sobreescribir (Control-2) [teclado alfanumérico]"), 360, 3360, 4935, false},
};

// The grey lines beside the groups of labels: x, top and bottom in twips.
struct LineSpec {
  int x, y1, y2;
};
constexpr LineSpec kLines[] = {{120, 360, 1920}, {120, 2400, 3000}, {240, 3000, 3600}};

}  // namespace

pupupHelp::pupupHelp(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
  setObjectName(QStringLiteral("pupupHelp"));
  setWindowTitle(QString());
  // The caption is empty, but the platform fills an empty title bar with the
  // program's name: the native window gets a blank title instead. Screen
  // readers still read the empty caption.
  if (winId() && windowHandle()) windowHandle()->setTitle(QStringLiteral(" "));
  setFixedSize(twips::toPixels(5460), twips::toPixels(4320));
  QFont windowFont(QStringLiteral("Arial"));
  windowFont.setPointSizeF(9);
  setFont(windowFont);
  QFont bold = windowFont;
  bold.setBold(true);

  for (const LabelSpec& spec : kLabels) {
    auto* label = new QLabel(tr(spec.caption), this);
    label->setObjectName(QLatin1String(spec.name));
    label->setGeometry(twips::toPixels(spec.left, spec.top, spec.width, kLabelHeight));
    label->setTextFormat(Qt::PlainText);
    if (spec.bold) label->setFont(bold);
  }

  auto* ok = new QPushButton(tr("Aceptar"), this);
  ok->setObjectName(QStringLiteral("Command1"));
  ok->setGeometry(twips::toPixels(2040, 3840, 1335, 375));
  ok->setDefault(true);
  ok->setFocus();
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void pupupHelp::showModal(QScreen* screen) {
  if (!screen) screen = QGuiApplication::primaryScreen();
  pupupHelp dialog;
  if (screen) {
    QRect placed(QPoint(), dialog.size());
    placed.moveCenter(screen->geometry().center());
    dialog.move(placed.topLeft());
  }
  dialog.exec();
}

void pupupHelp::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  QPainter painter(this);
  const QColor grey(128, 128, 128);
  for (const LineSpec& line : kLines) {
    const int x = twips::toPixels(line.x);
    const int top = twips::toPixels(line.y1);
    const int bottom = twips::toPixels(line.y2);  // the end point is left out
    painter.fillRect(QRect(x, top, 1, bottom - top), grey);
  }
}
