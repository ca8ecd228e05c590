#include <QtTest>

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <functional>
#include <memory>

#include "app/Form1.h"
#include "app/ResultList.h"
#include "app/RuffiniDialog.h"
#include "app/RuffiniOpener.h"
#include "app/RuffiniTableModel.h"
#include "app/RuffiniTableView.h"
#include "formulapad/FormulaPad.h"

// The Ruffini window: how a result line opens it, what it shows, and how
// it reads to assistive technology.
class TestRuffini : public QObject {
  Q_OBJECT

private slots:
  void init();
  void cleanup();
  void opens_data();
  void opens();
  void nothingOpens_data();
  void nothingOpens();
  void tables_data();
  void tables();
  void quotientsAndFactorization();
  void closes_data();
  void closes();
  void tabReachesCerrar();
  void keyboardCellIsANumber();
  void accessibleTables();
  void tooLargeToShow();
  void linesOfTheCalculationNotOfThePad();
};

namespace {

std::unique_ptr<Form1> form;

// Runs `action`, closing every message box it opens; returns the title and
// text of the last one ("" for none).
QString closingBoxes(const std::function<void()>& action) {
  QString seen;
  QTimer poll;
  poll.setInterval(5);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      seen = box->windowTitle() + u'|' + box->text();
      box->close();
    }
  });
  poll.start();
  action();
  return seen;
}

// Every line of a calculation of `text`; the message box, if any, closed.
QString calculate(const QString& text) {
  form->dividendo()->setText(text);
  return closingBoxes([] { form->Command1_Click(); });
}

FormulaPad* line(int index) { return form->resultado().at(index); }

RuffiniDialog* openDialog() { return form->ruffini().dialog(); }

// The text of a table's row, cells joined by "|".
QString row(RuffiniTableView* table, int r) {
  QStringList cells;
  for (int c = 0; c < table->tableModel()->columnCount(); ++c) cells << table->tableModel()->text(r, c);
  return cells.join(u'|');
}

}  // namespace

void TestRuffini::init() {
  form = std::make_unique<Form1>();
  form->Form_Load();
  QVERIFY(QTest::qWaitForWindowExposed(form.get()));
}

void TestRuffini::cleanup() {
  if (openDialog()) openDialog()->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  form.reset();
}

void TestRuffini::opens_data() {
  QTest::addColumn<QString>("how");
  QTest::newRow("double-click") << "double-click";
  QTest::newRow("Return") << "Return";
  QTest::newRow("keypad Enter") << "Enter";
}

void TestRuffini::opens() {
  QFETCH(QString, how);
  calculate(QStringLiteral("1xe2+0x-1"));
  FormulaPad* second = line(2);
  if (how == QLatin1String("double-click")) {
    QTest::mouseDClick(second, Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));
  } else {
    second->setFocus();
    QTest::keyClick(second, how == QLatin1String("Return") ? Qt::Key_Return : Qt::Key_Enter,
                    how == QLatin1String("Return") ? Qt::NoModifier : Qt::KeypadModifier);
  }
  RuffiniDialog* dialog = openDialog();
  QVERIFY(dialog);
  QVERIFY(dialog->isVisible());
  QCOMPARE(dialog->windowTitle(), QStringLiteral("Regla de Ruffini"));
  QCOMPARE(dialog->windowModality(), Qt::ApplicationModal);
  // the second line is the root +1
  QCOMPARE(dialog->tables().first()->tableModel()->text(RuffiniTableModel::kProductRow, 0), QStringLiteral("1"));
  // the pad wrote nothing for the key
  QCOMPARE(second->text(), QStringLiteral(" (x-1) (+1x+1)"));
}

void TestRuffini::nothingOpens_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<int>("index");
  QTest::newRow("heading") << "1xe2+0x-1" << 0;
  QTest::newRow("general path") << "1xe2+0x+a-1" << 1;
}

void TestRuffini::nothingOpens() {
  QFETCH(QString, text);
  QFETCH(int, index);
  calculate(text);
  QVERIFY(form->resultado().upperBound() >= 1);
  QTest::mouseDClick(line(index), Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));
  line(index)->setFocus();
  QTest::keyClick(line(index), Qt::Key_Return);
  QVERIFY(!openDialog());
  QVERIFY(!QApplication::activeModalWidget());
}

