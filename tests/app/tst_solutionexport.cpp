#include <QtTest>

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QMessageBox>
#include <QMimeData>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <functional>
#include <ctime>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include "app/RuffiniTableView.h"
#include "app/SheetBuilder.h"
#include "app/SolutionDialog.h"
#include "app/SolutionDocument.h"
#include "app/SolutionExport.h"
#include "app/SolutionPages.h"
#include "documents/DocumentFiles.h"
#include "graphview/GraphImage.h"
#include "tests/engine/BuildSpeed.h"

// The worked solution as it leaves the program: on the clipboard, in a PDF
// whose text holds the work, in LaTeX that compiles, and in files that are
// written whole or not at all.
class TestSolutionExport : public QObject {
  Q_OBJECT

private slots:
  void pdfHoldsEveryTableInOrder_data();
  void pdfHoldsEveryTableInOrder();
  void latexCompiles_data();
  void latexCompiles();
  void copyPutsTextAndHtml();
  void printingDrawsTheSamePages();
  void largestSolutionCopiesAndSavesQuickly();
  void saveRunsInTheBackground_data();
  void saveRunsInTheBackground();
  void closingFinishesTheFile();
  void failedWriteKeepsTheOldFile_data();
  void failedWriteKeepsTheOldFile();
  void streamsAndReasons_data();
  void streamsAndReasons();
};

namespace {

using factorix::Polynomial;

// p[i] multiplies x^i.
SolutionSheet sheetOf(const Polynomial& p) { return SheetBuilder::build(p, std::nullopt); }

// (x - 1)(x - 2)...(x - n): a table per root, numbers of many digits.
Polynomial rootsOneTo(int n) {
  Polynomial p{1};
  for (int r = 1; r <= n; ++r) {
    Polynomial next(p.size() + 1, 0);
    for (std::size_t i = 0; i < p.size(); ++i) {
      next[i + 1] += p[i];
      next[i] -= r * p[i];
    }
    p = next;
  }
  return p;
}

void addPolynomials() {
  QTest::addColumn<Polynomial>("polynomial");
  QTest::newRow("2x³-16") << Polynomial{-16, 0, 0, 2};
  QTest::newRow("x⁴-5x²+4") << Polynomial{4, 0, -5, 0, 1};
  QTest::newRow("6x³+x²-4x+1: fractions") << Polynomial{1, -4, 1, 6};
  QTest::newRow("x³-2: approximate") << Polynomial{-2, 0, 0, 1};
  QTest::newRow("x²-2x-2: roots 1 ± √3") << Polynomial{-2, -2, 1};
  QTest::newRow("18 roots: tables in bands") << rootsOneTo(18);
}

QString run(const QString& program, const QStringList& arguments, const QString& folder, int* status = nullptr) {
  QProcess process;
  process.setWorkingDirectory(folder);
  process.start(program, arguments);
  if (!process.waitForFinished(120000)) return {};
  if (status) *status = process.exitCode();
  return QString::fromUtf8(process.readAllStandardOutput());
}

// Whether `wanted` are found in `tokens` in their order from `from`; `from`
// moves to the first of them.
bool inOrder(const QStringList& tokens, const QStringList& wanted, qsizetype& from) {
  qsizetype at = from;
  for (qsizetype k = 0; k < wanted.size(); ++k) {
    while (at < tokens.size() && tokens[at] != wanted[k]) ++at;
    if (at == tokens.size()) return false;
    if (k == 0) from = at;
    ++at;
  }
  return true;
}

QStringList searchable(const QStringList& numbers) {
  QStringList out;
  for (const QString& n : numbers) out << QString(n).replace(QChar(0x2212), u'-');
  return out;
}

}  // namespace

void TestSolutionExport::pdfHoldsEveryTableInOrder_data() { addPolynomials(); }

