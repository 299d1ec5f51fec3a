// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The widgets that stand for a window's elements and its frame. Each reports what the player did
// (a click, a typed key, the close box, the window becoming active) through plain callbacks that
// the Qt toolkit fills in; none of them knows about forms or handlers.

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <functional>

#include "ui/form.h"
#include "ui/layout.h"

namespace korvex {

// What an element reports: a click, the first UTF-16 code of every typed key, and the keys that
// move the focus (true when the form took the key).
struct ElementHooks {
    std::function<void()> click;
    std::function<void(char16_t)> key;
    std::function<bool(NavigationKey)> navigate;

    void clicked() const {
        if (click) click();
    }
    void typed(const QString& text) const {
        if (key && !text.isEmpty()) key(text.at(0).unicode());
    }
    // An arrow key, Home or End without modifiers, handed to the form; false when it is none of
    // those or the form leaves it to the widget.
    bool navigated(const QKeyEvent* event) const;
};

// A push button that reports typed keys and still handles them as a button does.
class ElementButton : public QPushButton {
  public:
    using QPushButton::QPushButton;
    ElementHooks hooks;
    // Shows a caption in the "&&" convention, word-wrapped onto as many lines as its width needs.
    void setCaption(const QString& caption);
    const QString& caption() const { return m_caption; }
    // Where the caption's lines are drawn: the button's contents less the style's text margins.
    QRect captionRoom() const;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    QString m_caption;
};

// Static text that reports clicks. A link takes the focus from Tab, and Space or Enter on it
// count as a click; any other label never takes the focus.
class ElementLabel : public QLabel {
  public:
    using QLabel::QLabel;
    ElementHooks hooks;
    // A status line: screen readers hear each new text.
    void setLive(bool live) { m_live = live; }
    bool isLive() const { return m_live; }
    void setLink(bool link) { m_link = link; }
    bool isLink() const { return m_link; }

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    bool m_live = false;
    bool m_link = false;
};

// A single-line text field. A read-only one (a score box) is still focusable, and Space or Enter
// on it counts as a click, so the card can be played from the keyboard.
class ElementTextBox : public QLineEdit {
  public:
    using QLineEdit::QLineEdit;
    ElementHooks hooks;

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// A drawn picture: a die face, a roll indicator or the program icon, painted at the screen's own
// resolution. A border of 1 marks a held die with a frame around its face.
class PictureWidget : public QWidget {
  public:
    PictureWidget(PictureKind kind, int pips, QWidget* parent);
    ElementHooks hooks;
    void setBorder(int border);
    int border() const { return m_border; }
    // A toggle is on while it carries its border (a held die).
    void setToggle(bool toggle) { m_toggle = toggle; }
    bool isToggle() const { return m_toggle; }
    // Places the widget so that its picture covers `picture` (parent pixels).
    void setPictureGeometry(const QRect& picture);
    // Where the picture itself lies in the widget: a die's face, or the whole widget.
    QRect faceRect() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    PictureKind m_kind;
    int m_pips;
    int m_border = 0;
    bool m_toggle = false;
};

// A straight rule. The widget covers the rule's bounding box and lets the mouse through.
class LineWidget : public QWidget {
  public:
    // Endpoints in the parent's pixels.
    LineWidget(QPoint from, QPoint to, int width, QColor colour, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QPoint m_from, m_to;
    int m_width;
    QColor m_colour;
};

// What a window reports: the close box, and becoming or ceasing to be the active window.
struct WindowHooks {
    std::function<void()> closeRequested;
    std::function<void()> activated;
    std::function<void()> deactivated;
    bool handle(QEvent* event);  // true when the event was the close box
};

// The frame of a main window (the board): a title, a minimise box and a close box. Its layout is
// absolute, so it has no maximise box and its size is fixed.
class FormWindow : public QWidget {
  public:
    FormWindow();
    WindowHooks hooks;

  protected:
    bool event(QEvent* event) override;
};

// The frame of a fixed dialog. Escape presses the cancel button when there is one and does
// nothing otherwise; every way of closing goes through the toolkit, so the unload step runs.
class FormDialog : public QDialog {
  public:
    explicit FormDialog(QWidget* owner);
    WindowHooks hooks;
    QPushButton* cancelButton = nullptr;
    void done(int result) override;

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// Twips to logical pixels, rounded.
int twipsToPixels(int twips);
// A font from the layout, at a pixel size (points × 4/3), so the layout does not depend on the
// screen's dots per inch.
QFont layoutFont(const FontSpec& item);
// A caption in the "&&" convention with line breaks where it is too wide for `width` pixels.
QString wrappedCaption(const QString& caption, const QFontMetrics& metrics, int width);
// The caption as read aloud: "&&" is one "&", a single "&" only marks the access key.
QString plainCaption(const QString& caption);

}  // namespace korvex
