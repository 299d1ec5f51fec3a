// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/practice_schedule.h"

#include <algorithm>
#include <array>

namespace korvex {
namespace {

// Roughly doubling gaps: a position answered well five times over comes back about once in a
// hundred answers, which still catches a habit that slips back.
constexpr std::array<int, kTopBox + 1> kAnswersUntilDue = {3, 6, 12, 25, 50, 100};

const PracticeSlot* slotOf(const PracticeRecord& record, const QString& key) {
    for (const PracticeSlot& slot : record.schedule)
        if (slot.position.key == key) return &slot;
    return nullptr;
}

}  // namespace

int answersUntilDue(int box) {
    return kAnswersUntilDue[std::size_t(std::clamp(box, 0, kTopBox))];
}

bool goodAnswer(double givenUp) {
    return givenUp < kGoodAnswerLoss;
}

PracticeSlot rescheduled(const PracticePosition& position, const PracticeSlot* before,
                         double givenUp, int answersAfter) {
    PracticeSlot slot;
    slot.position = position;
    slot.box = !goodAnswer(givenUp) ? 0 : before ? std::min(before->box + 1, kTopBox) : 1;
    slot.due = answersAfter + answersUntilDue(slot.box);
    return slot;
}

std::optional<PracticePosition> nextPosition(const PracticeRecord& record,
                                             const std::vector<PracticeCandidate>& candidates) {
    const int answered = int(record.answers.size());
    const QString last = record.answers.empty() ? QString() : record.answers.back().position;
    const PracticeSlot* due = nullptr;
    const PracticeSlot* soonest = nullptr;
    for (const PracticeSlot& slot : record.schedule) {
        if (slot.position.key == last) continue;
        if (slot.due <= answered && (!due || slot.due < due->due)) due = &slot;
        if (!soonest || slot.due < soonest->due) soonest = &slot;
    }
    if (due) return due->position;
    for (const PracticeCandidate& candidate : candidates)
        if (candidate.position.key != last && !slotOf(record, candidate.position.key))
            return candidate.position;
    if (soonest) return soonest->position;
    // Only the position just answered is left: it comes back rather than nothing.
    if (const PracticeSlot* again = slotOf(record, last)) return again->position;
    for (const PracticeCandidate& candidate : candidates)
        if (candidate.position.key == last) return candidate.position;
    return std::nullopt;
}

std::optional<double> proficiency(const std::vector<PracticeAnswer>& answers) {
    if (answers.empty()) return std::nullopt;
    const std::size_t n = std::min<std::size_t>(answers.size(), kProficiencyAnswers);
    double sum = 0;
    for (auto it = answers.end() - std::ptrdiff_t(n); it != answers.end(); ++it) sum += it->givenUp;
    return sum / double(n);
}

}  // namespace korvex