// Each row of each table is found in order in the PDF's text, table after
// table, and so is the factorisation.
void TestSolutionExport::pdfHoldsEveryTableInOrder() {
  QFETCH(Polynomial, polynomial);
  const SolutionSheet sheet = sheetOf(polynomial);
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("s.pdf"));
  QCOMPARE(SolutionPages::writePdf(sheet, path), QString());
  const QString text = run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")}, folder.path());
  static const QRegularExpression number(QStringLiteral("-?\\d+(?:/\\d+)?"));
  QStringList tokens;
  for (const QRegularExpressionMatch& match : number.globalMatch(text)) tokens << match.captured();
  qsizetype from = 0;
  for (const SheetSection& section : sheet.sections) {
    for (const SheetItem& item : section.items) {
      if (!item.table) continue;
      const SheetTable& table = *item.table;
      qsizetype dividend = from;
      QVERIFY2(inOrder(tokens, searchable(table.dividend), dividend), qPrintable(table.caption));
      for (const QStringList& row : {QStringList{table.root} + table.products, table.quotient + QStringList{table.remainder}}) {
        qsizetype at = dividend;
        QVERIFY2(inOrder(tokens, searchable(row), at), qPrintable(table.caption));
      }
      from = dividend + 1;
    }
  }
  const QString factorization = searchable({sheet.sections.last().items.last().text}).first();
  QVERIFY2(text.contains(factorization), qPrintable(factorization));
  // Every text comes back character for character: exponents, roots,
  // accents; only spaces and line breaks may differ.
  static const QRegularExpression space(QStringLiteral("\\s"));
  const QString characters = QString(text).remove(space);
  for (const SheetSection& section : sheet.sections)
    for (const SheetItem& item : section.items + QList<SheetItem>{{section.name, {}}})
      if (!item.table) QVERIFY2(characters.contains(searchable({item.text}).first().remove(space)), qPrintable(item.text));
}

void TestSolutionExport::latexCompiles_data() {
  addPolynomials();
  QTest::newRow("-3x²: common factor") << Polynomial{0, 0, -3};
  const mpz_class wide("100000000000000000000000000000000000000000000000000000000000000000000000000000000");
  QTest::newRow("x³-x²+10⁸⁰x-10⁸⁰: numbers wider than a line") << Polynomial{-wide, wide, -1, 1};
  Polynomial narrow(42, 0);
  narrow.front() = -1;
  narrow.back() = 1;
  QTest::newRow("x⁴¹-1: many narrow columns, terms without spaces") << narrow;
}

// A complete document, its graph in a picture beside it, compiles with the
// packages of a plain TeX Live, nothing in it wider than the page and every
// number of its tables in its text; so does the fragment «Copiar LaTeX»
// copies.
void TestSolutionExport::latexCompiles() {
  QFETCH(Polynomial, polynomial);
  const SolutionSheet sheet = sheetOf(polynomial);
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("resolución 1.tex"));
  QCOMPARE(SolutionDocument(sheet).write(path, DocumentFormat::kLatex), QString());
  QVERIFY(QFile::exists(SolutionDocument::figurePath(path)) == bool(sheet.graph));
  QCOMPARE(DocumentFiles::writeBytes(folder.filePath(QStringLiteral("fragment.tex")),
                                     QByteArrayLiteral("\\documentclass{article}\\begin{document}\n") +
                                         SolutionDocument(sheet).latexFragment().toUtf8() +
                                         QByteArrayLiteral("\\end{document}\n")),
           QString());
  for (const QString& file : {QFileInfo(path).fileName(), QStringLiteral("fragment.tex")}) {
    int status = -1;
    const QString log = run(QStringLiteral("pdflatex"),
                            {QStringLiteral("-halt-on-error"), QStringLiteral("-interaction=nonstopmode"), file},
                            folder.path(), &status);
    QVERIFY2(status == 0, qPrintable(file + u'\n' + log.right(1500)));
    QVERIFY2(!log.contains(QStringLiteral("Overfull \\hbox")), qPrintable(file + u'\n' + log));
  }
  // Digits only: a long number may be broken over lines.
  static const QRegularExpression notDigit(QStringLiteral("\\D"));
  const QString digits = run(QStringLiteral("pdftotext"), {QFileInfo(path).completeBaseName() + QStringLiteral(".pdf"), QStringLiteral("-")},
                             folder.path())
                             .remove(notDigit);
  for (const SheetSection& section : sheet.sections)
    for (const SheetItem& item : section.items)
      if (item.table)
        for (const QString& number : item.table->dividend + item.table->products + item.table->quotient)
          QVERIFY2(digits.contains(QString(number).remove(notDigit)), qPrintable(number));
}

