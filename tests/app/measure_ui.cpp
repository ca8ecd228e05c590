// Times the window's "Calcular" from the click to the last line on screen,
// for every row of a corpus file (name, formula text, comment; tab
// separated). Prints one line per row: name, runs, median and worst in
// milliseconds, the median processor time, lines, and the message shown,
// if any. After the row with the most lines it also times the scroll
// arrows, the wheel and clearing, to show that the window stays usable.
//
// For every row it also times opening «Resolución paso a paso» from the
// heading (the whole solution) and from line 1 when there is one, from the
// call to the window drawn on screen (or to the message box that says the
// work is too large); then the same for the rows of a second file, such as
// the stress rows, and for polynomials of degree 30 with 20-digit and of
// degree 200 with 60-digit coefficients. From the heading it gives the
// processor time too (median, this process and its children).
//
// Usage: factorix-measure-ui CORPUS [RUNS] [MORE_ROWS]

#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QWheelEvent>
#include <QtTest>
#include <algorithm>
#include <cstdio>

#include "app/AccessibleInterfaces.h"
#include "app/Form1.h"
#include "app/ResultList.h"
#include "app/SolutionDialog.h"
#include "app/SolutionOpener.h"
#include "engine/text/RaisedExponent.h"
#include "formulapad/FormulaPad.h"

#include <gmpxx.h>

namespace {

struct Run {
  double ms = 0;          // click to last line drawn, or to the message box on screen
  double cpuMs = 0;       // processor time of this process and the children it waited for
  QString message;        // the box's text, empty when none
};

// Processor time, in milliseconds, of this process and of the children it
// has waited for (the factorisation runs in one): on a machine shared with
// other work it tells the cost apart from the waiting.
double processorMs() {
  double ms = 0;
  for (const int who : {RUSAGE_SELF, RUSAGE_CHILDREN}) {
    rusage usage{};
    getrusage(who, &usage);
    ms += double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
          double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
  }
  return ms;
}

// Watches for a message box while `poll` runs: the first one that shows is
// timed on `clock` into `run`, read and closed with OK.
void timeMessageBox(QTimer& poll, const QElapsedTimer& clock, Run& run) {
  poll.setInterval(0);
  QObject::connect(&poll, &QTimer::timeout, [&clock, &run] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible() || !run.message.isEmpty()) return;
    run.ms = double(clock.nsecsElapsed()) / 1e6;  // ms
    run.message = box->text();
    box->button(QMessageBox::Ok)->click();
  });
  poll.start();
}

// Clicks "Calcular" with `text` in the pad and waits until the window has
// drawn the result; a message box is timed when it shows and then closed.
Run calculate(Form1& form, const QString& text) {
  form.dividendo()->setText(text);
  Run run;
  QElapsedTimer clock;
  QTimer poll;
  timeMessageBox(poll, clock, run);
  const double cpuBefore = processorMs();
  clock.start();
  form.Command1_Click();
  if (run.message.isEmpty()) {
    form.repaint();  // paints every pad in view and puts the picture on screen
    QApplication::sync();
    run.ms = double(clock.nsecsElapsed()) / 1e6;
  }
  run.cpuMs = processorMs() - cpuBefore;  // a message box's time until OK included
  return run;
}

double timed(const std::function<void()>& action, Form1& form) {
  QElapsedTimer clock;
  clock.start();
  action();
  form.repaint();
  QApplication::sync();
  return double(clock.nsecsElapsed()) / 1e6;
}

double median(QList<double> values) {
  std::sort(values.begin(), values.end());
  const qsizetype n = values.size();
  return n % 2 ? values.at(n / 2) : (values.at(n / 2 - 1) + values.at(n / 2)) / 2;
}

