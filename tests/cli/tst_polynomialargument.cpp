#include <QtTest>

#include <set>

#include "cli/PolynomialArgument.h"
#include "formulapad/FormulaEditor.h"

// The command line takes a TEXTO as the window takes what was typed when
// the pad's keys could have written it: its alphabet is exactly what they
// write.
class TestPolynomialArgument : public QObject {
  Q_OBJECT

private slots:
  void alphabetIsWhatTheKeysWrite() {
    std::set<char16_t> written;
    for (int key = 0; key < 256; ++key)
      for (int state = 0; state < 8; ++state)
        for (const QChar c : FormulaEditor::charactersFor(key, state)) written.insert(c.unicode());
    for (char16_t c = 1; c < 0x3000; ++c)
      QVERIFY2(PolynomialArgument::padCouldHold(QStringView(&c, 1)) == (written.count(c) > 0),
               qPrintable(QString(QChar(c))));
  }
};

QTEST_GUILESS_MAIN(TestPolynomialArgument)
#include "tst_polynomialargument.moc"
