#include <QtTest>

#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>

#include "app/Form1.h"
#include "engine/core/EngineError.h"
#include "formulapad/FormulaPad.h"
#include "formulapad/pupupHelp.h"
#include "presentation/ErrorMessages.h"
#include "presentation/Translation.h"
#include "presentation/UiLanguage.h"

// The catalogues built into the program: each language's words reach the
// window, its messages and Qt's own buttons; Spanish keeps every text as
// written; and no caption outgrows the place the fixed layout gives it.
class TestTranslation : public QObject {
  Q_OBJECT

private slots:
  void cleanup();
  void texts_data();
  void texts();
  void captionsFit_data();
  void captionsFit();
  void counts_data();
  void counts();
};

namespace {

QString withoutMnemonic(QString text) { return text.remove(u'&'); }

QString caption(const Form1& form, const char* key) {
  return qobject_cast<QAbstractButton*>(form.control(QLatin1String(key)))->text();
}

}  // namespace

// Every run installs one language: the next test starts from none.
void TestTranslation::cleanup() {
  for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>()) {
    QCoreApplication::removeTranslator(translator);
    delete translator;
  }
}

void TestTranslation::texts_data() {
  QTest::addColumn<QString>("language");
  QTest::addColumn<QString>("calculate");
  QTest::addColumn<QString>("quit");
  QTest::addColumn<QString>("heading");
  QTest::addColumn<QString>("message");
  QTest::addColumn<QString>("yes");
  QTest::newRow("es") << "es" << "Calcular" << "Salir" << "EL POLINOMIO SE PUEDE DESCOMPONER EN:"
                      << "Se produjo un error. Revise el cálculo." << "Sí";
  QTest::newRow("ca") << "ca" << "Calcula" << "Surt" << "EL POLINOMI ES POT DESCOMPONDRE EN:"
                      << "S'ha produït un error. Reviseu el càlcul." << "Sí";
  QTest::newRow("gl") << "gl" << "Calcular" << "Saír" << "O POLINOMIO PÓDESE DESCOMPOÑER EN:"
                      << "Produciuse un erro. Revise o cálculo." << "Si";
  QTest::newRow("eu") << "eu" << "Kalkulatu" << "Irten" << "POLINOMIOA HONELA DESKONPOSA DAITEKE:"
                      << "Errore bat gertatu da. Berrikusi kalkulua." << "Bai";
  QTest::newRow("en") << "en" << "Calculate" << "Quit" << "THE POLYNOMIAL CAN BE FACTORED AS:"
                      << "An error occurred. Check the calculation." << "Yes";
}

void TestTranslation::texts() {
  QFETCH(QString, language);
  QFETCH(QString, calculate);
  QFETCH(QString, quit);
  QFETCH(QString, heading);
  QFETCH(QString, message);
  QFETCH(QString, yes);
  QVERIFY(Translation::install(*QCoreApplication::instance(), language));
  Form1 form;
  QCOMPARE(caption(form, "Command1"), calculate);
  QCOMPARE(caption(form, "Command4"), quit);
  QCOMPARE(qobject_cast<FormulaPad*>(form.control(QStringLiteral("resultado(0)")))->text(), heading);
  QCOMPARE(ErrorMessage(factorix::kOverflow), message);
  QMessageBox box(QMessageBox::NoIcon, QString(), QString(), QMessageBox::Yes | QMessageBox::No);
  QCOMPARE(withoutMnemonic(box.button(QMessageBox::Yes)->text()), yes);
}

void TestTranslation::captionsFit_data() {
  QTest::addColumn<QString>("language");
  for (const QString& language : UiLanguage::known()) QTest::newRow(qPrintable(language)) << language;
}

// The layout is fixed: a caption longer than its control would be cut, and
// the scroll strip's caption would run under its arrows.
void TestTranslation::captionsFit() {
  QFETCH(QString, language);
  Translation::install(*QCoreApplication::instance(), language);
  Form1 form;
  for (const QPushButton* button : form.findChildren<QPushButton*>()) {
    QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) < button->width(), qPrintable(button->text()));
  }
  for (const QGroupBox* frame : form.findChildren<QGroupBox*>()) {
    QVERIFY2(frame->fontMetrics().horizontalAdvance(frame->title()) < frame->width(), qPrintable(frame->title()));
  }
  const QWidget* strip = form.control(QStringLiteral("Label2"));
  QVERIFY(strip->geometry().right() < form.control(QStringLiteral("desp(1)"))->x());

  pupupHelp help;
  for (const QLabel* label : help.findChildren<QLabel*>()) {
    QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(), qPrintable(label->text()));
  }
}

void TestTranslation::counts_data() {
  QTest::addColumn<QString>("language");
  QTest::addColumn<int>("count");
  QTest::addColumn<QString>("text");
  QTest::newRow("es, one") << "es" << 1 << "… y 1 candidato más, con resto distinto de 0";
  QTest::newRow("es, many") << "es" << 12 << "… y 12 candidatos más, con resto distinto de 0";
  QTest::newRow("ca, one") << "ca" << 1 << "… i 1 candidat més, amb residu diferent de 0";
  QTest::newRow("en, many") << "en" << 2 << "… and 2 more candidates, with a remainder other than 0";
}

// A text with a count takes the singular or the plural, Spanish too.
void TestTranslation::counts() {
  QFETCH(QString, language);
  QFETCH(int, count);
  QFETCH(QString, text);
  Translation::install(*QCoreApplication::instance(), language);
  QCOMPARE(QCoreApplication::translate("SolutionText", "… y %n candidatos más, con resto distinto de 0", nullptr, count),
           text);
}

QTEST_MAIN(TestTranslation)
#include "tst_translation.moc"
