// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The score card and its arithmetic, in one place: what each category recorded, the extra points
// a later five of a kind earns, the upper sum and bonus, and the total. The game commits through
// it, and so does everything that replays or makes up a game (the record's check, the review,
// the generator of games), so the card's rules cannot drift apart.

#include <array>
#include <optional>

#include "core/rules.h"

namespace korvex {

struct Card {
    std::array<std::optional<int>, kCategoryCount> scores{};  // empty while open
    int extraPoints = 0;                                      // added to Korvex's box

    bool used(CategoryId id) const { return scores[std::size_t(id)].has_value(); }
    // What a category's box shows once recorded: Korvex carries the extra points.
    int shown(CategoryId id) const;
    // Korvex holds a score that is not 0, so a later five of a kind earns the extra points.
    bool korvexCounts() const { return used(CategoryId::Korvex) && shown(CategoryId::Korvex); }
    int upperSum() const;
    int bonus() const { return upperSum() >= kBonusThreshold ? kUpperBonus : 0; }
    int total() const;
    int turnsPlayed() const;
    bool full() const { return turnsPlayed() == kTurnsPerGame; }

    // Records `points` in the open category `id` with `faces` on the table; a five of a kind
    // there adds the extra points once Korvex counts, whatever category it goes into.
    void commit(CategoryId id, int points, const Faces& faces);
    // Records what `faces` score in `id` and returns those points (extra points apart).
    int commit(CategoryId id, const Faces& faces);

    friend bool operator==(const Card&, const Card&) = default;
};

}  // namespace korvex
