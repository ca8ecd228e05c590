#include <QTest>

#include "presentation/FormulaSpelling.h"

// The two spellings of a formula the command line converts between.
class tst_FormulaSpelling : public QObject {
  Q_OBJECT

private slots:
  void toPadText_data() {
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("padText");
    QTest::newRow("raised digits") << QStringLiteral("2x³+0x²+0x-16") << QStringLiteral("2xe3+0xe2+0x-16");
    QTest::newRow("two raised digits") << QStringLiteral("x¹²-1") << QStringLiteral("xe1e2-1");
    QTest::newRow("pad text stays") << QStringLiteral("2xe3+0xe2+0x-16") << QStringLiteral("2xe3+0xe2+0x-16");
    QTest::newRow("mixed") << QStringLiteral("xe2+x³") << QStringLiteral("xe2+xe3");
    QTest::newRow("raised sign") << QStringLiteral("x⁻¹") << QStringLiteral("xe-e1");
    QTest::newRow("not raised by the pad") << QStringLiteral("x√₂−1") << QStringLiteral("x√₂−1");
    QTest::newRow("empty") << QString() << QString();
  }
  void toPadText() {
    QFETCH(QString, shown);
    QFETCH(QString, padText);
    QCOMPARE(FormulaSpelling::toPadText(shown), padText);
  }

  void toSpoken_data() {
    QTest::addColumn<QString>("padText");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("result line") << QStringLiteral("(x-2) (+2xe2+4x+8)") << QStringLiteral("(x-2) (+2x²+4x+8)");
    QTest::newRow("exponent of two digits") << QStringLiteral("+1xe1e1-1") << QStringLiteral("+1x¹¹-1");
    QTest::newRow("markers") << QStringLiteral("s2rx;") << QStringLiteral("²√x");
    QTest::newRow("e at the end") << QStringLiteral("x+e") << QStringLiteral("x+");
  }
  void toSpoken() {
    QFETCH(QString, padText);
    QFETCH(QString, spoken);
    QCOMPARE(FormulaSpelling::toSpoken(padText), spoken);
  }

  // The byte-by-byte spelling of long lines agrees with the layout's, and
  // leaves to it what it cannot spell.
  void appendSpokenAgreesWithTheLayout() {
    const char alphabet[] = "0123456789+-x()e e^*/a;rsq~\x7f\xc3\xa9\t";
    quint64 state = 88172645463325252ull;
    const auto next = [&state] {
      state ^= state << 13;
      state ^= state >> 7;
      state ^= state << 17;
      return state;
    };
    for (int round = 0; round < 2000; ++round) {
      std::string text;
      for (int i = int(next() % 24); i > 0; --i) text += alphabet[next() % (sizeof alphabet - 1)];
      std::string spoken = "> ";
      FormulaSpelling::appendSpoken(text, spoken);
      const QString expected = FormulaSpelling::toSpoken(QString::fromUtf8(text.data(), qsizetype(text.size())));
      QCOMPARE(QString::fromStdString(spoken), QStringLiteral("> ") + expected);
    }
  }

  // Every character the pad draws raised reads back as the same pad text,
  // so that every line a screen reader reads can be fed back. The markers
  // e, s, r and ; draw nothing of their own and are left out.
  void everyRaisedCharacterReadsBack() {
    int raised = 0;
    for (char16_t c = u'!'; c <= u'~'; ++c) {
      if (QStringLiteral("esr;").contains(QChar(c))) continue;
      const QString padText = QStringLiteral("1xe") + QChar(c) + QStringLiteral("+1");
      const QString spoken = FormulaSpelling::toSpoken(padText);
      QCOMPARE(spoken.size(), 5);
      if (spoken.at(2) == QChar(c)) continue;  // no superscript for it: drawn as itself
      ++raised;
      QCOMPARE(FormulaSpelling::toPadText(spoken), padText);
    }
    QVERIFY(raised >= 10 + 25);  // the digits and the letters but q, at least
  }
};

QTEST_APPLESS_MAIN(tst_FormulaSpelling)
#include "tst_formulaspelling.moc"
