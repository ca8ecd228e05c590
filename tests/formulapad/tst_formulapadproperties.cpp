// The pad's stored values: loading with defaults, keys in any case, saving
// only what differs from the defaults, setters, and copies of a pad.
#include <QSignalSpy>
#include <QTest>

#include <cmath>
#include <limits>

#include "formulapad/FormulaPad.h"
#include "formulapad/PropertyBag.h"

namespace {

const QStringList kKeys = {"NewText", "NewFontNormSize", "NewFontSupSize", "NewCellWidth", "NewFontName"};

QString describe(const PropertyBag& bag) {
  QStringList out;
  for (const auto& [key, value] : bag.pairs()) out << key + u'=' + value.toString();
  return out.join(u';');
}

}  // namespace

class TestFormulaPadProperties : public QObject {
  Q_OBJECT

private slots:
  void newPadIsEmpty() {
    FormulaPad pad;
    QCOMPARE(pad.text(), QString());
    QCOMPARE(pad.cursorPosition(), 0);
    for (double number : {pad.cellWidth(), pad.fontNormSize(), pad.fontSupSize()}) QCOMPARE(number, 0.0);
    QCOMPARE(pad.fontName(), QString());
    QVERIFY(!pad.printText());
    QCOMPARE(pad.drawingFontName(), QStringLiteral("Arial"));
  }

  void load_data() {
    QTest::addColumn<QString>("key");  // as the stored data spells it
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("expected");  // "Text|Norm|Sup|Cell|Name"
    QTest::newRow("nothing stored") << QString() << QVariant() << "|10|8|120|Arial";
    QTest::newRow("lower case text") << "newtext" << QVariant("3xe2") << "3xe2|10|8|120|Arial";
    QTest::newRow("capital text") << "NEWTEXT" << QVariant("3xe2") << "3xe2|10|8|120|Arial";
    QTest::newRow("mixed case size") << "nEwFoNtSuPsIzE" << QVariant(12) << "|10|12|120|Arial";
    QTest::newRow("norm size") << "newfontnormsize" << QVariant(14) << "|14|8|120|Arial";
    QTest::newRow("cell width") << "NEWCELLWIDTH" << QVariant(200) << "|10|8|200|Arial";
    QTest::newRow("font name") << "newfontname" << QVariant("Courier") << "|10|8|120|Courier";
    QTest::newRow("unknown key") << "_extentx" << QVariant(5953) << "|10|8|120|Arial";
    // Loading checks nothing: the redraw decides what it can use.
    QTest::newRow("any value") << "newcellwidth" << QVariant("wide") << "|10|8|nan|Arial";
    QTest::newRow("numeric text") << "newfontnormsize" << QVariant(" 12.5") << "|12.5|8|120|Arial";
  }

  void load() {
    QFETCH(QString, key);
    QFETCH(QVariant, value);
    QFETCH(QString, expected);
    PropertyBag bag;
    if (!key.isEmpty()) bag.WriteProperty(key, value);
    FormulaPad pad;
    pad.ReadProperties(bag);
    const QString got = QStringList{pad.text(), QString::number(pad.fontNormSize()),
                                    QString::number(pad.fontSupSize()), QString::number(pad.cellWidth()),
                                    pad.fontName()}
                            .join(u'|');
    QCOMPARE(got, expected);
    QCOMPARE(pad.cursorPosition(), 0);
  }

  // Loading neither redraws nor touches the drawing font.
  void loadDoesNotRedraw() {
    FormulaPad pad;
    pad.resize(200, 21);
    const QImage before = pad.grab().toImage();
    pad.ReadProperties({{"newtext", "EL POLINOMIO"}, {"newfontname", "Courier"}});
    QCOMPARE(pad.grab().toImage(), before);
    QCOMPARE(pad.fontName(), QStringLiteral("Courier"));
    QCOMPARE(pad.drawingFontName(), QStringLiteral("Arial"));
  }

