#include <QtTest>

#include <QAccessible>
#include <QGroupBox>
#include <QPushButton>
#include <QScrollArea>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QScrollBar>

#include "MainWindowFixture.h"
#include "app/Form2.h"
#include "app/RuffiniTableModel.h"
#include "app/RuffiniTableView.h"
#include "app/SolutionDialog.h"
#include "app/SolutionOpener.h"
#include "app/TextBlock.h"

// «Resolución paso a paso»: what opens it and from where, how its sections
// and tables read to assistive technology, and how the keyboard moves in it.
class TestSolution : public QObject {
  Q_OBJECT

private slots:
  void init();
  void cleanup();
  void opens_data();
  void opens();
  void nothingOpens_data();
  void nothingOpens();
  void editedLineOpensItsCalculationsRoot();
  void tooLargeToShow();
  void sections_data();
  void sections();
  void graph();
  void tableNames();
  void oneCellHasTheFocus();
  void currentCellStaysInView();
  void zoom_data();
  void zoom();
  void tabReachesEverySection();
  void closes_data();
  void closes();
  void helpOpensOnTheResults();
};

namespace {

std::unique_ptr<MainWindowFixture> window;

FormulaPad* pad(int index) { return window->results().at(index); }
SolutionDialog* openDialog() { return window->form->solution().dialog(); }

// Opens the window from pad `index` (0, the heading) by `how`.
SolutionDialog* openFrom(int index, const QString& how) {
  FormulaPad* from = pad(index);
  if (how == QLatin1String("double-click")) {
    QTest::mouseDClick(from, Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));
  } else {
    from->setFocus();
    const bool enter = how == QLatin1String("Enter");
    QTest::keyClick(from, enter ? Qt::Key_Enter : Qt::Key_Return, enter ? Qt::KeypadModifier : Qt::NoModifier);
  }
  return openDialog();
}

SolutionDialog* shown(SolutionDialog* dialog) {
  if (dialog && QTest::qWaitForWindowExposed(dialog)) QApplication::setActiveWindow(dialog);
  return dialog;
}

QString rowText(RuffiniTableView* table, int row) {
  QStringList cells;
  for (int c = 0; c < table->tableModel()->columnCount(); ++c) cells << table->tableModel()->text(row, c);
  return cells.join(u'|');
}

// The lines of text of the section `name`, top to bottom.
QStringList sectionLines(SolutionDialog* dialog, const QString& name) {
  QStringList lines;
  for (TextBlock* block : dialog->section(name)->findChildren<TextBlock*>()) lines << block->text().split(u'\n');
  return lines;
}

QAccessibleTableInterface* accessibleTable(RuffiniTableView* table) {
  return QAccessible::queryAccessibleInterface(table)->tableInterface();
}

// The cells of every table of `dialog` that report the focus.
int focusedCells(SolutionDialog* dialog) {
  int focused = 0;
  for (RuffiniTableView* table : dialog->tables()) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(table);
    for (int i = 0; i < iface->childCount(); ++i) focused += iface->child(i)->state().focused ? 1 : 0;
  }
  return focused;
}

}  // namespace

void TestSolution::init() { window = std::make_unique<MainWindowFixture>(); }

void TestSolution::cleanup() {
  if (openDialog()) openDialog()->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  window.reset();
}

void TestSolution::opens_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<bool>("calculate");
  QTest::addColumn<int>("index");
  QTest::addColumn<QString>("how");
  QTest::addColumn<QString>("firstRoot");  // of the first table; "" for none
  // x² − 1: line 1 is the root −1, line 2 the root 1
  QTest::newRow("line, double-click") << "1xe2+0x-1" << true << 2 << "double-click" << "1";
  QTest::newRow("line, Return") << "1xe2+0x-1" << true << 1 << "Return" << "−1";
  QTest::newRow("line, keypad Enter") << "1xe2+0x-1" << true << 2 << "Enter" << "1";
  QTest::newRow("heading, Return") << "1xe3-1xe2-1x+1" << true << 0 << "Return" << "−1";
  QTest::newRow("heading, double-click") << "2xe3+0xe2+0x-16" << true << 0 << "double-click" << "2";
  QTest::newRow("heading, no root") << "1xe2+1" << true << 0 << "Enter" << "";
  QTest::newRow("heading before Calcular") << "2xe3+0xe2+0x-16" << false << 0 << "Return" << "2";
}

