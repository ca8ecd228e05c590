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
// Its members are the properties below, named as the stored form data and
// form designers know them. A new pad's members are empty: 0, the empty
// text, the empty font name; loading its stored values gives it the
// defaults. A width or size that is not a number reads as NaN, and the
// redraw skips what uses it. Writing a member does not redraw: the screen
// shows the picture of the last P(). The New... setters write and redraw.
//
// The pad hides no function of QWidget: the caret is cursorPosition(), the
// mouse pointer stays cursor().
class FormulaPad : public QWidget {
  Q_OBJECT
  Q_PROPERTY(double CellWidth READ cellWidth WRITE setCellWidth NOTIFY cellWidthChanged)
  Q_PROPERTY(QString Text READ text WRITE setText NOTIFY textChanged)
  Q_PROPERTY(int Cursor READ cursorPosition WRITE setCursorPosition NOTIFY cursorPositionChanged DESIGNABLE false)
  Q_PROPERTY(double FontNormSize READ fontNormSize WRITE setFontNormSize NOTIFY fontNormSizeChanged)
  Q_PROPERTY(double FontSupSize READ fontSupSize WRITE setFontSupSize NOTIFY fontSupSizeChanged)
  Q_PROPERTY(QString FontName READ fontName WRITE setFontName NOTIFY fontNameChanged)
  Q_PROPERTY(bool PrintText READ printText WRITE setPrintText NOTIFY printTextChanged DESIGNABLE false)
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

  // The members. Numbers are kept at single precision; a value beyond it is
  // not a number. None of the writers redraws.
  double cellWidth() const;  // twips per cell; 120 after loading
  void setCellWidth(double twips);
  const QString& text() const;  // the formula text
  void setText(const QString& text);
  int cursorPosition() const;  // the caret, in stored characters; any value a host sets
  void setCursorPosition(int position);
  double fontNormSize() const;  // points; 10 after loading
  void setFontNormSize(double points);
  double fontSupSize() const;  // points; 8 after loading; a root's index is 2 smaller
  void setFontSupSize(double points);
  const QString& fontName() const;  // recorded only: the drawing font is set by NewFontName/ChangeFont
  void setFontName(const QString& name);
  bool printText() const;  // draw every character literally, no markers
  void setPrintText(bool literal);

  // Redraws the retained picture from the members.
  void P();
  // `Text` without its zero-width markers "e" and "s".
  static QString twcc(const QString& Text);
  // The setters take a value of any kind: a text for Text and FontName, and
  // for the sizes a number or a numeric text (anything else is not a
  // number, an empty value is 0). Each writes its member, then P().
  void NewText(const QVariant& MyText);
  void NewFontNormSize(const QVariant& MyFontNormSize);
  void NewFontSupSize(const QVariant& MyFontSupSize);
  void NewCellWidth(const QVariant& MyCellWidth);
  // Also sets the drawing font name.
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

  // Puts the formula as it is seen on the clipboard: accessibleText()
  // without the blanks around it ("2x³+0x²+0x-16"). Nothing for an empty
  // formula. Ctrl+Insert.
  void copy() const;

  // Room for kHintCharacters characters at the current cell width (120
  // twips when it is not a positive number), by the pad's fixed height.
  QSize sizeHint() const override;

signals:
  void cellWidthChanged(double twips);
  void textChanged(const QString& text);
  void cursorPositionChanged(int position);
  void fontNormSizeChanged(double points);
  void fontSupSizeChanged(double points);
  void fontNameChanged(const QString& name);
  void printTextChanged(bool literal);
  // The drawn formula changed (after a P() that changed accessibleText()).
  void drawnTextChanged();
  // Ctrl+V or Shift+Insert: the host decides what the clipboard's text
  // becomes in the pad. Without a host that does, the keys do nothing.
  void pasteRequested();

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
  // Writes a number member, telling when it changed (NaN equals NaN).
  void storeNumber(double& member, double value, void (FormulaPad::*changed)(double));
  void showKeyHelpMenu(const QPoint& globalPos);

  class Private;
  Private* d;
};
