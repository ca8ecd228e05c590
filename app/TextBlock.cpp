#include "app/TextBlock.h"

#include <QEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <algorithm>

TextBlock::TextBlock(const QString& text, QWidget* parent) : QLabel(text, parent) {
  setTextFormat(Qt::PlainText);
  setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  setFocusPolicy(Qt::StrongFocus);
  setMargin(2);  // room for the focus frame, pixels
  measure();
}

void TextBlock::measure() {
  const QFontMetrics metrics(font());
  int widest = 0;
  int lines = 1;
  int width = 0;
  for (const QChar c : text()) {
    if (c == u'\n') {
      widest = std::max(widest, width);
      width = 0;
      ++lines;
      continue;
    }
    width += metrics.horizontalAdvance(c);
  }
  widest = std::max(widest, width) + 2 * metrics.averageCharWidth();  // slack for kerning and rounding
  size_ = QSize(widest + 2 * margin(), lines * metrics.lineSpacing() + 2 * margin());
  updateGeometry();
}

void TextBlock::changeEvent(QEvent* event) {
  QLabel::changeEvent(event);
  if (event->type() == QEvent::FontChange) measure();
}

void TextBlock::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  if (!hasFocus()) return;
  QStylePainter painter(this);
  QStyleOptionFocusRect option;
  option.initFrom(this);
  option.backgroundColor = palette().color(backgroundRole());
  painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}