void TestSolution::opens() {
  QFETCH(QString, text);
  QFETCH(bool, calculate);
  QFETCH(int, index);
  QFETCH(QString, how);
  QFETCH(QString, firstRoot);
  if (calculate)
    QVERIFY(!window->calculate(text).shown);
  else
    window->form->dividendo()->setText(text);
  const QString before = pad(index)->text();
  SolutionDialog* dialog = openFrom(index, how);
  QVERIFY(dialog);
  QVERIFY(dialog->isVisible());
  QCOMPARE(dialog->windowTitle(), QStringLiteral("Resolución paso a paso"));
  QCOMPARE(dialog->windowModality(), Qt::ApplicationModal);
  const QString root = dialog->tables().isEmpty()
                           ? QString()
                           : dialog->tables().first()->tableModel()->text(RuffiniTableModel::kProductRow, 0);
  QCOMPARE(root, firstRoot);
  QCOMPARE(pad(index)->text(), before);  // the pad wrote nothing for the key
  QCOMPARE(pad(index)->toolTip().section(u'\n', 0, 0), QStringLiteral("Doble clic: resolución paso a paso"));
}

void TestSolution::nothingOpens_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<int>("index");
  QTest::newRow("line of a general text") << "1xe2+0x+a-1" << 1;
  QTest::newRow("heading of a general text") << "1xe2+0x+a-1" << 0;
}

void TestSolution::nothingOpens() {
  QFETCH(QString, text);
  QFETCH(int, index);
  window->calculate(text);
  QVERIFY(!openFrom(index, QStringLiteral("double-click")));
  QVERIFY(!openFrom(index, QStringLiteral("Return")));
  QVERIFY(!QApplication::activeModalWidget());
}

void TestSolution::editedLineOpensItsCalculationsRoot() {
  // The pads can be typed into: neither the line's text nor the input pad's
  // changes the work the line stands for.
  window->calculate(QStringLiteral("2xe3+0xe2+0x-16"));
  pad(1)->setText(QStringLiteral("(x-3)"));
  window->form->dividendo()->setText(QStringLiteral("1xe2+1"));
  SolutionDialog* dialog = openFrom(1, QStringLiteral("Return"));
  QVERIFY(dialog);
  QCOMPARE(dialog->polynomial()->text(), QStringLiteral("P(x) = 2x³−16"));
  QCOMPARE(rowText(dialog->tables().first(), RuffiniTableModel::kQuotientRow), QStringLiteral("|2|4|8|0"));
}

void TestSolution::tooLargeToShow() {
  // x^401 − 1: the search finds its root 1, but the work is past what the
  // window takes.
  window->calculate(QStringLiteral("1xe4e0e1-1"));
  QCOMPARE(window->results().upperBound(), 1);
  const SeenBox seen = answerBox([] { QVERIFY(!window->form->solution().open(pad(1))); });
  QCOMPARE(seen.text, QStringLiteral("Se produjo un error. Revise el cálculo."));
  QVERIFY(!openDialog());
}

void TestSolution::sections_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<int>("index");  // the pad that opens it: 0 is the heading
  QTest::addColumn<QStringList>("sections");
  QTest::addColumn<QStringList>("roots");  // the lines of "Raíces"
  const QString integer = QStringLiteral("Raíces enteras");
  const QString tail = QStringLiteral("Raíces|Factorización|Gráfica");
  QTest::newRow("common factor, complex pair")
      << "2xe3+0xe2+0x-16" << 0 << QStringLiteral("Factor común|%1|Segundo grado|%2").arg(integer, tail).split(u'|')
      << QStringList{"x = 2", "x = −1−√3i", "x = −1+√3i"};
  QTest::newRow("rational root, surds")
      << "2xe3-1xe2-4x+2" << 0 << QStringLiteral("%1|Raíces racionales|Segundo grado|%2").arg(integer, tail).split(u'|')
      << QStringList{"x = −√2", "x = 1/2", "x = √2"};
  QTest::newRow("biquadratic") << "1xe4-5xe2+6" << 0 << QStringLiteral("%1|Bicuadrada|%2").arg(integer, tail).split(u'|')
                               << QStringList{"x = −√3", "x = −√2", "x = √2", "x = √3"};
  QTest::newRow("approximate") << "1xe3-1x-1" << 0
                               << QStringLiteral("%1|Raíces aproximadas|%2").arg(integer, tail).split(u'|')
                               << QStringList{"x ≈ 1,324718", "x ≈ −0,662359−0,562280i", "x ≈ −0,662359+0,562280i"};
  // The equation of the first degree closes the section before it, or
  // opens «Raíces» when nothing comes before it.
  QTest::newRow("from a line's root") << "1xe2+0x-1" << 1 << QStringLiteral("%1|%2").arg(integer, tail).split(u'|')
                                      << QStringList{"x = −1", "x = 1"};
  QTest::newRow("first degree alone") << "2x-1" << 0 << tail.split(u'|')
                                      << QStringList{"2x−1 = 0, x = 1/2", "x = 1/2"};
}

