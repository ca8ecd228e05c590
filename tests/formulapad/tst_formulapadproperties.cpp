// The pad's stored values: loading with defaults, keys in any case, saving
// only what differs from the defaults, setters, and copies of a pad.
#include <QTest>

#include <cmath>
#include <utility>

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
    for (const QVariant* member : {&pad.CellWidth, &pad.Text, &pad.Cursor, &pad.FontNormSize,
                                   &pad.FontSupSize, &pad.FontName}) {
      QVERIFY(!member->isValid());
    }
    QVERIFY(!pad.PrintText);
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
    QTest::newRow("any value") << "newcellwidth" << QVariant("wide") << "|10|8|wide|Arial";
  }

  void load() {
    QFETCH(QString, key);
    QFETCH(QVariant, value);
    QFETCH(QString, expected);
    PropertyBag bag;
    if (!key.isEmpty()) bag.WriteProperty(key, value);
    FormulaPad pad;
    pad.ReadProperties(bag);
    const QString got = QStringList{pad.Text.toString(), pad.FontNormSize.toString(),
                                    pad.FontSupSize.toString(), pad.CellWidth.toString(),
                                    pad.FontName.toString()}
                            .join(u'|');
    QCOMPARE(got, expected);
    QVERIFY(!pad.Cursor.isValid());
  }

  // Loading neither redraws nor touches the drawing font.
  void loadDoesNotRedraw() {
    FormulaPad pad;
    pad.resize(200, 21);
    const QImage before = pad.grab().toImage();
    pad.ReadProperties({{"newtext", "EL POLINOMIO"}, {"newfontname", "Courier"}});
    QCOMPARE(pad.grab().toImage(), before);
    QCOMPARE(pad.FontName.toString(), QStringLiteral("Courier"));
    QCOMPARE(pad.drawingFontName(), QStringLiteral("Arial"));
  }

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
    QTest::newRow("numeric text is not a number") << QVariant("") << QVariant("10") << QVariant(8)
                                                  << QVariant(120) << QVariant("Arial") << "NewFontNormSize=10";
    QTest::newRow("empty size is 0, not 10") << QVariant("") << none << QVariant(8) << QVariant(120)
                                             << QVariant("Arial") << "NewFontNormSize=";
  }

  void save() {
    QFETCH(QVariant, text);
    QFETCH(QVariant, norm);
    QFETCH(QVariant, sup);
    QFETCH(QVariant, cell);
    QFETCH(QVariant, name);
    QFETCH(QString, expected);
    FormulaPad pad;
    pad.Text = text;
    pad.FontNormSize = norm;
    pad.FontSupSize = sup;
    pad.CellWidth = cell;
    pad.FontName = name;
    pad.Cursor = 7;
    pad.PrintText = true;
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
    pad.Text = QStringLiteral("new");
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
    QCOMPARE(loaded.FontSupSize.toInt(), 12);
    QCOMPARE(loaded.FontNormSize.toInt(), 10);
  }

  void settersCopyAndRedraw_data() {
    QTest::addColumn<int>("setter");
    QTest::addColumn<QVariant>("value");
    QTest::newRow("NewText") << 0 << QVariant("3xe2");
    QTest::newRow("NewFontNormSize") << 1 << QVariant(20);
    QTest::newRow("NewFontSupSize") << 2 << QVariant(4);
    QTest::newRow("NewCellWidth") << 3 << QVariant(300);
    QTest::newRow("NewFontName") << 4 << QVariant("Courier");
  }

  void settersCopyAndRedraw() {
    QFETCH(int, setter);
    QFETCH(QVariant, value);
    FormulaPad pad;
    pad.resize(300, 21);
    pad.ReadProperties(PropertyBag());
    pad.Text = QStringLiteral("2xe3+rx;");
    pad.P();
    const QImage before = pad.grab().toImage();
    QVariant* members[] = {&pad.Text, &pad.FontNormSize, &pad.FontSupSize, &pad.CellWidth, &pad.FontName};
    switch (setter) {
      case 0: pad.NewText(value); break;
      case 1: pad.NewFontNormSize(value); break;
      case 2: pad.NewFontSupSize(value); break;
      case 3: pad.NewCellWidth(value); break;
      default: pad.NewFontName(value); break;
    }
    QCOMPARE(*members[setter], value);
    QVERIFY2(pad.grab().toImage() != before, "the setter did not redraw");
    QCOMPARE(pad.drawingFontName(), setter == 4 ? value.toString() : QStringLiteral("Arial"));
  }

  void copyCarriesTheFiveValuesOnly() {
    QWidget host;
    FormulaPad source(&host);
    source.ReadProperties({{"newtext", "EL POLINOMIO SE PUEDE DESCOMPONER EN:"}, {"newfontname", "Courier"}});
    source.resize(321, 21);
    source.ChangeFont(QStringLiteral("Courier"));
    source.FontSupSize = 9;
    source.Cursor = 5;
    source.PrintText = true;
    source.setToolTip(QStringLiteral("Resultado"));
    source.P();

    FormulaPad* copy = FormulaPad::CopyOf(source, &host);
    QCOMPARE(copy->parentWidget(), &host);
    QVERIFY(copy->isHidden());
    QCOMPARE(copy->size(), source.size());
    QCOMPARE(copy->Text, source.Text);
    QCOMPARE(copy->FontName.toString(), QStringLiteral("Courier"));
    QCOMPARE(copy->FontSupSize.toInt(), 9);
    QCOMPARE(copy->FontNormSize.toInt(), 10);
    QCOMPARE(copy->CellWidth.toInt(), 120);
    QVERIFY(!copy->Cursor.isValid());
    QVERIFY(!copy->PrintText);
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
    copy->Text = QStringLiteral(" (x-2) (+2xe2+4x+8)");
    host.show();
    copy->show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QCOMPARE(copy->accessibleText(), QStringLiteral("HEADER"));
    QCOMPARE(copy->grab().toImage(), header);
    copy->P();
    QCOMPARE(copy->accessibleText(), u" (x-2) (+2x\u00B2+4x+8)"_qs);
  }

  // The typed properties read the members as the redraw takes them, write
  // them without redrawing, and carry the designer's notes.
  void typedProperties_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QVariant>("member");  // stored in the member
    QTest::addColumn<QVariant>("read");    // what the property reads
    QTest::addColumn<bool>("note");        // a designer's note goes with it
    QTest::newRow("cell width") << "CellWidth" << QVariant(200) << QVariant(200.0) << true;
    QTest::newRow("cell width as text") << "CellWidth" << QVariant(" 150 ") << QVariant(150.0) << true;
    QTest::newRow("cell width not loaded") << "CellWidth" << QVariant() << QVariant(0.0) << true;
    QTest::newRow("text") << "Text" << QVariant("3xe2") << QVariant(QStringLiteral("3xe2")) << true;
    QTest::newRow("text as number") << "Text" << QVariant(12) << QVariant(QStringLiteral("12")) << true;
    QTest::newRow("norm size") << "FontNormSize" << QVariant(14) << QVariant(14.0) << true;
    QTest::newRow("sup size") << "FontSupSize" << QVariant(7.5) << QVariant(7.5) << true;
    QTest::newRow("font name") << "FontName" << QVariant("Courier") << QVariant(QStringLiteral("Courier")) << false;
    QTest::newRow("cursor") << "Cursor" << QVariant(3) << QVariant(3) << false;
    QTest::newRow("cursor not set") << "Cursor" << QVariant() << QVariant(0) << false;
  }

  void typedProperties() {
    QFETCH(QString, name);
    QFETCH(QVariant, member);
    QFETCH(QVariant, read);
    QFETCH(bool, note);
    FormulaPad pad;
    const QMetaObject* meta = pad.metaObject();
    const int index = meta->indexOfProperty(qPrintable(name));
    QVERIFY(index >= 0);
    const QMetaProperty property = meta->property(index);
    QVERIFY(property.isWritable());
    QCOMPARE(meta->indexOfClassInfo(qPrintable(name)) >= 0, note);

    QVariant* stored = nullptr;
    for (auto [memberName, field] : {std::pair{"CellWidth", &pad.CellWidth}, std::pair{"Text", &pad.Text},
                                     std::pair{"Cursor", &pad.Cursor}, std::pair{"FontNormSize", &pad.FontNormSize},
                                     std::pair{"FontSupSize", &pad.FontSupSize}, std::pair{"FontName", &pad.FontName}})
      if (name == QLatin1String(memberName)) stored = field;
    QVERIFY(stored);
    *stored = member;
    QCOMPARE(pad.property(qPrintable(name)), read);

    // Writing through the property stores the typed value and does not redraw.
    pad.Text = QStringLiteral("x");
    pad.P();
    QVERIFY(pad.setProperty(qPrintable(name), read));
    QCOMPARE(pad.property(qPrintable(name)), read);
    QCOMPARE(stored->typeId(), read.typeId());
    QCOMPARE(pad.accessibleText(), QStringLiteral("x"));
  }

  void sizeThatIsNotANumberReadsAsNaN() {
    FormulaPad pad;
    pad.FontNormSize = QStringLiteral("grande");
    pad.CellWidth = 1e300;  // beyond single precision
    QVERIFY(std::isnan(pad.fontNormSize()));
    QVERIFY(std::isnan(pad.cellWidth()));
    QVERIFY(!pad.printText());
    QVERIFY(pad.setProperty("PrintText", true));
    QVERIFY(pad.PrintText);
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