  // The values go in through the setters, which take any kind.
  void save_data() {
    QTest::addColumn<QVariant>("text");
    QTest::addColumn<QVariant>("norm");
    QTest::addColumn<QVariant>("sup");
    QTest::addColumn<QVariant>("cell");
    QTest::addColumn<QVariant>("name");
    QTest::addColumn<QString>("expected");
    const QVariant none;
    QTest::newRow("defaults store nothing") << QVariant("") << QVariant(10) << QVariant(8) << QVariant(120)
                                            << QVariant("Arial") << "";
    QTest::newRow("defaults as other number types")
        << QVariant(QString()) << QVariant(10.0) << QVariant(8.0f) << QVariant(qlonglong(120))
        << QVariant("Arial") << "";
    QTest::newRow("empty text stores nothing") << none << QVariant(10) << QVariant(8) << QVariant(120)
                                               << QVariant("Arial") << "";
    QTest::newRow("changed values in order")
        << QVariant("x") << QVariant(11) << QVariant(12) << QVariant(130) << QVariant("Courier")
        << "NewText=x;NewFontNormSize=11;NewFontSupSize=12;NewCellWidth=130;NewFontName=Courier";
    QTest::newRow("font name differs only in case") << QVariant("") << QVariant(10) << QVariant(8)
                                                    << QVariant(120) << QVariant("arial") << "NewFontName=arial";
    QTest::newRow("numeric text is the number") << QVariant("") << QVariant("10") << QVariant(8)
                                                << QVariant(120) << QVariant("Arial") << "";
    QTest::newRow("empty size is 0, not 10") << QVariant("") << none << QVariant(8) << QVariant(120)
                                             << QVariant("Arial") << "NewFontNormSize=0";
    QTest::newRow("not a number is kept as such") << QVariant("") << QVariant(10) << QVariant(8)
                                                  << QVariant("ancho") << QVariant("Arial") << "NewCellWidth=nan";
  }

  void save() {
    QFETCH(QVariant, text);
    QFETCH(QVariant, norm);
    QFETCH(QVariant, sup);
    QFETCH(QVariant, cell);
    QFETCH(QVariant, name);
    QFETCH(QString, expected);
    FormulaPad pad;
    pad.NewText(text);
    pad.NewFontNormSize(norm);
    pad.NewFontSupSize(sup);
    pad.NewCellWidth(cell);
    pad.NewFontName(name);
    pad.setCursorPosition(7);
    pad.setPrintText(true);
    PropertyBag bag;
    pad.WriteProperties(bag);
    QCOMPARE(describe(bag), expected);
  }

  // Saving into a bag that already holds a key (in another case) replaces
  // it, or removes it when the value is back at its default.
  void saveOverExistingKeys() {
    PropertyBag bag{{"newtext", "old"}, {"NEWCELLWIDTH", 200}, {"_extentx", 5953}};
    FormulaPad pad;
    pad.ReadProperties(PropertyBag());
    pad.setText(QStringLiteral("new"));
    pad.WriteProperties(bag);
    QCOMPARE(describe(bag), QStringLiteral("newtext=new;_extentx=5953"));
  }

  void roundTrip() {
    FormulaPad pad;
    pad.ReadProperties(PropertyBag());
    pad.NewFontSupSize(12);
    PropertyBag bag;
    pad.WriteProperties(bag);
    FormulaPad loaded;
    loaded.ReadProperties(bag);
    QCOMPARE(loaded.fontSupSize(), 12.0);
    QCOMPARE(loaded.fontNormSize(), 10.0);
  }

  void settersCopyAndRedraw_data() {
    QTest::addColumn<int>("setter");
    QTest::addColumn<QString>("member");
    QTest::addColumn<QVariant>("value");
    QTest::newRow("NewText") << 0 << "Text" << QVariant("3xe2");
    QTest::newRow("NewFontNormSize") << 1 << "FontNormSize" << QVariant(20);
    QTest::newRow("NewFontSupSize") << 2 << "FontSupSize" << QVariant(4);
    QTest::newRow("NewCellWidth") << 3 << "CellWidth" << QVariant(300);
    QTest::newRow("NewFontName") << 4 << "FontName" << QVariant("Courier");
  }