// «Copiar» and Ctrl+C put the text --pasos prints and an HTML page with
// tables and raised exponents; «Copiar LaTeX» the arrays.
void TestSolutionExport::copyPutsTextAndHtml() {
  SolutionDialog dialog(sheetOf({-16, 0, 0, 2}));
  dialog.show();
  QVERIFY(QTest::qWaitForWindowExposed(&dialog));
  QClipboard* clipboard = QGuiApplication::clipboard();
  for (bool byKey : {false, true}) {
    clipboard->clear();
    if (byKey) {
      dialog.tables().first()->setFocus();
      QTest::keyClick(dialog.tables().first(), Qt::Key_C, Qt::ControlModifier);
    } else {
      dialog.findChild<QPushButton*>(QStringLiteral("copiar"))->click();
    }
    const QMimeData* data = clipboard->mimeData();
    QVERIFY(data->hasText() && data->hasHtml());
    QCOMPARE(data->text(), dialog.sheet().plainText);
    QVERIFY(data->html().contains(QStringLiteral("<table")));
    QVERIFY(data->html().contains(QStringLiteral("x<sup>2</sup>")));
  }
  dialog.findChild<QPushButton*>(QStringLiteral("copiarLatex"))->click();
  QVERIFY(clipboard->text().contains(QStringLiteral("\\begin{array}{r|rrrr}")));
}

// «Imprimir…» paints through QPainter what the PDF writer writes itself: a
// printer's PDF holds the same words and numbers (and the graph's labels,
// which the written PDF has in its picture).
void TestSolutionExport::printingDrawsTheSamePages() {
  const SolutionSheet sheet = sheetOf(rootsOneTo(18));
  QTemporaryDir folder;
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(folder.filePath(QStringLiteral("printed.pdf")));
  printer.setPageLayout(DocumentFiles::pageLayout());
  printer.setResolution(600);  // the written PDF's, so that lines break alike
  QVERIFY(SolutionPages(sheet, printer).paint(printer));
  QCOMPARE(SolutionPages::writePdf(sheet, folder.filePath(QStringLiteral("s.pdf"))), QString());
  const auto wordsOf = [&](const QString& name) {
    static const QRegularExpression space(QStringLiteral("\\s+"));
    QStringList words = run(QStringLiteral("pdftotext"), {name, QStringLiteral("-")}, folder.path()).split(space, Qt::SkipEmptyParts);
    words.sort();
    return words;
  };
  const QStringList written = wordsOf(QStringLiteral("s.pdf"));
  const QStringList printed = wordsOf(QStringLiteral("printed.pdf"));
  QVERIFY(written.size() > 200);
  QVERIFY(std::includes(printed.begin(), printed.end(), written.begin(), written.end()));
}

double processorSeconds(const std::function<void()>& work) {
  const std::clock_t start = std::clock();
  work();
  return double(std::clock() - start) / CLOCKS_PER_SEC;
}

// The largest of these solutions the window shows (1.9 million digits of
// tables): «Copiar», «Copiar LaTeX» and saving as text, HTML and LaTeX take
// less than 2 s of processor time together, and so does saving as PDF (the
// better of two runs, whatever else the machine is doing).
void TestSolutionExport::largestSolutionCopiesAndSavesQuickly() {
  if (!factorix::test::kFullSpeed) QSKIP("timed in an optimised build without sanitizers only");
  const SolutionSheet sheet = sheetOf(rootsOneTo(119));
  QTemporaryDir folder;
  const double copies = processorSeconds([&] {
    const SolutionDocument document(sheet);
    delete document.mimeData();
    QVERIFY(!document.latexFragment().isEmpty());
    for (const auto& [name, format] : {std::pair{"s.txt", DocumentFormat::kText}, std::pair{"s.html", DocumentFormat::kHtml},
                                       std::pair{"s.tex", DocumentFormat::kLatex}})
      QCOMPARE(document.write(folder.filePath(QLatin1String(name)), format), QString());
  });
  QVERIFY2(copies < 2, qPrintable(QString::number(copies)));
  double pdf = 1e9;
  for (int run = 0; run < 2 && pdf >= 2; ++run)
    pdf = std::min(pdf, processorSeconds([&] {
                     QCOMPARE(SolutionPages::writePdf(sheet, folder.filePath(QStringLiteral("s.pdf"))), QString());
                   }));
  QVERIFY2(pdf < 2, qPrintable(QString::number(pdf)));
}

