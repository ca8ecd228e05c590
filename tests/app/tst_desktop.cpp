#include <QtTest>

#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStyleOption>
#include <memory>

#include "app/Form1.h"
#include "app/Form2.h"
#include "formulapad/FormulaPad.h"
#include "tests/app/MainWindowFixture.h"

// The program on a desktop: its captions under the desktop's font size.
class TestDesktop : public QObject {
  Q_OBJECT

private slots:
  void captionsFit_data();
  void captionsFit();
};

namespace {

// Where a widget draws its caption, in the coordinates of `window`; null
// for widgets without one.
QRect captionRect(QWidget* widget, QWidget* window) {
  QRect local;
  if (auto* label = qobject_cast<QLabel*>(widget)) {
    if (label->text().isEmpty()) return {};
    local = label->style()->itemTextRect(label->fontMetrics(), label->contentsRect(), int(label->alignment()),
                                         true, label->text());
  } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QRect contents = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    local = button->style()->itemTextRect(button->fontMetrics(), contents, Qt::AlignCenter, true, button->text());
  } else if (auto* box = qobject_cast<QGroupBox*>(widget)) {
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    option.textAlignment = box->alignment();
    option.lineWidth = 1;
    local = box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
  } else {
    return {};
  }
  return QRect(widget->mapTo(window, local.topLeft()), local.size());
}

QRect rectIn(QWidget* widget, QWidget* window) { return QRect(widget->mapTo(window, QPoint()), widget->size()); }

// What of `widget` must stay clear of the rest: its caption, or the whole of
// a pad, a strip or a button; null for plain containers.
QRect areaOf(QWidget* widget, QWidget* window) {
  if (qobject_cast<QPushButton*>(widget) || qobject_cast<FormulaPad*>(widget) ||
      widget->inherits("FlatContainer"))
    return rectIn(widget, window);
  return captionRect(widget, window);
}

// Every caption lies inside its own widget and the widgets that hold it, and
// clear of every other caption and control; a frame's title clear of what
// it holds. Returns the first fault, or an empty text.
QString captionFault(QWidget* window) {
  QList<QWidget*> widgets;
  for (QWidget* widget : window->findChildren<QWidget*>())
    if (widget->isVisibleTo(window) && !areaOf(widget, window).isNull()) widgets << widget;
  for (QWidget* widget : widgets) {
    const QRect caption = captionRect(widget, window);
    for (QWidget* holder = widget; !caption.isNull() && holder != window; holder = holder->parentWidget()) {
      if (!rectIn(holder, window).contains(caption))
        return QStringLiteral("%1's caption %2 is cut by %3 %4")
            .arg(widget->objectName(), QDebug::toString(caption), holder->objectName(),
                 QDebug::toString(rectIn(holder, window)));
    }
    const QRect area = areaOf(widget, window);
    for (QWidget* other : widgets) {
      if (other == widget || (other->isAncestorOf(widget) && !qobject_cast<QGroupBox*>(other)) ||
          (widget->isAncestorOf(other) && !qobject_cast<QGroupBox*>(widget)))
        continue;
      const QRect otherArea = areaOf(other, window);
      if (area.intersects(otherArea))
        return QStringLiteral("%1 %2 meets %3 %4")
            .arg(widget->objectName(), QDebug::toString(area), other->objectName(), QDebug::toString(otherArea));
    }
  }
  return {};
}

}  // namespace

void TestDesktop::captionsFit_data() {
  QTest::addColumn<double>("points");
  for (double points : {8.0, 9.0, 10.0, 11.0, 12.0, 16.0}) QTest::addRow("%g pt", points) << points;
}

void TestDesktop::captionsFit() {
  QFETCH(double, points);
  const QFont before = QApplication::font();
  QFont desktop(QStringLiteral("DejaVu Sans"));
  desktop.setPointSizeF(points);
  // The help window opens under the desktop's font; the main window is
  // already open when the desktop's font changes.
  MainWindowFixture w;
  QVERIFY(QTest::qWaitForWindowExposed(w.form.get()));
  QApplication::setFont(desktop);
  Form2 help;
  help.show();
  QVERIFY(QTest::qWaitForWindowExposed(&help));
  const QString mainFault = captionFault(w.form.get());
  const QString helpFault = captionFault(&help);
  const QFont mainFont = w.form->font();
  QApplication::setFont(before);
  QVERIFY2(mainFault.isEmpty(), qPrintable(mainFault));
  QVERIFY2(helpFault.isEmpty(), qPrintable(helpFault));
  // A desktop font the layout holds is kept as it is.
  if (points <= 9) QCOMPARE(mainFont.pointSizeF(), points);
}

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