// Opens «Resolución paso a paso» from result pad `index` (0, the heading)
// and waits until it is on screen; a message box is timed when it shows and
// then closed. The window is closed again afterwards.
Run openSolution(Form1& form, int index) {
  Run run;
  QElapsedTimer clock;
  QTimer poll;
  timeMessageBox(poll, clock, run);
  const double cpuBefore = processorMs();
  clock.start();
  SolutionDialog* dialog = form.solution().open(form.resultado().at(index));
  if (dialog) {
    dialog->repaint();
    QApplication::sync();
    run.ms = double(clock.nsecsElapsed()) / 1e6;
    run.cpuMs = processorMs() - cpuBefore;
    dialog->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  return run;
}

// (x - 7) times a polynomial of degree `degree` - 1 with random
// coefficients of `digits` - 1 digits: coefficients of about `digits`
// digits, one integer root.
QString withRootText(int degree, int digits) {
  gmp_randclass random(gmp_randinit_default);
  random.seed(20261208);
  const mpz_class low = mpz_class("1" + std::string(size_t(digits - 2), '0'));
  std::vector<mpz_class> q(static_cast<size_t>(degree));  // q[i] multiplies x^i
  for (mpz_class& c : q) c = low + random.get_z_range(9 * low);
  std::string text;
  for (int i = degree; i >= 0; --i) {
    const mpz_class c =
        (i >= 1 ? q[size_t(i - 1)] : mpz_class(0)) - (i < degree ? 7 * q[size_t(i)] : mpz_class(0));
    if (c >= 0 && i < degree) text += '+';
    text += c.get_str();
    if (i >= 1) text += 'x' + (i > 1 ? factorix::RaisedExponentText(i) : std::string());
  }
  return QString::fromStdString(text);
}

// Times the window from the heading and from line 1, when the row has one.
void measureSolution(Form1& form, const QString& name, const QString& text, int runs) {
  calculate(form, text);
  const bool hasLine = form.resultado().upperBound() >= 1 && form.solution().hasWork();
  QList<double> heading, line, headingCpu;
  QString message;
  for (int i = 0; i < runs; ++i) {
    const Run whole = openSolution(form, 0);
    heading << whole.ms;
    headingCpu << whole.cpuMs;
    message = whole.message;
    if (hasLine) line << openSolution(form, 1).ms;
  }
  const auto worst = [](const QList<double>& times) { return *std::max_element(times.begin(), times.end()); };
  std::printf("%-24s %5d %10.1f %10.1f %8.1f", qPrintable(name), runs, median(heading), worst(heading),
              median(headingCpu));
  if (hasLine)
    std::printf(" %10.1f %10.1f", median(line), worst(line));
  else
    std::printf(" %10s %10s", "-", "-");
  std::printf("  %s\n", qPrintable(message));
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  AccessibleInterfaces::install();  // as the program does
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s CORPUS [RUNS]\n", argv[0]);
    return 2;
  }
  const int runs = argc > 2 ? std::max(1, atoi(argv[2])) : 7;
  QFile corpus(QString::fromLocal8Bit(argv[1]));
  if (!corpus.open(QIODevice::ReadOnly | QIODevice::Text)) {
    std::fprintf(stderr, "cannot read %s\n", argv[1]);
    return 2;
  }

  Form1 form;
  form.setQuitAction([] {});
  form.Form_Load();
  if (!QTest::qWaitForWindowExposed(&form)) return 1;

  std::printf("%-24s %5s %10s %10s %8s %7s  %s\n", "row", "runs", "median_ms", "worst_ms", "cpu_ms", "lines",
              "message");
  QString biggest;
  int mostLines = 0;
  QList<QStringList> rows;  // name and text of every row, for the worked solution
  while (!corpus.atEnd()) {
    const QString line = QString::fromUtf8(corpus.readLine()).trimmed();
    if (line.isEmpty() || line.startsWith(u'#')) continue;
    const QStringList fields = line.split(u'\t');
    if (fields.size() < 2) continue;
    rows << fields.mid(0, 2);
    QList<double> times, cpu;
    QString message;
    const int n = fields.at(0).startsWith(QStringLiteral("g0")) ? std::min(runs, 3) : runs;
    for (int i = 0; i < n; ++i) {
      const Run run = calculate(form, fields.at(1));
      times << run.ms;
      cpu << run.cpuMs;
      message = run.message;
    }
    const int lines = form.resultado().upperBound();
    if (lines > mostLines) {
      mostLines = lines;
      biggest = fields.at(1);
    }
    std::printf("%-24s %5d %10.1f %10.1f %8.1f %7d  %s\n", qPrintable(fields.at(0)), n, median(times),
                *std::max_element(times.begin(), times.end()), median(cpu), lines, qPrintable(message));
    std::fflush(stdout);
  }

  if (!biggest.isEmpty()) {
    calculate(form, biggest);
    QWidget* frame = form.control(QStringLiteral("Frame2"));
    const auto wheel = [&] {
      const QPointF pos(frame->width() / 2.0, frame->height() / 2.0);
      QWheelEvent event(pos, frame->mapToGlobal(pos), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                        Qt::NoScrollPhase, false);
      QApplication::sendEvent(frame, &event);
    };
    std::printf("\nwith %d lines on the window:\n", mostLines);
    std::printf("  \">>\" click       %8.1f ms\n", timed([&] { form.desp_Click(1); }, form));
    std::printf("  \"<<\" click       %8.1f ms\n", timed([&] { form.desp_Click(0); }, form));
    std::printf("  wheel notch      %8.1f ms\n", timed(wheel, form));
    std::printf("  clearing (Borrar)%8.1f ms\n", timed([&] { form.Borrar(); }, form));
  }

  if (argc > 3) {
    QFile more(QString::fromLocal8Bit(argv[3]));
    if (more.open(QIODevice::ReadOnly | QIODevice::Text)) {
      while (!more.atEnd()) {
        const QString line = QString::fromUtf8(more.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(u'#')) continue;
        const QStringList fields = line.split(u'\t');
        // A row whose search is expected to fail has no line to open.
        if (fields.size() >= 2 && fields.value(2) != QLatin1String("error6")) rows << fields.mid(0, 2);
      }
    }
  }
  rows << QStringList{QStringLiteral("degree30_20digits"), withRootText(30, 20)}
       << QStringList{QStringLiteral("degree200_60digits"), withRootText(200, 60)};
  std::printf("\n«Resolución paso a paso», opened and drawn, from the heading and from line 1:\n");
  std::printf("%-24s %5s %10s %10s %8s %10s %10s  %s\n", "row", "runs", "whole_ms", "worst_ms", "cpu_ms", "line1_ms",
              "worst_ms", "message");
  for (const QStringList& row : rows) {
    const bool slow = row.at(0).startsWith(QStringLiteral("g0"));
    measureSolution(form, row.at(0), row.at(1), slow ? std::min(runs, 3) : runs);
  }
  return 0;
}
