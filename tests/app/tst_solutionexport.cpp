#include <QtTest>

#include <QProcess>
#include <QTemporaryDir>

#include "app/GraphSection.h"
#include "app/SolutionPages.h"
#include "app/SolutionSheet.h"

class TestSolutionExport : public QObject {
  Q_OBJECT

private slots:
  void pdfHoldsTheTablesInOrder();
};

namespace {

const QChar kMinus(0x2212);

SolutionSheet example() {
  SolutionSheet sheet;
  sheet.polynomial = QStringLiteral("P(x) = 2x³ − 16");
  SheetTable table{QStringLiteral("División entre (x−2)"), QStringLiteral("2"),
                   {QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("0"), QString(kMinus) + u'8'},
                   {QStringLiteral("2"), QStringLiteral("4"), QStringLiteral("8")},
                   {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("4")},
                   QStringLiteral("0")};
  sheet.sections << SheetSection{QStringLiteral("Factor común"), {{QStringLiteral("P(x) = 2(x³−8)"), std::nullopt}}};
  sheet.sections << SheetSection{QStringLiteral("Raíces enteras"),
                                 {{QStringLiteral("x = −1: resto −9\nx = 1: resto −7\nx = 2: resto 0"), std::nullopt},
                                  {{}, table},
                                  {QStringLiteral("x³−8 = (x−2)(x²+2x+4)"), std::nullopt}}};
  if (qEnvironmentVariableIsSet("WIDE")) {
    SheetTable wide;
    wide.caption = QStringLiteral("Ancha");
    wide.root = QStringLiteral("−123");
    const int n = qEnvironmentVariableIntValue("WIDE");
    const int digits = qEnvironmentVariableIntValue("DIGITS");
    for (int i = 0; i <= n; ++i) wide.dividend << QString::number(i) + QString(digits, u'7');
    for (int i = 0; i < n; ++i) wide.products << QString(kMinus) + QString::number(i) + QString(digits, u'5');
    for (int i = 0; i < n; ++i) wide.quotient << QString::number(i) + QString(digits, u'3');
    wide.remainder = QStringLiteral("0");
    for (int k = 0; k < qEnvironmentVariableIntValue("TABLES"); ++k) sheet.sections.last().items.append({{}, wide});
  }
  sheet.sections << SheetSection{QStringLiteral("Factorización"), {{QStringLiteral("2(x−2)(x²+2x+4)"), std::nullopt}}};
  sheet.graph = GraphSection::data({-16, 0, 0, 2});
  return sheet;
}

QString pdfText(const QString& path) {
  QProcess process;
  process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
  if (!process.waitForFinished(60000)) return {};
  return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace

void TestSolutionExport::pdfHoldsTheTablesInOrder() {
  QTemporaryDir folder;
  const QString path = qEnvironmentVariableIsSet("KEEP_PDF") ? qEnvironmentVariable("KEEP_PDF") : folder.filePath(QStringLiteral("s.pdf"));
  const SolutionSheet sheet = example();
  QElapsedTimer t; t.start();
  QCOMPARE(SolutionPages::writePdf(sheet, path), QString());
  qDebug() << "ms" << t.elapsed();
  if (qEnvironmentVariableIsSet("WIDE")) return;
  const QString text = pdfText(path);
  qDebug().noquote() << text;
}

QTEST_MAIN(TestSolutionExport)
#include "tst_solutionexport.moc"