void TestRuffini::tables_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<int>("index");
  QTest::addColumn<QStringList>("rows");  // three rows per table
  QTest::newRow("2x3-16") << "2xe3+0xe2+0x-16" << 1
                          << QStringList{"|2|0|0|-16", "2||4|8|16", "|2|4|8|0"};
  // (x-1)^2 (x+1): the line of +1, then -1, then +1 again
  QTest::newRow("repeated root") << "1xe3-1xe2-1x+1" << 2
                                 << QStringList{"|1|-1|-1|1", "1||1|0|-1", "|1|0|-1|0",
                                                "|1|0|-1", "-1||-1|1", "|1|-1|0",
                                                "|1|-1", "1||1", "|1|0"};
  QTest::newRow("huge numbers") << "1xe2+0x-10000000000000000000000000000000000000000" << 1
                                << QStringList{"|1|0|-10000000000000000000000000000000000000000",
                                               "-100000000000000000000||-100000000000000000000|10000000000000000000000000000000000000000",
                                               "|1|-100000000000000000000|0",
                                               "|1|-100000000000000000000", "100000000000000000000||100000000000000000000", "|1|0"};
}

void TestRuffini::tables() {
  QFETCH(QString, text);
  QFETCH(int, index);
  QFETCH(QStringList, rows);
  QCOMPARE(calculate(text), QString());
  QVERIFY2(form->resultado().upperBound() >= index, qPrintable(QString::number(form->resultado().upperBound())));
  RuffiniDialog* dialog = form->ruffini().open(line(index)->text());
  QVERIFY(dialog);
  QStringList seen;
  for (RuffiniTableView* table : dialog->tables())
    for (int r = 0; r < 3; ++r) seen << row(table, r);
  QCOMPARE(seen, rows);
  // numbers right-aligned, every column wide enough for its longest number
  RuffiniTableView* first = dialog->tables().first();
  const QModelIndex cell = first->model()->index(0, 1);
  QCOMPARE(cell.data(Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
  const QFontMetrics metrics(first->font());
  for (int c = 0; c < first->model()->columnCount(); ++c)
    for (int r = 0; r < 3; ++r)
      QVERIFY(first->columnWidth(c) > metrics.horizontalAdvance(first->tableModel()->text(r, c)));
  QCOMPARE(first->size(), first->sizeHint());
}

void TestRuffini::quotientsAndFactorization() {
  calculate(QStringLiteral("1xe3-1xe2-1x+1"));
  RuffiniDialog* dialog = form->ruffini().open(line(1)->text());
  QVERIFY(dialog);
  QCOMPARE(dialog->polynomial()->text(), QStringLiteral("P(x) = x³-x²-x+1"));
  QStringList quotients, remainders;
  for (QLabel* label : dialog->quotients()) quotients << label->text();
  for (QLabel* label : dialog->remainders()) remainders << label->text();
  QCOMPARE(quotients, (QStringList{"Cociente: x²-2x+1", "Cociente: x-1", "Cociente: 1"}));
  QCOMPARE(remainders, (QStringList{"Resto: 0", "Resto: 0", "Resto: 0"}));
  QCOMPARE(dialog->factorization()->text(), QStringLiteral("(x+1)(x-1)²"));
  QVERIFY(dialog->factorization()->isReadOnly());
  QCOMPARE(dialog->factorization()->accessibleName(), QStringLiteral("Factorización"));
}

void TestRuffini::closes_data() {
  QTest::addColumn<QString>("how");
  QTest::newRow("Escape") << "Escape";
  QTest::newRow("Cerrar") << "Cerrar";
  QTest::newRow("Return on Cerrar") << "Return";
  QTest::newRow("keypad Enter on Cerrar") << "Enter";
}

void TestRuffini::closes() {
  QFETCH(QString, how);
  calculate(QStringLiteral("2xe3+0xe2+0x-16"));
  RuffiniDialog* dialog = form->ruffini().open(line(1)->text());
  QVERIFY(QTest::qWaitForWindowExposed(dialog));
  QCOMPARE(dialog->closeButton()->text(), QStringLiteral("Cerrar"));
  if (how == QLatin1String("Escape")) {
    QTest::keyClick(dialog->focusWidget(), Qt::Key_Escape);
  } else if (how == QLatin1String("Return")) {
    dialog->closeButton()->setFocus();
    QTest::keyClick(dialog->closeButton(), Qt::Key_Return);
  } else if (how == QLatin1String("Enter")) {
    dialog->closeButton()->setFocus();
    QTest::keyClick(dialog->closeButton(), Qt::Key_Enter, Qt::KeypadModifier);
  } else {
    QTest::mouseClick(dialog->closeButton(), Qt::LeftButton);
  }
  QTRY_VERIFY(!openDialog());
  // and the line opens it again
  QVERIFY(form->ruffini().open(line(1)->text()));
}

void TestRuffini::tabReachesCerrar() {
  calculate(QStringLiteral("1xe3-1xe2-1x+1"));
  RuffiniDialog* dialog = form->ruffini().open(line(1)->text());
  QVERIFY(QTest::qWaitForWindowExposed(dialog));
  QApplication::setActiveWindow(dialog);
  QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(dialog->tables().first()));
  QList<QWidget*> visited;
  for (int i = 0; i < 6 && QApplication::focusWidget() != dialog->closeButton(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited << QApplication::focusWidget();
  }
  QCOMPARE(visited, (QList<QWidget*>{dialog->tables().at(1), dialog->tables().at(2), dialog->factorization(),
                                     dialog->closeButton()}));
}

void TestRuffini::keyboardCellIsANumber() {
  // The focus rectangle marks the keyboard's cell: it must never sit on a
  // blank, and no cell is ever selected, whichever way the arrows go.
  calculate(QStringLiteral("2xe3+0xe2+0x-16"));
  RuffiniDialog* dialog = form->ruffini().open(line(1)->text());
  QVERIFY(QTest::qWaitForWindowExposed(dialog));
  QApplication::setActiveWindow(dialog);
  RuffiniTableView* table = dialog->tables().first();
  QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(table));
  const auto current = [table] {
    const QModelIndex index = table->currentIndex();
    return index.isValid() ? table->tableModel()->text(index.row(), index.column()) : QStringLiteral("<none>");
  };
  // Cells: |2|0|0|-16  /  2||4|8|16  /  |2|4|8|0
  QCOMPARE(table->currentIndex(), table->model()->index(0, 1));  // the leading coefficient
  const struct {
    Qt::Key key;
    int row, column;
  } walk[] = {{Qt::Key_Left, 0, 1},  {Qt::Key_Down, 2, 1}, {Qt::Key_Left, 2, 1}, {Qt::Key_Up, 0, 1},
              {Qt::Key_Right, 0, 2}, {Qt::Key_Down, 1, 2}, {Qt::Key_Left, 1, 0}, {Qt::Key_Up, 1, 0},
              {Qt::Key_Right, 1, 2}, {Qt::Key_End, 1, 4},  {Qt::Key_Home, 1, 0}};
  for (const auto& step : walk) {
    QTest::keyClick(table, step.key);
    QVERIFY2(!current().isEmpty(), qPrintable(QStringLiteral("a blank cell after key %1").arg(step.key)));
    QCOMPARE(table->currentIndex(), table->model()->index(step.row, step.column));
    QVERIFY(!table->selectionModel()->hasSelection());
  }
}

void TestRuffini::accessibleTables() {
  calculate(QStringLiteral("2xe3+0xe2+0x-16"));
  RuffiniDialog* dialog = form->ruffini().open(line(1)->text());
  QVERIFY(dialog);
  QAccessibleInterface* window = QAccessible::queryAccessibleInterface(dialog);
  QCOMPARE(window->role(), QAccessible::Dialog);
  QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Regla de Ruffini"));
  QAccessibleInterface* table = QAccessible::queryAccessibleInterface(dialog->tables().first());
  QVERIFY(table);
  QCOMPARE(table->role(), QAccessible::Table);
  QCOMPARE(table->text(QAccessible::Name), QStringLiteral("Paso 1"));
  QAccessibleTableInterface* cells = table->tableInterface();
  QVERIFY(cells);
  QCOMPARE(cells->rowCount(), 3);
  QCOMPARE(cells->columnCount(), 5);
  QCOMPARE(cells->cellAt(0, 4)->text(QAccessible::Name), QStringLiteral("-16"));
  QCOMPARE(cells->cellAt(1, 0)->text(QAccessible::Name), QStringLiteral("2"));
  QCOMPARE(cells->cellAt(2, 4)->text(QAccessible::Name), QStringLiteral("0"));
  QAccessibleInterface* factored = QAccessible::queryAccessibleInterface(dialog->factorization());
  QVERIFY(factored);
  QCOMPARE(factored->text(QAccessible::Name), QStringLiteral("Factorización"));
  QAccessibleTextInterface* factoredText = factored->textInterface();
  QVERIFY(factoredText);
  QCOMPARE(factoredText->text(0, factoredText->characterCount()), QStringLiteral("2(x-2)(x²+2x+4)"));
}

void TestRuffini::tooLargeToShow() {
  // x^401 - 1: the search finds its root 1, but it is past what the
  // factorisation takes.
  calculate(QStringLiteral("1xe4e0e1-1"));
  QCOMPARE(form->resultado().upperBound(), 1);
  const QString seen = closingBoxes([] { QVERIFY(!form->ruffini().open(line(1)->text())); });
  QCOMPARE(seen, QStringLiteral("Error|Se produjo un error. Revise el cálculo."));
  QVERIFY(!openDialog());
}

void TestRuffini::linesOfTheCalculationNotOfThePad() {
  // Editing the pad after "Calcular" does not change what the lines show.
  calculate(QStringLiteral("2xe3+0xe2+0x-16"));
  form->dividendo()->setText(QStringLiteral("1xe2+1"));
  RuffiniDialog* dialog = form->ruffini().open(line(1)->text());
  QVERIFY(dialog);
  QCOMPARE(dialog->polynomial()->text(), QStringLiteral("P(x) = 2x³-16"));
}

QTEST_MAIN(TestRuffini)
#include "tst_ruffini.moc"