void TestSolution::sections() {
  QFETCH(QString, text);
  QFETCH(int, index);
  QFETCH(QStringList, sections);
  QFETCH(QStringList, roots);
  window->calculate(text);
  SolutionDialog* dialog = openFrom(index, QStringLiteral("Return"));
  QVERIFY(dialog);
  QStringList names;
  for (QGroupBox* section : dialog->sections()) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(section);
    QCOMPARE(iface->role(), QAccessible::Grouping);
    names << iface->text(QAccessible::Name);
    QCOMPARE(dialog->section(names.last()), section);
  }
  QCOMPARE(names, sections);
  QCOMPARE(sectionLines(dialog, QStringLiteral("Raíces")), roots);
}

void TestSolution::graph() {
  window->calculate(QStringLiteral("2xe3+0xe2+0x-16"));
  SolutionDialog* dialog = openFrom(0, QStringLiteral("Return"));
  QVERIFY(dialog);
  // The graph is an image named "Gráfica" that names the range and the root.
  auto* graph = dialog->section(QStringLiteral("Gráfica"))->findChild<QWidget*>(QStringLiteral("grafica"));
  QVERIFY(graph);
  QAccessibleInterface* image = QAccessible::queryAccessibleInterface(graph);
  QCOMPARE(image->role(), QAccessible::Graphic);
  QCOMPARE(image->text(QAccessible::Name), QStringLiteral("Gráfica"));
  QVERIFY(image->text(QAccessible::Description).startsWith(QStringLiteral("Gráfica de P(x) en [")));
  QVERIFY(image->text(QAccessible::Description).endsWith(QStringLiteral("; corta el eje X en x = 2")));
}

void TestSolution::tableNames() {
  window->calculate(QStringLiteral("2xe3+0xe2+0x-16"));
  SolutionDialog* dialog = openFrom(1, QStringLiteral("Return"));
  QVERIFY(dialog);
  RuffiniTableView* table = dialog->tables().first();
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(table);
  QCOMPARE(iface->role(), QAccessible::Table);
  QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("División entre (x−2)"));
  QAccessibleTableInterface* cells = iface->tableInterface();
  QStringList rows, columns, read;
  for (int r = 0; r < cells->rowCount(); ++r) rows << cells->rowDescription(r);
  for (int c = 0; c < cells->columnCount(); ++c) columns << cells->columnDescription(c);
  QCOMPARE(rows, (QStringList{"Dividendo", "Productos", "Cociente y resto"}));
  QCOMPARE(columns, (QStringList{"Raíz", "x³", "x²", "x", "término independiente"}));
  for (int r = 0; r < cells->rowCount(); ++r) {
    QStringList line;
    for (int c = 0; c < cells->columnCount(); ++c) {
      QAccessibleInterface* cell = cells->cellAt(r, c);
      QVERIFY(!cell->actionInterface());  // nothing to toggle or press
      QCOMPARE(iface->child(iface->indexOfChild(cell)), cell);
      QCOMPARE(cell->tableCellInterface()->columnHeaderCells().first()->text(QAccessible::Name), columns.at(c));
      line << cell->text(QAccessible::Name);
    }
    read << line.join(u'|');
  }
  QCOMPARE(read, (QStringList{"|2|0|0|−16", "2||4|8|16", "|2|4|8|0"}));
  // the caption shows what the table is named
  const QList<TextBlock*> blocks = table->parentWidget()->findChildren<TextBlock*>();
  const auto caption = std::find_if(blocks.begin(), blocks.end(), [table](TextBlock* b) { return b->buddy() == table; });
  QVERIFY(caption != blocks.end());
  QCOMPARE((*caption)->text(), iface->text(QAccessible::Name));
}

