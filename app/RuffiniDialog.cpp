#include "app/RuffiniDialog.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>

#include "app/RuffiniTableView.h"
#include "engine/factor/PolynomialText.h"
#include "engine/factor/Work.h"

namespace {

QString Utf8(const std::string& text) { return QString::fromStdString(text); }

// A line of plain text that may be thousands of characters long. Its size
// is the sum of its characters' advances, read from the font's cache,
// rather than the label's own measure, which shapes the whole text: with
// many long quotients that shaping was most of the time the window took to
// open. Only the lines in view are ever shaped, when they are painted.
class TextLine : public QLabel {
public:
  TextLine(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setTextFormat(Qt::PlainText);
    const QFontMetrics metrics(font());
    int width = 2 * metrics.averageCharWidth();  // slack for kerning and rounding
    for (const QChar c : text) width += metrics.horizontalAdvance(c);
    size_ = QSize(width + 2 * margin(), metrics.height() + 2 * margin());
  }
  QSize sizeHint() const override { return size_; }
  QSize minimumSizeHint() const override { return size_; }

private:
  QSize size_;
};

// Blank space, in pixels, around the work and between its steps.
constexpr int kMargin = 12;
constexpr int kStepGap = 18;
// The factorisation box grows with its text up to this width (pixels); a
// text longer than kLongText characters takes it whole without measuring.
constexpr int kMaxFactorizationWidth = 1200;
constexpr qsizetype kLongText = 400;

}  // namespace

RuffiniDialog::RuffiniDialog(const factorix::Work& work, QWidget* parent) : QDialog(parent) {
  const QString title = QStringLiteral("Regla de Ruffini");
  setObjectName(QStringLiteral("RuffiniDialog"));
  setWindowTitle(title);
  setAccessibleName(title);
  setModal(true);
  setSizeGripEnabled(true);

  auto* sheet = new QWidget;
  sheet->setObjectName(QStringLiteral("ruffiniSheet"));
  auto* column = new QVBoxLayout(sheet);
  column->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
  column->setSizeConstraint(QLayout::SetMinAndMaxSize);

  polynomial_ = new TextLine(QStringLiteral("P(x) = ") + Utf8(factorix::WritePolynomial(work.polynomial)), sheet);
  polynomial_->setObjectName(QStringLiteral("polinomio"));
  column->addWidget(polynomial_);

  for (qsizetype i = 0; i < qsizetype(work.steps.size()); ++i) {
    const factorix::RuffiniTable& step = work.steps[size_t(i)];
    column->addSpacing(kStepGap);
    auto* table = new RuffiniTableView(step, sheet);
    table->setObjectName(QStringLiteral("paso%1").arg(i + 1));
    const QString divisor = Utf8(factorix::WritePolynomial({-step.root, 1}));
    table->setAccessibleName(QStringLiteral("Paso %1").arg(i + 1));
    table->setAccessibleDescription(QStringLiteral("División entre (%1)").arg(divisor));
    column->addWidget(table);
    tables_ << table;

    auto* quotient =
        new TextLine(QStringLiteral("Cociente: ") + Utf8(factorix::WritePolynomial(step.QuotientCoefficients())), sheet);
    quotient->setObjectName(QStringLiteral("cociente%1").arg(i + 1));
    column->addWidget(quotient);
    quotients_ << quotient;
    auto* remainder = new TextLine(QStringLiteral("Resto: ") + Utf8(step.remainder.get_str()), sheet);
    remainder->setObjectName(QStringLiteral("resto%1").arg(i + 1));
    column->addWidget(remainder);
    remainders_ << remainder;
  }

  column->addSpacing(kStepGap);
  auto* caption = new QLabel(QStringLiteral("Factorización:"), sheet);
  column->addWidget(caption);
  factorization_ = new QLineEdit(Utf8(factorix::WriteFactorization(work.factorization)), sheet);
  factorization_->setObjectName(QStringLiteral("factorizacion"));
  factorization_->setAccessibleName(QStringLiteral("Factorización"));
  factorization_->setReadOnly(true);
  factorization_->setCursorPosition(0);
  caption->setBuddy(factorization_);
  column->addWidget(factorization_);
  column->addStretch(1);

  auto* scroll = new QScrollArea(this);
  scroll->setObjectName(QStringLiteral("ruffiniScroll"));
  scroll->setWidget(sheet);
  scroll->setWidgetResizable(false);
  scroll->setFocusPolicy(Qt::NoFocus);

  auto* buttons = new QDialogButtonBox(this);
  close_ = buttons->addButton(QStringLiteral("Cerrar"), QDialogButtonBox::RejectRole);
  close_->setObjectName(QStringLiteral("cerrar"));
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* outer = new QVBoxLayout(this);
  outer->addWidget(scroll, 1);
  outer->addWidget(buttons);

  // The factorisation is as wide as what it shows, up to a width past which
  // the box scrolls its own text.
  const QFontMetrics metrics(factorization_->font());
  const int boxWidth = factorization_->text().size() > kLongText
                         ? kMaxFactorizationWidth
                         : metrics.horizontalAdvance(factorization_->text()) + 4 * metrics.averageCharWidth();
  factorization_->setMinimumWidth(std::min(boxWidth, kMaxFactorizationWidth));
  sheet->adjustSize();

  // Opens as large as the work, within most of the screen.
  const QRect available = screen() ? screen()->availableGeometry() : QRect(0, 0, 1024, 768);
  const QSize wanted = sheet->sizeHint() + QSize(40, buttons->sizeHint().height() + 40);
  resize(std::clamp(wanted.width(), 360, available.width() * 4 / 5),
         std::clamp(wanted.height(), 240, available.height() * 4 / 5));

  QWidget* first = tables_.isEmpty() ? static_cast<QWidget*>(factorization_) : tables_.first();
  first->setFocus();
}
