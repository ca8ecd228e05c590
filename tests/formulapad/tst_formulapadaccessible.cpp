// What assistive technology gets from a pad: role, name, the drawn formula
// through the text interface, and announcements of its changes.
#include <QAccessible>
#include <QSignalSpy>
#include <QTest>

#include "formulapad/FormulaPad.h"
#include "formulapad/FormulaPadAccessible.h"
#include "formulapad/PropertyBag.h"
#include "formulapad/SpokenTextChange.h"

namespace {

using Change = SpokenTextChange;

QString describe(const std::optional<Change>& change) {
  if (!change) return QStringLiteral("none");
  return QStringLiteral("%1:%2>%3").arg(change->position).arg(change->removed, change->inserted);
}

}  // namespace

class TestFormulaPadAccessible : public QObject {
  Q_OBJECT

private slots:
  // The host installs the pad's accessible interface.
  void initTestCase() { QAccessible::installFactory(&FormulaPadAccessible::create); }

  void roleAndName_data() {
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<QString>("accessibleName");
    QTest::addColumn<QString>("expected");
    QTest::newRow("tool tip") << "Escriba aquí un polinomio" << "" << "Escriba aquí un polinomio";
    QTest::newRow("no tool tip") << "" << "" << "Fórmula";
    QTest::newRow("own name first") << "Escriba aquí un polinomio" << "Polinomio" << "Polinomio";
  }

  void roleAndName() {
    QFETCH(QString, toolTip);
    QFETCH(QString, accessibleName);
    QFETCH(QString, expected);
    FormulaPad pad;
    pad.setToolTip(toolTip);
    pad.setAccessibleName(accessibleName);
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&pad);
    QVERIFY(iface);
    QCOMPARE(iface->role(), QAccessible::EditableText);
    QCOMPARE(iface->text(QAccessible::Name), expected);
    QVERIFY(iface->state().focusable);
    QVERIFY(iface->state().editable);
  }

  void textInterface_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("square") << "3xe2+1" << u"3x\u00B2+1"_qs;
    QTest::newRow("two raised digits") << "xe1e2" << u"x\u00B9\u00B2"_qs;
    QTest::newRow("cube and square") << "2xe3+0xe2-16" << u"2x\u00B3+0x\u00B2-16"_qs;
    QTest::newRow("root with index") << "3rx+1;" << u"\u00B3\u221Ax+1"_qs;
    QTest::newRow("markers only") << "s;e" << "";
  }

  void textInterface() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    FormulaPad pad;
    pad.resize(321, 21);
    pad.ReadProperties(PropertyBag());
    pad.NewText(text);
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&pad);
    QAccessibleTextInterface* textIface = iface->textInterface();
    QVERIFY(textIface);
    QCOMPARE(textIface->characterCount(), int(expected.size()));
    QCOMPARE(textIface->text(0, textIface->characterCount()), expected);
    QCOMPARE(iface->text(QAccessible::Value), expected);
    QCOMPARE(textIface->text(-1, 2), QString());
    QCOMPARE(textIface->text(2, 1), QString());
    QCOMPARE(textIface->selectionCount(), 0);
  }

  void characterGeometry() {
    FormulaPad pad;
    pad.resize(321, 21);
    pad.ReadProperties(PropertyBag());
    pad.NewText(QStringLiteral("3xe2+1"));
    QAccessibleTextInterface* text = QAccessible::queryAccessibleInterface(&pad)->textInterface();
    const QRect second = text->characterRect(2);  // "²" in cell 3
    QCOMPARE(second.topLeft(), pad.mapToGlobal(QPoint(24, 0)));
    QCOMPARE(second.size(), QSize(8, 21));
    QCOMPARE(text->offsetAtPoint(pad.mapToGlobal(QPoint(27, 5))), 2);
    QCOMPARE(text->offsetAtPoint(pad.mapToGlobal(QPoint(2, 5))), -1);
    QVERIFY(text->characterRect(99).isNull());
  }

  // What a redraw announces: the changed stretch of the spoken formula.
  void textChange_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("expected");
    QTest::newRow("unchanged") << "3x" << "3x" << "none";
    QTest::newRow("typed at the end") << "3" << "3x" << "1:>x";
    QTest::newRow("raised digit") << "3x" << u"3x\u00B2"_qs << u"2:>\u00B2"_qs;
    QTest::newRow("backspace") << u"3x\u00B2"_qs << "3x" << u"2:\u00B2>"_qs;
    QTest::newRow("index becomes a root") << "3" << u"\u00B3\u221A"_qs << u"0:3>\u00B3\u221A"_qs;
    QTest::newRow("new text") << "HEADER" << " (x-2)" << "0:HEADER> (x-2)";
    QTest::newRow("from empty") << "" << "ab" << "0:>ab";
    QTest::newRow("to empty") << "ab" << "" << "0:ab>";
    QTest::newRow("repeated characters") << "xx" << "xxx" << "2:>x";
    QTest::newRow("changed in the middle") << "a+b" << "a-b" << "1:+>-";
  }

  void textChange() {
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(QString, expected);
    QCOMPARE(describe(SpokenTextChange::between(before, after)), expected);
  }

  // Typing redraws and so changes the spoken formula; a direct write of Text
  // changes it only once P() draws it.
  void drawnTextChangedFollowsP() {
    FormulaPad pad;
    pad.ReadProperties(PropertyBag());
    QSignalSpy changed(&pad, &FormulaPad::drawnTextChanged);
    QTest::keyClick(&pad, Qt::Key_X);
    QCOMPARE(changed.count(), 1);
    QTest::keyClick(&pad, Qt::Key_Q);  // writes nothing
    QTest::keyClick(&pad, Qt::Key_Left);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(pad.accessibleCursorPosition(), 0);
    pad.setText(QStringLiteral("xe2"));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(pad.accessibleText(), QStringLiteral("x"));
    pad.P();
    QCOMPARE(changed.count(), 2);
    QCOMPARE(pad.accessibleText(), u"x\u00B2"_qs);
    pad.P();
    QCOMPARE(changed.count(), 2);
  }
};

QTEST_MAIN(TestFormulaPadAccessible)
#include "tst_formulapadaccessible.moc"