  void settersCopyAndRedraw() {
    QFETCH(int, setter);
    QFETCH(QString, member);
    QFETCH(QVariant, value);
    FormulaPad pad;
    pad.resize(300, 21);
    pad.ReadProperties(PropertyBag());
    pad.setText(QStringLiteral("2xe3+rx;"));
    pad.P();
    const QImage before = pad.grab().toImage();
    switch (setter) {
      case 0: pad.NewText(value); break;
      case 1: pad.NewFontNormSize(value); break;
      case 2: pad.NewFontSupSize(value); break;
      case 3: pad.NewCellWidth(value); break;
      default: pad.NewFontName(value); break;
    }
    QCOMPARE(pad.property(qPrintable(member)).toString(), value.toString());
    QVERIFY2(pad.grab().toImage() != before, "the setter did not redraw");
    QCOMPARE(pad.drawingFontName(), setter == 4 ? value.toString() : QStringLiteral("Arial"));
  }

  void copyCarriesTheFiveValuesOnly() {
    QWidget host;
    FormulaPad source(&host);
    source.ReadProperties({{"newtext", "EL POLINOMIO SE PUEDE DESCOMPONER EN:"}, {"newfontname", "Courier"}});
    source.resize(321, 21);
    source.ChangeFont(QStringLiteral("Courier"));
    source.setFontSupSize(9);
    source.setCursorPosition(5);
    source.setPrintText(true);
    source.setToolTip(QStringLiteral("Resultado"));
    source.P();

    FormulaPad* copy = FormulaPad::CopyOf(source, &host);
    QCOMPARE(copy->parentWidget(), &host);
    QVERIFY(copy->isHidden());
    QCOMPARE(copy->size(), source.size());
    QCOMPARE(copy->text(), source.text());
    QCOMPARE(copy->fontName(), QStringLiteral("Courier"));
    QCOMPARE(copy->fontSupSize(), 9.0);
    QCOMPARE(copy->fontNormSize(), 10.0);
    QCOMPARE(copy->cellWidth(), 120.0);
    QCOMPARE(copy->cursorPosition(), 0);
    QVERIFY(!copy->printText());
    QCOMPARE(copy->drawingFontName(), QStringLiteral("Arial"));  // only element 0 draws in Courier
    QCOMPARE(copy->accessibleText(), QStringLiteral("EL POLINOMIO SE PUEDE DESCOMPONER EN:"));
    QVERIFY(copy->toolTip().isEmpty());
  }

  // A copy shows the copied text and keeps it, even when shown later, until
  // its host writes Text and calls P().
  void copyShowsItsTextUntilP() {
    QWidget host;
    host.resize(400, 100);
    FormulaPad source(&host);
    source.ReadProperties({{"newtext", "HEADER"}});
    source.resize(321, 21);
    source.P();
    FormulaPad* copy = FormulaPad::CopyOf(source, &host);
    const QImage header = copy->grab().toImage();
    copy->setText(QStringLiteral(" (x-2) (+2xe2+4x+8)"));
    host.show();
    copy->show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QCOMPARE(copy->accessibleText(), QStringLiteral("HEADER"));
    QCOMPARE(copy->grab().toImage(), header);
    copy->P();
    QCOMPARE(copy->accessibleText(), u" (x-2) (+2x\u00B2+4x+8)"_qs);
  }

