#pragma once

#include <QVariant>
#include <QWidget>

class PropertyBag;
struct FormulaScene;

// A one-line formula control. It holds a formula text in its own encoding
// ("e" raises the next character, "r" starts a root, ";" ends it, "s" is
// nothing), draws it in fixed-width cells, and is edited from the keyboard
// by appending at the end. Sizes are in twips (15 to a device-independent
// pixel) and points; the pad is always 315 twips high.
//
// The members are untyped and empty until set; an empty value counts as 0
// or as the empty string. Writing a member does not redraw: the screen shows
// the picture of the last P().
//
// The same members as typed properties, for form designers and the meta-object
// system: reading gives the value as the redraw takes it (a size or width that
// is not a number reads as NaN), writing stores a typed value, and neither
// redraws.
class FormulaPad : public QWidget {
  Q_OBJECT
  Q_PROPERTY(double CellWidth READ cellWidth WRITE setCellWidth)
  Q_PROPERTY(QString Text READ text WRITE setText)
  Q_PROPERTY(int Cursor READ cursor WRITE setCursor DESIGNABLE false)
  Q_PROPERTY(double FontNormSize READ fontNormSize WRITE setFontNormSize)
  Q_PROPERTY(double FontSupSize READ fontSupSize WRITE setFontSupSize)
  Q_PROPERTY(QString FontName READ fontName WRITE setFontName)
  Q_PROPERTY(bool PrintText READ printText WRITE setPrintText DESIGNABLE false)
  // What a form designer shows beside the properties.
  Q_CLASSINFO("CellWidth", "Set the space between two elements in the box (numbers, operators...)")
  Q_CLASSINFO("Text", "Set the FormulaPad content. Note that powers are \"e\", not \"^\"")
  Q_CLASSINFO("FontNormSize", "Set the standard font size used by numbers, operators...")
  Q_CLASSINFO("FontSupSize", "Set the font size used by powers and subitems (smaller font size)")

public:
  static constexpr int kHeightTwips = 315;
  // The size hint leaves room for this many characters of the cell width.
  static constexpr int kHintCharacters = 27;

  explicit FormulaPad(QWidget* parent = nullptr);
  ~FormulaPad() override;

  QVariant CellWidth;     // twips per cell; 120 after loading
  QVariant Text;          // the formula text
  QVariant Cursor;        // cursor position in stored characters
  QVariant FontNormSize;  // points; 10 after loading
  QVariant FontSupSize;   // points; 8 after loading; a root's index is 2 smaller
  QVariant FontName;      // recorded only: the drawing font is set by NewFontName/ChangeFont
  bool PrintText = false; // draw every character literally, no markers

  // The typed properties over the members above.
  double cellWidth() const;  // twips
  void setCellWidth(double twips) { CellWidth = twips; }
  QString text() const { return Text.toString(); }
  void setText(const QString& text) { Text = text; }
  int cursor() const;  // stored characters
  void setCursor(int position) { Cursor = position; }
  double fontNormSize() const;  // points
  void setFontNormSize(double points) { FontNormSize = points; }
  double fontSupSize() const;  // points
  void setFontSupSize(double points) { FontSupSize = points; }
  QString fontName() const { return FontName.toString(); }
  void setFontName(const QString& name) { FontName = name; }
  bool printText() const { return PrintText; }
  void setPrintText(bool literal) { PrintText = literal; }

  // Redraws the retained picture from the members.
  void P();
  // `Text` without its zero-width markers "e" and "s".
  static QString twcc(const QString& Text);
  void NewText(const QVariant& MyText);
  void NewFontNormSize(const QVariant& MyFontNormSize);
  void NewFontSupSize(const QVariant& MyFontSupSize);
  void NewCellWidth(const QVariant& MyCellWidth);
  void NewFontName(const QVariant& MyFontName);
  // Focus-lost handling: hides the cursor line, stops the blink timer.
  void LF();
  // Sets the drawing font name only; call P() afterwards.
  void ChangeFont(const QString& NewFont);

  // Stored values under the keys NewText, NewFontNormSize, NewFontSupSize,
  // NewCellWidth, NewFontName: loading neither redraws nor calls a setter;
  // saving leaves out values equal to their defaults.
  void ReadProperties(const PropertyBag& bag);
  void WriteProperties(PropertyBag& bag) const;

  // A new pad with the five stored values of `source` (save, then load) and
  // its size; hidden, in `parent`. Nothing else is copied.
  static FormulaPad* CopyOf(const FormulaPad& source, QWidget* parent);

  // The formula as the last P() drew it, for assistive technology: raised
  // characters as Unicode superscripts, roots as "√", markers left out.
  QString accessibleText() const;
  // The cursor's offset in accessibleText(), and the cell (in pad pixels)
  // where the character at `offset` of accessibleText() is drawn.
  int accessibleCursorPosition() const;
  QRect accessibleCharacterRect(int offset) const;
  QString drawingFontName() const;
  bool cursorLineVisible() const;
  int cursorLineX() const;  // twips, as placed by the last P()
  // The width the members' formula needs to show whole, from the pad's left
  // edge to the right edge of its last cell, in pixels, as P() would draw it
  // now. (P() draws a text wider than the pad shifted left by whole cells so
  // that its end shows.)
  int textWidth() const;

  // Room for kHintCharacters characters at the current cell width (120
  // twips when it is not a positive number), by the pad's fixed height.
  QSize sizeHint() const override;

signals:
  // The drawn formula changed (after a P() that changed accessibleText()).
  void drawnTextChanged();

protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

private:
  FormulaScene scene() const;  // what P() draws from
  // The setters' common step: `value` into `member`, then P().
  void storeAndRedraw(QVariant FormulaPad::*member, const QVariant& value);
  void showKeyHelpMenu(const QPoint& globalPos);
  void announce(const QString& before, int cursorBefore);

  class Private;
  Private* d;
};
