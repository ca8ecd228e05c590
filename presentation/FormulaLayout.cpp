#include "presentation/FormulaLayout.h"

#include <algorithm>
#include <cmath>

#include "presentation/Twips.h"

namespace {

constexpr double kTwipsPerPoint = 20;

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// A width or size as the layout takes it: empty when it is not a number.
std::optional<double> known(double value) {
  if (std::isnan(value)) return std::nullopt;
  return value;
}

// One pass of the redraw over a text: the surface's current position and
// font size, the markers' state, and the picture it fills. Positions are
// those of the text; what is kept is drawn `shift` further left.
class LayoutPass {
public:
  LayoutPass(const FormulaScene& scene, double shift)
      : scene_(scene),
        text_(scene.text),
        shift_(shift),
        cellWidth_(known(scene.cellWidth)),
        normSize_(known(scene.normSize)),
        supSize_(known(scene.supSize)),
        font_(scene.startFontSize) {
    pic_.shiftTwips = shift;
    pic_.fontName = scene.fontName;
  }

  FormulaPicture run() {
    const qsizetype n = text_.size();
    const qsizetype cursorIndex = std::clamp<qsizetype>(scene_.cursor, 0, n);
    for (qsizetype i = 1; i <= n; ++i) {
      if (i - 1 == cursorIndex) pic_.spokenCursor = int(pic_.spoken.size());
      step(i);
    }
    if (cursorIndex == n) pic_.spokenCursor = int(pic_.spoken.size());
    pic_.zeroWidthCount = k_;
    pic_.endFontSize = font_;
    if (cellWidth_) pic_.cursorX = (double(scene_.cursor) + 1 - k_) * *cellWidth_ - shift_;
    return std::move(pic_);
  }

private:
  // The i-th character (1-based) of the text.
  void step(qsizetype i) {
    const QChar c = text_.at(i - 1);
    if (cellWidth_) {
      curX_ = double(i - k_) * *cellWidth_;
      curY_ = 0;
    }
    setFontSize(normSize_);
    bool raised = false;
    if (raise_) {
      setFontSize(supSize_);
      raise_ = false;
      raised = true;
    }
    if (scene_.printText) {
      print(c);
      speak(c, curX_);
      return;
    }
    if (c == u'e') {
      raise_ = true;
      ++k_;
    } else if (c == u's') {
      ++k_;
    } else if (c == u'r') {
      root(i);
    } else if (c == u';') {
      overline_ = false;
      ++k_;
    } else if (i < text_.size() && text_.at(i) == u'r') {
      ++k_;  // a root's index: the "r" draws it
    } else {
      print(c);
      speak(raised ? FormulaLayout::superscript(c) : c, curX_);
      if (overline_ && cellWidth_) line(curX_, 0, curX_ + *cellWidth_, 0);
    }
  }

  // The "r" at position i: the sign in its cell, the index before it, and
  // the overline switched on. The cell stays occupied.
  void root(qsizetype i) {
    // Four strokes of 30 twips: at mid-height, down, up, along the top.
    const double x0 = curX_;
    const double s = FormulaLayout::kRootStrokeTwips;
    const double h = scene_.heightTwips;
    line(x0, h / 2, x0 + s, h / 2);
    line(x0 + s, h / 2, x0 + 2 * s, h);
    line(x0 + 2 * s, h, x0 + 3 * s, 0);
    line(x0 + 3 * s, 0, x0 + 4 * s, 0);
    if (supSize_) setFontSize(*supSize_ - 2);
    // The index: a digit right before the sign (none when "r" comes first).
    const QChar p = i >= 2 ? text_.at(i - 2) : QChar();
    if (i < 2 || isDigit(p)) {
      curX_ = x0;
      curY_ = 0;
      if (!p.isNull()) {
        print(p);
        speak(FormulaLayout::superscript(p), x0);
      }
    }
    speak(QChar(u'\u221A'), x0);
    overline_ = true;
  }

  // A size the surface refuses leaves the previous one.
  void setFontSize(std::optional<double> size) {
    if (size && *size > 0 && *size <= FormulaLayout::kMaxFontPoints) font_ = *size;
  }

  void print(QChar c) {
    if (cellWidth_) pic_.extentTwips = std::max(pic_.extentTwips, curX_ + *cellWidth_);
    const double x = curX_ - shift_;
    const double margin = 2 * font_ * kTwipsPerPoint;  // a glyph is at most two ems wide
    if (x < scene_.widthTwips && x > -margin && hasRoom(pic_.glyphs)) pic_.glyphs.append({x, curY_, font_, c});
  }

