#pragma once

#include <QLabel>

// A caption that reacts to a click: the link to the maker's site and the
// scroll arrows. Assistive technology sees it as a link or a button that
// can be pressed.
class ClickLabel : public QLabel {
  Q_OBJECT

public:
  enum class Role { Button, Link };

  explicit ClickLabel(const QString& text, Role role, QWidget* parent = nullptr);

  Role role() const { return role_; }
  // The text's colour by design. Under a dark palette the text takes the
  // palette's link colour instead, made readable against the window.
  void setDesignColour(const QColor& colour);
  // Does what a click does.
  void click();

signals:
  void clicked();

protected:
  void changeEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

private:
  void followPalette();

  Role role_;
  QColor designColour_;  // invalid: the palette's text colour
  bool pressed_ = false;  // the left button went down on this label
};