void TestSolutionExport::saveRunsInTheBackground_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<bool>("written");
  QTest::newRow("PDF") << QStringLiteral("s.pdf") << true;
  QTest::newRow("into a folder that is not there") << QStringLiteral("no/s.pdf") << false;
}

// «Guardar…» writes on a thread of its own with the export buttons off, then
// turns them on again and, when the write failed, says why.
void TestSolutionExport::saveRunsInTheBackground() {
  QFETCH(QString, name);
  QFETCH(bool, written);
  SolutionDialog dialog(sheetOf(rootsOneTo(40)));
  dialog.show();
  QVERIFY(QTest::qWaitForWindowExposed(&dialog));
  QTemporaryDir folder;
  const QString path = folder.filePath(name);
  auto* save = dialog.findChild<QPushButton*>(QStringLiteral("guardar"));
  QString message;
  QTimer answer;  // closes the message box, keeping its text
  connect(&answer, &QTimer::timeout, [&message] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      message = box->text();
      box->accept();
    }
  });
  answer.start(10);
  dialog.exporter()->save(path, DocumentFormat::kPdf);
  QVERIFY(dialog.exporter()->isBusy() && !save->isEnabled());
  QTRY_VERIFY_WITH_TIMEOUT(!dialog.exporter()->isBusy(), 60000);
  QVERIFY(save->isEnabled());
  QTRY_COMPARE(message.contains(path), !written);
  QCOMPARE(QFile::exists(path), written);
}

// A window closed while its file is written leaves the whole file.
void TestSolutionExport::closingFinishesTheFile() {
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("s.pdf"));
  {
    SolutionDialog dialog(sheetOf(rootsOneTo(40)));
    dialog.exporter()->save(path, DocumentFormat::kPdf);
  }
  QFile file(path);
  QVERIFY(file.open(QIODevice::ReadOnly));
  QVERIFY(file.readAll().trimmed().endsWith("%%EOF"));
  QVERIFY(!QGuiApplication::overrideCursor());
}

void TestSolutionExport::failedWriteKeepsTheOldFile_data() {
  QTest::addColumn<DocumentFormat>("format");
  QTest::addColumn<QString>("name");
  QTest::newRow("PDF") << DocumentFormat::kPdf << QStringLiteral("s.pdf");
  QTest::newRow("LaTeX") << DocumentFormat::kLatex << QStringLiteral("s.tex");
  QTest::newRow("HTML") << DocumentFormat::kHtml << QStringLiteral("s.html");
  QTest::newRow("text") << DocumentFormat::kText << QStringLiteral("s.txt");
  QTest::newRow("graph, SVG") << DocumentFormat::kText << QStringLiteral("s.svg");
  QTest::newRow("graph, PNG") << DocumentFormat::kText << QStringLiteral("s.png");
}