  // A line leaves the current position at its end.
  void line(double x1, double y1, double x2, double y2) {
    pic_.extentTwips = std::max({pic_.extentTwips, x1, x2});
    const double lo = std::min(x1, x2) - shift_;
    const double hi = std::max(x1, x2) - shift_;
    if (lo < scene_.widthTwips && hi >= -twips::kPerPixel && hasRoom(pic_.strokes)) {
      pic_.strokes.append({x1 - shift_, y1, x2 - shift_, y2});
    }
    curX_ = x2;
    curY_ = y2;
  }

  void speak(QChar c, double x) {
    pic_.spoken += c;
    pic_.spokenX.append(x - shift_);
  }

  // Keeps the lists of the picture bounded; false once the cap is reached.
  template <typename T>
  static bool hasRoom(const QList<T>& list) {
    return list.size() < FormulaLayout::kMaxItems;
  }

  const FormulaScene& scene_;
  const QString& text_;
  const double shift_;
  const std::optional<double> cellWidth_;
  const std::optional<double> normSize_;
  const std::optional<double> supSize_;
  FormulaPicture pic_;
  double font_;            // points: the surface's current font size
  double curX_ = 0;        // twips: the current position; clearing puts it at (0, 0)
  double curY_ = 0;
  int k_ = 0;              // zero-width characters seen so far
  bool raise_ = false;     // the next character is raised
  bool overline_ = false;  // inside a root
};

}  // namespace

double FormulaLayout::number(const QVariant& value) {
  constexpr double kNotANumber = std::numeric_limits<double>::quiet_NaN();
  if (!value.isValid() || value.isNull()) return 0.0;
  bool ok = false;
  double d = 0;
  if (value.typeId() == QMetaType::QString) {
    const QString s = value.toString().trimmed();
    if (s.isEmpty()) return kNotANumber;  // "" is text, not an empty value
    d = s.toDouble(&ok);
  } else {
    d = value.toDouble(&ok);
  }
  return ok ? single(d) : kNotANumber;
}

double FormulaLayout::single(double value) {
  const float rounded = float(value);
  if (!std::isfinite(rounded)) return std::numeric_limits<double>::quiet_NaN();
  return double(rounded);
}

QChar FormulaLayout::superscript(QChar c) {
  static constexpr char16_t kDigits[] = u"\u2070\u00B9\u00B2\u00B3\u2074\u2075\u2076\u2077\u2078\u2079";
  // Superscript small letters a..z; 0 where Unicode has none (q).
  static constexpr char16_t kLetters[] = {
      0x1D43, 0x1D47, 0x1D9C, 0x1D48, 0x1D49, 0x1DA0, 0x1D4D, 0x02B0, 0x2071,
      0x02B2, 0x1D4F, 0x02E1, 0x1D50, 0x207F, 0x1D52, 0x1D56, 0,      0x02B3,
      0x02E2, 0x1D57, 0x1D58, 0x1D5B, 0x02B7, 0x02E3, 0x02B8, 0x1DBB};
  if (isDigit(c)) return QChar(kDigits[c.unicode() - u'0']);
  if (c >= u'a' && c <= u'z') {
    const char16_t s = kLetters[c.unicode() - u'a'];
    return s != 0 ? QChar(s) : c;
  }
  switch (c.unicode()) {
    case u'+': return QChar(u'\u207A');
    case u'-': return QChar(u'\u207B');
    case u'=': return QChar(u'\u207C');
    case u'(': return QChar(u'\u207D');
    case u')': return QChar(u'\u207E');
    default: return c;
  }
}

FormulaPicture FormulaLayout::layout(const FormulaScene& scene) {
  FormulaPicture pic = layoutShifted(scene, 0);
  const double shift = scrollFor(pic, scene);
  if (shift > 0) pic = layoutShifted(scene, shift);
  return pic;
}

double FormulaLayout::extentTwips(const FormulaScene& scene) {
  FormulaScene measured = scene;
  measured.widthTwips = -std::numeric_limits<double>::infinity();  // nothing is kept
  return layoutShifted(measured, 0).extentTwips;
}

// A text wider than the pad is drawn shifted left by whole cells, so that its
// end and one pixel for the cursor line after it show; a cursor line moved
// further left than that stays in view as well. A text that fits, and one
// laid out without a drawing area, is not moved.
double FormulaLayout::scrollFor(const FormulaPicture& unshifted, const FormulaScene& scene) {
  const double cellWidth = scene.cellWidth;
  if (!(cellWidth > 0) || !std::isfinite(scene.widthTwips) || unshifted.extentTwips <= scene.widthTwips) return 0;
  double cells = std::ceil((unshifted.extentTwips + twips::kPerPixel - scene.widthTwips) / cellWidth);
  if (unshifted.cursorX) cells = std::min(cells, std::floor(*unshifted.cursorX / cellWidth));
  const double shift = cells * cellWidth;
  return cells > 0 && std::isfinite(shift) ? shift : 0;
}

FormulaPicture FormulaLayout::layoutShifted(const FormulaScene& scene, double shift) {
  return LayoutPass(scene, shift).run();
}
