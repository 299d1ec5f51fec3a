#include "scoring/score_card.h"

#include "board/form1_layout.h"

namespace korvex {
namespace {

const QString kNo = QStringLiteral("no");
const QString kYes = QStringLiteral("yes");

bool isOpen(const FormModel& board, const Category& c) {
    return board.text(c.usedFlag) == kNo;
}

long long upperSum(const FormModel& board) {
    long long sum = 0;
    for (const Category& c : categories())
        if (c.upper) sum += wholeNumber(board.text(c.valueField));
    return sum;
}

void awardBonus(FormModel& board) {
    if (upperSum(board) < kBonusThreshold) return;
    board.setText(QStringLiteral("Bonus"), decimalText(kUpperBonus));
    board.setText(QStringLiteral("Bonusx"), decimalText(kUpperBonus));
}

// Every later five of a kind adds 100 to a Korvex score that is already recorded and not 0,
// whatever category these dice go into.
void awardExtraFiveOfAKind(FormModel& board) {
    const Category& korvex = category(CategoryId::Korvex);
    if (!isFiveOfAKind(boardDice(board))) return;
    if (board.text(korvex.usedFlag) != kYes) return;
    const double points = fieldNumber(board.text(korvex.scoreBox));
    if (points == 0) return;
    board.setText(korvex.scoreBox, decimalText((long long)points + kExtraFiveOfAKindPoints));
    board.setText(korvex.valueField, board.text(korvex.scoreBox));
}

void updateSums(FormModel& board) {
    long long total = wholeNumber(board.text(QStringLiteral("Bonusx")));
    for (const Category& c : categories()) total += wholeNumber(board.text(c.valueField));
    board.setText(QStringLiteral("Subtotal"), decimalText(upperSum(board)));
    board.setText(QStringLiteral("Total"), decimalText(total));
}

void releaseHolds(FormModel& board) {
    for (int p = 1; p <= 5; ++p) board.setText(holdFlag(p), kNo);
    for (int p = 1; p <= 5; ++p)
        for (int f = 1; f <= 6; ++f) board.setBorder(dieName(f, p), 0);
}

}  // namespace

Dice boardDice(const FormModel& board) {
    Dice dice;
    for (int p = 1; p <= 5; ++p) dice[std::size_t(p - 1)] = board.text(faceField(p));
    return dice;
}

void selectCategory(FormModel& board, const Category& chosen) {
    if (board.visible(QStringLiteral("CB_Start"))) return;
    if (board.text(chosen.usedFlag) == kYes) return;
    board.setEnabled(QStringLiteral("CB_Save"), true);
    const QString points = decimalText(chosen.points(boardDice(board)));
    for (const Category& c : categories()) {
        if (c.id == chosen.id) {
            board.setText(c.scoreBox, points);
            board.setText(c.valueField, points);
        } else if (isOpen(board, c)) {
            board.setText(c.scoreBox, QString());
            board.setText(c.valueField, QStringLiteral("0"));
        }
    }
    board.setFocus(QStringLiteral("CB_Save"));
}

void clearCandidates(FormModel& board) {
    for (const Category& c : categories()) {
        if (!isOpen(board, c)) continue;
        board.setText(c.scoreBox, QString());
        board.setText(c.valueField, QStringLiteral("0"));
    }
}

const Category* selectedCategory(const FormModel& board) {
    for (const Category& c : categories())
        if (isOpen(board, c) && !board.text(c.scoreBox).isEmpty()) return &c;
    return nullptr;
}

bool recordSelection(FormModel& board) {
    const Category* selected = selectedCategory(board);
    if (!selected) return false;
    awardBonus(board);
    awardExtraFiveOfAKind(board);
    updateSums(board);
    board.setText(selected->usedFlag, kYes);
    releaseHolds(board);
    const QString games = QStringLiteral("GameCount");
    board.setText(games, decimalText(wholeNumber(board.text(games)) + 1));
    return true;
}

}  // namespace korvex
