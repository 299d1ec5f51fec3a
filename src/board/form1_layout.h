// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "core/rules.h"
#include "ui/layout.h"

namespace korvex {

// The stored layout of the board window `Form1`: every element with its geometry and look.
FormLayout form1Layout();

// Element names of the die pictures and roll indicator, built in one place.
QString dieName(int face, int position);    // "Die4_2": face 4 at position 2
QString faceField(int position);            // "Temp2"
QString holdFlag(int position);             // "Save2"
extern const char* const kRollPictures[3];  // "OneRoll", "TwoRoll", "ThreeRoll"
extern const char* const kStartFrame[4];    // "LineTop", "LineBottom", "LineLeft", "LineRight"
// The coach's panel right of the score card, and its mark under a die worth keeping.
extern const char* const kCoachPanel[5];
QString keepMark(int position);  // "lblKeep2"

// The board's three fields of a category: the used flag, the visible box a click lands on, and
// the number the sums count.
struct CategoryFields {
    QString usedFlag;    // "Perm4"
    QString scoreBox;    // "Score4"
    QString valueField;  // "Score4x"
};
const CategoryFields& categoryFields(CategoryId id);

}  // namespace korvex