  // The members as properties: written through the meta-object system at
  // single precision, told once per change, never redrawn.
  void properties_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QVariant>("written");
    QTest::addColumn<QVariant>("read");
    QTest::addColumn<bool>("note");  // a designer's note goes with it
    const double nan = std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("cell width") << "CellWidth" << QVariant(200) << QVariant(200.0) << true;
    QTest::newRow("cell width at single precision") << "CellWidth" << QVariant(0.1) << QVariant(double(0.1f)) << true;
    QTest::newRow("cell width beyond single precision") << "CellWidth" << QVariant(1e300) << QVariant(nan) << true;
    QTest::newRow("text") << "Text" << QVariant("3xe2") << QVariant(QStringLiteral("3xe2")) << true;
    QTest::newRow("norm size") << "FontNormSize" << QVariant(14) << QVariant(14.0) << true;
    QTest::newRow("sup size") << "FontSupSize" << QVariant(7.5) << QVariant(7.5) << true;
    QTest::newRow("font name") << "FontName" << QVariant("Courier") << QVariant(QStringLiteral("Courier")) << false;
    QTest::newRow("cursor") << "Cursor" << QVariant(3) << QVariant(3) << false;
    QTest::newRow("print text") << "PrintText" << QVariant(true) << QVariant(true) << false;
  }

  void properties() {
    QFETCH(QString, name);
    QFETCH(QVariant, written);
    QFETCH(QVariant, read);
    QFETCH(bool, note);
    FormulaPad pad;
    pad.setText(QStringLiteral("x"));
    pad.P();
    const QMetaObject* meta = pad.metaObject();
    const QMetaProperty property = meta->property(meta->indexOfProperty(qPrintable(name)));
    QVERIFY(property.isWritable() && property.hasNotifySignal());
    QCOMPARE(meta->indexOfClassInfo(qPrintable(name)) >= 0, note);
    QSignalSpy told(&pad, property.notifySignal());

    QVERIFY(pad.setProperty(qPrintable(name), written));
    QVERIFY(pad.setProperty(qPrintable(name), written));
    const QVariant got = pad.property(qPrintable(name));
    if (read.typeId() == QMetaType::Double && std::isnan(read.toDouble()))
      QVERIFY(std::isnan(got.toDouble()));
    else
      QCOMPARE(got, read);
    QCOMPARE(told.count(), 1);
    QCOMPARE(pad.accessibleText(), QStringLiteral("x"));
  }

  // The caret is not QWidget's cursor: setting the mouse pointer leaves the
  // caret where it is, and the caret leaves the pointer.
  void caretAndMousePointerAreApart() {
    FormulaPad pad;
    pad.setText(QStringLiteral("abc"));
    pad.setCursorPosition(2);
    pad.setCursor(Qt::WaitCursor);
    QCOMPARE(pad.cursorPosition(), 2);
    QCOMPARE(pad.cursor().shape(), Qt::WaitCursor);
    pad.setCursorPosition(1);
    QCOMPARE(pad.cursor().shape(), Qt::WaitCursor);
  }

  // A typed key tells its text and caret changes.
  void typingTellsItsChanges() {
    FormulaPad pad;
    pad.setText(QStringLiteral("3x"));
    pad.setCursorPosition(2);
    QSignalSpy text(&pad, &FormulaPad::textChanged);
    QSignalSpy caret(&pad, &FormulaPad::cursorPositionChanged);
    QTest::keyClick(&pad, Qt::Key_2, Qt::ShiftModifier);
    QCOMPARE(pad.text(), QStringLiteral("3xe2"));
    QCOMPARE(text.count(), 1);
    QCOMPARE(caret.count(), 1);
    QTest::keyClick(&pad, Qt::Key_Left);
    QCOMPARE(text.count(), 1);
    QCOMPARE(caret.count(), 2);
  }

  void twcc_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("markers removed") << "3xe2+1s" << "3x2+1";
    QTest::newRow("roots kept") << "2rxe2;" << "2rx2;";
    QTest::newRow("capitals kept") << "ESR" << "ESR";
    QTest::newRow("empty") << "" << "";
  }

  void twcc() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(FormulaPad::twcc(text), expected);
  }

  void bagMatchesKeysWithoutCase() {
    PropertyBag bag{{"newtext", "a"}, {"NEWTEXT", "b"}};
    QCOMPARE(bag.size(), 1);
    QCOMPARE(bag.ReadProperty("NewText").toString(), QStringLiteral("b"));
    QVERIFY(bag.contains("nEwTeXt"));
    QCOMPARE(bag.ReadProperty("missing", 42).toInt(), 42);
    for (const QString& key : kKeys) QVERIFY(!PropertyBag().contains(key));
  }
};

QTEST_MAIN(TestFormulaPadProperties)
#include "tst_formulapadproperties.moc"
