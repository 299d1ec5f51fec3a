// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The dice of the record's windows, drawn as the board draws its own: a white face with a thin
// black outline and black pips in the usual spots, and around a held die a dark frame one pixel
// clear of the face. A die here is a toggle button, checked while held, so a screen reader hears
// "Die 2: 5" with its state and can press it, and the keyboard holds it with Space.

#include <QAbstractButton>

namespace korvex {

class DieButton : public QAbstractButton {
  public:
    // `position` is 1 to 5, as the board counts its dice.
    DieButton(int position, QWidget* parent = nullptr);

    // Shows `face` (1 to 6) and names the die after it, as the board does.
    void setFace(int face);
    int face() const { return m_face; }
    int position() const { return m_position; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int m_position;
    int m_face = 1;
};

// Paints a die face of `pips` into `face`, and its hold frame around it when `held`.
void paintDie(QPainter& painter, const QRect& face, int pips, bool held);

}  // namespace korvex