void TestSolution::oneCellHasTheFocus() {
  // (x − 1)(x − 2)(x − 3)(x − 4)(x − 5): three tables; only the focused
  // table's current cell reports the focus, whichever table had one before.
  window->calculate(QStringLiteral("1xe5-15xe4+85xe3-225xe2+274x-120"));
  SolutionDialog* dialog = shown(openFrom(0, QStringLiteral("Return")));
  QVERIFY(dialog && dialog->tables().size() == 3);
  QCOMPARE(focusedCells(dialog), 0);
  for (RuffiniTableView* table : dialog->tables()) {
    table->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(table->hasFocus());
    QTest::keyClick(table, Qt::Key_Right);
    QCOMPARE(focusedCells(dialog), 1);
    const QModelIndex current = table->currentIndex();
    QVERIFY(accessibleTable(table)->cellAt(current.row(), current.column())->state().focused);
  }
  dialog->closeButton()->setFocus();
  QCOMPARE(focusedCells(dialog), 0);
}

void TestSolution::currentCellStaysInView() {
  // (x − p)(x²⁹ + x²⁸ + … + 1), p = 10⁹ + 7: 31 columns of 10-digit
  // numbers, far wider than the window.
  QString text = QStringLiteral("1xe3e0");
  for (int power = 29; power >= 1; --power) {
    text += QStringLiteral("-1000000006x");
    if (power > 1)
      for (const QChar digit : QString::number(power)) text += QStringLiteral("e") + digit;
  }
  window->calculate(text + QStringLiteral("-1000000007"));
  SolutionDialog* dialog = shown(openFrom(1, QStringLiteral("Return")));
  QVERIFY(dialog);
  RuffiniTableView* table = dialog->tables().first();
  QVERIFY(table->width() > dialog->scrollArea()->viewport()->width());
  table->setFocus(Qt::TabFocusReason);
  const auto inView = [&] {
    const QRect cell = table->visualRect(table->currentIndex());
    const QRect seen(table->viewport()->mapTo(dialog->scrollArea()->viewport(), cell.topLeft()), cell.size());
    return dialog->scrollArea()->viewport()->rect().contains(seen);
  };
  for (const Qt::Key key : {Qt::Key_End, Qt::Key_Home, Qt::Key_Down, Qt::Key_End, Qt::Key_Left, Qt::Key_Home}) {
    QTest::keyClick(table, key);
    QVERIFY2(inView(), qPrintable(QStringLiteral("after key %1").arg(key, 0, 16)));
  }
  QTest::keyClick(table, Qt::Key_End);
  QVERIFY(dialog->scrollArea()->horizontalScrollBar()->value() > 0);
}

void TestSolution::zoom_data() {
  QTest::addColumn<QList<QKeyCombination>>("keys");
  QTest::addColumn<int>("percent");
  const auto ctrl = Qt::ControlModifier;
  const auto keypad = Qt::ControlModifier | Qt::KeypadModifier;
  QTest::newRow("Ctrl++") << QList<QKeyCombination>{ctrl | Qt::Key_Plus} << 110;
  QTest::newRow("Ctrl+= (US)") << QList<QKeyCombination>{ctrl | Qt::Key_Equal, ctrl | Qt::Key_Equal} << 125;
  QTest::newRow("keypad") << QList<QKeyCombination>{keypad | Qt::Key_Plus, keypad | Qt::Key_Minus, keypad | Qt::Key_Minus} << 90;
  QTest::newRow("Ctrl+−") << QList<QKeyCombination>{ctrl | Qt::Key_Minus} << 90;
  QTest::newRow("Ctrl+0") << QList<QKeyCombination>{ctrl | Qt::Key_Plus, ctrl | Qt::Key_Plus, ctrl | Qt::Key_0} << 100;
  QTest::newRow("largest") << QList<QKeyCombination>(20, ctrl | Qt::Key_Plus) << 400;
  QTest::newRow("smallest") << QList<QKeyCombination>(20, ctrl | Qt::Key_Minus) << 50;
}