// A disk that fills up (a file size limit) gets a reason and leaves the
// file that was there, and nothing beside it: the documents and the graph's
// pictures alike.
void TestSolutionExport::failedWriteKeepsTheOldFile() {
  QFETCH(DocumentFormat, format);
  QFETCH(QString, name);
  const SolutionSheet sheet = sheetOf(rootsOneTo(12));
  QTemporaryDir folder;
  const QString path = folder.filePath(name);
  QCOMPARE(DocumentFiles::writeBytes(path, "old"), QString());

  std::signal(SIGXFSZ, SIG_IGN);
  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  rlimit small = saved;
  small.rlim_cur = 64;  // bytes
  setrlimit(RLIMIT_FSIZE, &small);
  const QString failure = GraphImage::knownFormat(path) ? GraphImage::write(*sheet.graph, path)
                                                        : SolutionDocument(sheet).write(path, format);
  setrlimit(RLIMIT_FSIZE, &saved);

  QCOMPARE(failure, qt_error_string(EFBIG));  // the system's reason, not "Unknown error"
  QFile old(path);
  QVERIFY(old.open(QIODevice::ReadOnly));
  QCOMPARE(old.readAll(), QByteArray("old"));
  QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{name});
}

void TestSolutionExport::streamsAndReasons_data() {
  QTest::addColumn<QString>("target");  // what the path names before the save
  QTest::addColumn<DocumentFormat>("format");
  QTest::addColumn<int>("error");  // errno whose text is the reason; 0: success; -1: any reason Qt or the system gives
  QTest::newRow("null device, LaTeX") << QStringLiteral("null") << DocumentFormat::kLatex << 0;
  QTest::newRow("full device") << QStringLiteral("full") << DocumentFormat::kText << ENOSPC;
  QTest::newRow("FIFO, PDF") << QStringLiteral("fifo") << DocumentFormat::kPdf << 0;
  QTest::newRow("read-only folder") << QStringLiteral("read-only") << DocumentFormat::kText << -1;
  QTest::newRow("LaTeX over a folder") << QStringLiteral("folder") << DocumentFormat::kLatex << -1;
}

// A device or a FIFO is written straight and stays what it was, with no
// picture beside it; a failure gives a reason and leaves the folder as it
// was, the old picture of a LaTeX document included.
void TestSolutionExport::streamsAndReasons() {
  QFETCH(QString, target);
  QFETCH(DocumentFormat, format);
  QFETCH(int, error);
  const SolutionSheet sheet = sheetOf(rootsOneTo(3));
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("s"));
  const QString picture = SolutionDocument::figurePath(path);
  QCOMPARE(DocumentFiles::writeBytes(picture, "old"), QString());
  const QByteArray name = QFile::encodeName(path);
  if (target == QLatin1String("null") || target == QLatin1String("full")) {
    if (::mknod(name.constData(), S_IFCHR | 0666, makedev(1, target == QLatin1String("null") ? 3 : 7)) != 0)
      QSKIP("no permission to make a device node");
  } else if (target == QLatin1String("fifo")) {
    QCOMPARE(::mkfifo(name.constData(), 0666), 0);
  } else if (target == QLatin1String("folder")) {
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("s")));
  } else {
    if (::geteuid() == 0) QSKIP("root writes in any folder");
    QVERIFY(QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
  }
  const auto kind = [&name] {
    struct stat info {};
    return ::stat(name.constData(), &info) == 0 ? info.st_mode & S_IFMT : 0;
  };
  const auto kindBefore = kind();
  const auto entries = [&folder] { return QDir(folder.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot); };
  const QStringList entriesBefore = entries();
  QProcess reader;
  if (target == QLatin1String("fifo")) {
    reader.start(QStringLiteral("cat"), {path});
    QVERIFY(reader.waitForStarted());
  }

  const QString failure = SolutionDocument(sheet).write(path, format);
  QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

  if (error >= 0) QCOMPARE(failure, error == 0 ? QString() : qt_error_string(error));
  else QVERIFY2(!failure.isEmpty() && failure != QBuffer().errorString(), qPrintable(failure));
  QCOMPARE(kind(), kindBefore);
  QCOMPARE(entries(), entriesBefore);
  QFile old(picture);
  QVERIFY(old.open(QIODevice::ReadOnly));
  QCOMPARE(old.readAll(), QByteArray("old"));
  if (target == QLatin1String("fifo")) {
    QVERIFY(reader.waitForFinished());
    QVERIFY(reader.readAllStandardOutput().trimmed().endsWith("%%EOF"));
  }
}

QTEST_MAIN(TestSolutionExport)
#include "tst_solutionexport.moc"
