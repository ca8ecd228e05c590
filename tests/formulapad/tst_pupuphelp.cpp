// The key help: its labels, lines and button where they belong, opened
// modal and centred from a pad's right-click menu, closed by "Aceptar".
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "formulapad/FormulaPad.h"
#include "formulapad/pupupHelp.h"

namespace {

// Runs `check` on the modal widget as soon as one is open, then presses
// "Aceptar" on it; gives up after `timeoutMs`.
void answerModal(std::function<void(QWidget*)> check, bool* answered, int timeoutMs = 5000) {
  auto* poll = new QTimer;
  auto started = std::make_shared<QElapsedTimer>();
  started->start();
  QObject::connect(poll, &QTimer::timeout, [=] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal && started->elapsed() < timeoutMs) return;
    poll->stop();
    poll->deleteLater();
    if (!modal) return;
    check(modal);
    if (auto* ok = modal->findChild<QPushButton*>(QStringLiteral("Command1"))) {
      QTest::mouseClick(ok, Qt::LeftButton);
      *answered = true;
    }
  });
  poll->start(20);
}

}  // namespace

class TestPupupHelp : public QObject {
  Q_OBJECT

private slots:
  void labels_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("geometry");  // pixels: twips / 15
    QTest::addColumn<bool>("bold");
    QTest::newRow("Label1") << "Label1" << "Símbolos permitidos:" << QRect(8, 8, 281, 17) << true;
    QTest::newRow("Label2") << "Label2" << "Números" << QRect(16, 32, 225, 17) << false;
    QTest::newRow("Label3") << "Label3" << "Operadores (+, -, *, /) [teclado numérico]" << QRect(16, 48, 225, 17) << false;
    QTest::newRow("Label4") << "Label4" << "Paréntesis (pulsar Control-8 y Control-9)" << QRect(16, 64, 225, 17) << false;
    QTest::newRow("Label5") << "Label5" << "Exponentes (pulsar Shift-Número)" << QRect(16, 80, 225, 17) << false;
    QTest::newRow("Label6") << "Label6" << "Letras (a, b, c, m, k, x, y, z)" << QRect(16, 96, 225, 17) << false;
    QTest::newRow("Label7") << "Label7" << "Raíces (pulsar \"r\" para iniciarla y \"R\" para finalizarla)"
                            << QRect(16, 112, 289, 17) << false;
    QTest::newRow("Label8") << "Label8" << "Manejo:" << QRect(8, 144, 281, 17) << true;
    QTest::newRow("Label9") << "Label9" << "Desplazar cursor de inserción (cursor izquierdo y derecho)"
                            << QRect(16, 168, 329, 17) << false;
    QTest::newRow("Label10") << "Label10" << "Cambiar modo de inserción:" << QRect(16, 184, 329, 17) << false;
    QTest::newRow("Label11") << "Label11" << "Insertar (Control-1) [teclado alfanumérico] {por defecto}"
                             << QRect(24, 208, 329, 17) << false;
    QTest::newRow("Label12") << "Label12" << "Sobreescribir (Control-2) [teclado alfanumérico]"
                             << QRect(24, 224, 329, 17) << false;
  }

  void labels() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QRect, geometry);
    QFETCH(bool, bold);
    pupupHelp help;
    auto* label = help.findChild<QLabel*>(name);
    QVERIFY(label);
    QCOMPARE(label->text(), caption);
    QCOMPARE(label->geometry(), geometry);
    QCOMPARE(label->font().bold(), bold);
    QCOMPARE(label->font().family(), QStringLiteral("Arial"));
    QCOMPARE(label->font().pointSizeF(), 9.0);
    QCOMPARE(label->focusPolicy(), Qt::NoFocus);
  }

  void window() {
    pupupHelp help;
    QCOMPARE(help.size(), QSize(364, 288));
    QCOMPARE(help.minimumSize(), help.maximumSize());
    QVERIFY(help.windowTitle().isEmpty());
    const Qt::WindowFlags flags = help.windowFlags();
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    auto* ok = help.findChild<QPushButton*>(QStringLiteral("Command1"));
    QVERIFY(ok);
    QCOMPARE(ok->text(), QStringLiteral("Aceptar"));
    QCOMPARE(ok->geometry(), QRect(136, 256, 89, 25));
    QVERIFY(ok->isDefault());
  }

  // The grey lines beside the groups, one pixel wide.
  void greyLines_data() {
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("bottom");  // first row below the line
    QTest::newRow("Line1") << 8 << 24 << 128;
    QTest::newRow("Line2") << 8 << 160 << 200;
    QTest::newRow("Line3") << 16 << 200 << 240;
  }

  void greyLines() {
    QFETCH(int, x);
    QFETCH(int, top);
    QFETCH(int, bottom);
    pupupHelp help;
    const QImage image = help.grab().toImage();
    const QRgb grey = qRgb(128, 128, 128);
    for (int y = top; y < bottom; ++y) QCOMPARE(image.pixel(x, y), grey);
    QVERIFY(image.pixel(x + 1, (top + bottom) / 2) != grey);
    // Each line leaves out its end point and starts at its first point.
    QVERIFY(image.pixel(x, bottom) != grey);
    QVERIFY(image.pixel(x, top - 1) != grey);
  }

  void showModalCentresAndWaits() {
    bool answered = false;
    QRect geometry;
    bool focused = false;
    answerModal(
        [&](QWidget* modal) {
          geometry = modal->geometry();
          focused = modal->focusWidget() && modal->focusWidget()->objectName() == u"Command1";
          QVERIFY(qobject_cast<pupupHelp*>(modal));
        },
        &answered);
    pupupHelp::showModal(QGuiApplication::primaryScreen());
    QVERIFY(answered);
    QVERIFY(focused);
    const QPoint centre = QGuiApplication::primaryScreen()->geometry().center();
    QVERIFY(qAbs(geometry.center().x() - centre.x()) <= 2);
    QVERIFY(qAbs(geometry.center().y() - centre.y()) <= 2);
    QVERIFY(!QApplication::activeModalWidget());
  }

  void enterCloses() {
    bool closed = false;
    QTimer::singleShot(0, [&closed] {
      QTRY_VERIFY(QApplication::activeModalWidget());
      QTest::keyClick(QApplication::activeModalWidget()->focusWidget(), Qt::Key_Return);
      closed = true;
    });
    pupupHelp::showModal(nullptr);
    QVERIFY(closed);
  }

  // Right click on a pad, "Modo de utilización", the key help, "Aceptar":
  // it is gone and destroyed.
  void fromThePadMenu() {
    QWidget host;
    host.resize(300, 40);
    auto* pad = new FormulaPad(&host);
    pad->resize(280, 21);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QTest::mousePress(pad, Qt::RightButton, {}, QPoint(20, 10));
    auto* menu = pad->findChild<QMenu*>(QStringLiteral("mPopupmenu"));
    QVERIFY(menu && menu->isVisible());

    bool answered = false;
    QPointer<QWidget> opened;
    answerModal([&](QWidget* modal) { opened = modal; }, &answered);
    menu->actions().first()->trigger();
    menu->hide();
    QTRY_VERIFY_WITH_TIMEOUT(answered, 6000);
    QVERIFY(opened.isNull());  // destroyed when closed
    QVERIFY(!QApplication::activeModalWidget());
  }
};

QTEST_MAIN(TestPupupHelp)
#include "tst_pupuphelp.moc"