void TestSolution::zoom() {
  QFETCH(QList<QKeyCombination>, keys);
  QFETCH(int, percent);
  window->calculate(QStringLiteral("2xe3+0xe2+0x-16"));
  SolutionDialog* dialog = shown(openFrom(1, QStringLiteral("Return")));
  QVERIFY(dialog);
  RuffiniTableView* table = dialog->tables().first();
  const QSize tableBefore = table->size();
  const int textBefore = dialog->polynomial()->sizeHint().height();
  for (const QKeyCombination key : keys) QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
  QCOMPARE(dialog->zoom(), percent);
  const auto grows = [percent](int before, int after) { return percent > 100 ? after > before : percent < 100 ? after < before : after == before; };
  QVERIFY(grows(tableBefore.width(), table->width()));
  QVERIFY(grows(textBefore, dialog->polynomial()->sizeHint().height()));
  QCOMPARE(table->size(), table->sizeHint());  // the cells still fit
}

void TestSolution::tabReachesEverySection() {
  window->calculate(QStringLiteral("1xe3-1xe2-1x+1"));
  SolutionDialog* dialog = shown(openFrom(1, QStringLiteral("Return")));
  QVERIFY(dialog);
  QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(dialog->polynomial()));
  QSet<QGroupBox*> reached;
  for (int i = 0; i < 20 && QApplication::focusWidget() != dialog->closeButton(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(QApplication::focusWidget());
    for (QGroupBox* section : dialog->sections())
      if (section->isAncestorOf(QApplication::focusWidget())) reached << section;
    QWidget* focus = QApplication::focusWidget();
    QWidget* view = dialog->scrollArea()->viewport();
    if (view->isAncestorOf(focus))
      QVERIFY(view->rect().intersects(QRect(focus->mapTo(view, QPoint()), focus->size())));
  }
  QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(dialog->closeButton()));
  QCOMPARE(reached.size(), dialog->sections().size());
}

void TestSolution::closes_data() {
  QTest::addColumn<QString>("how");
  QTest::newRow("Escape") << "Escape";
  QTest::newRow("Cerrar") << "Cerrar";
  QTest::newRow("Return on Cerrar") << "Return";
}

void TestSolution::closes() {
  QFETCH(QString, how);
  window->calculate(QStringLiteral("2xe3+0xe2+0x-16"));
  SolutionDialog* dialog = shown(openFrom(1, QStringLiteral("Return")));
  QVERIFY(dialog);
  QCOMPARE(dialog->closeButton()->text(), QStringLiteral("Cerrar"));
  if (how == QLatin1String("Escape")) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  } else if (how == QLatin1String("Return")) {
    dialog->closeButton()->setFocus();
    QTest::keyClick(dialog->closeButton(), Qt::Key_Return);
  } else {
    QTest::mouseClick(dialog->closeButton(), Qt::LeftButton);
  }
  QTRY_VERIFY(!openDialog());
  QVERIFY(openFrom(1, QStringLiteral("double-click")));  // and the line opens it again
}

// F1 opens «Ayuda» over the window, its paragraph on the results at the top
// with the cursor at its start.
void TestSolution::helpOpensOnTheResults() {
  window->calculate(QStringLiteral("2xe3+0xe2+0x-16"));
  SolutionDialog* dialog = shown(openFrom(1, QStringLiteral("Return")));
  QVERIFY(dialog);
  QString top, cursorLine;
  QTimer::singleShot(0, [&] {
    auto* help = qobject_cast<Form2*>(QApplication::activeModalWidget());
    if (!help) return;
    top = help->h()->cursorForPosition(QPoint(4, 4)).block().text();
    cursorLine = help->h()->textCursor().block().text();
    help->close();
  });
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
  const QString paragraph = QStringLiteral("Para calcular las descomposiciones posibles, haga click ");
  QCOMPARE(top, paragraph);
  QCOMPARE(cursorLine, paragraph);
  QVERIFY(openDialog());  // the worked solution stays open under it
}

QTEST_MAIN(TestSolution)
#include "tst_solution.moc"
