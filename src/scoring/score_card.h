#pragma once
// The score card on the board: selecting a category, clearing candidate scores, and recording
// the selection. These walk the category table over the board's named fields.

#include "scoring/categories.h"
#include "ui/form_model.h"

namespace korvex {

inline constexpr int kBonusThreshold = 63;
inline constexpr int kUpperBonus = 35;
inline constexpr int kExtraFiveOfAKindPoints = 100;
inline constexpr int kTurnsPerGame = 13;

// The five die fields as they stand.
Dice boardDice(const FormModel& board);

// A click on a category's score box: shows its candidate score and makes it the only selection.
// Does nothing before START or on a scored category.
void selectCategory(FormModel& board, const Category& category);

// Empties the candidate score of every open category, as every ordinary roll does.
void clearCandidates(FormModel& board);

// The first open category in card order whose score box is not empty, or nullptr.
const Category* selectedCategory(const FormModel& board);

// Records the selected category: bonus, extra five-of-a-kind points, Subtotal, Total, the used
// flag, released holds, and the turn counter. Returns false (and changes nothing) when no
// category is selected.
bool recordSelection(FormModel& board);

}  // namespace korvex
