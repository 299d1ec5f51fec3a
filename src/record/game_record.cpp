// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/game_record.h"

#include <QStringList>

#include "core/card.h"

namespace korvex {
namespace {

std::optional<QString> turnFault(const TurnRecord& turn, int number) {
    const QString where = QStringLiteral("Turn %1").arg(number);
    if (turn.rolls.empty() || turn.rolls.size() > 3)
        return where + QStringLiteral(" has %1 rolls.").arg(turn.rolls.size());
    if (!turn.category) return where + QStringLiteral(" scores no category.");
    for (const RollRecord& roll : turn.rolls)
        for (int face : roll.faces)
            if (face < 1 || face > 6) return where + QStringLiteral(" shows a face %1.").arg(face);
    // Every turn starts with all holds released.
    for (bool held : turn.rolls.front().held)
        if (held) return where + QStringLiteral(" holds a die before its first roll.");
    return std::nullopt;
}

}  // namespace

std::array<int, kCategoryCount> GameRecord::categoryPoints() const {
    std::array<int, kCategoryCount> points;
    points.fill(-1);
    for (const TurnRecord& turn : turns)
        if (turn.category) points[std::size_t(*turn.category)] = turn.points;
    return points;
}

std::optional<QString> recordFault(const GameRecord& record) {
    if (record.turns.size() != std::size_t(kCategoryCount))
        return QStringLiteral("The game has %1 turns.").arg(record.turns.size());
    Card card;
    for (std::size_t t = 0; t < record.turns.size(); ++t) {
        const TurnRecord& turn = record.turns[t];
        if (auto fault = turnFault(turn, int(t) + 1)) return fault;
        if (card.used(*turn.category))
            return QStringLiteral("Turn %1 scores a category twice.").arg(t + 1);
        if (card.commit(*turn.category, turn.rolls.back().faces) != turn.points)
            return QStringLiteral("Turn %1 scores the wrong points.").arg(t + 1);
    }
    if (card.bonus() != record.bonus || card.extraPoints != record.extra ||
        card.total() != record.total)
        return QStringLiteral("The total does not add up.");
    return std::nullopt;
}

QString facesText(const Faces& faces) {
    QStringList parts;
    for (int face : faces) parts << QString::number(face);
    return parts.join(QLatin1Char(' '));
}

QString heldText(const std::array<bool, 5>& held) {
    QStringList parts;
    for (int p = 0; p < 5; ++p)
        if (held[std::size_t(p)]) parts << QString::number(p + 1);
    // Nothing held is an empty text, not a missing one: the column holds no nulls.
    return parts.isEmpty() ? QStringLiteral("") : parts.join(QLatin1Char(' '));
}

std::optional<Faces> facesFromText(const QString& text) {
    const QStringList parts = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (parts.size() != 5) return std::nullopt;
    Faces faces{};
    for (int i = 0; i < 5; ++i) {
        bool ok = false;
        faces[std::size_t(i)] = parts[i].toInt(&ok);
        if (!ok || faces[std::size_t(i)] < 1 || faces[std::size_t(i)] > 6) return std::nullopt;
    }
    return faces;
}

std::optional<std::array<bool, 5>> heldFromText(const QString& text) {
    std::array<bool, 5> held{};
    for (const QString& part : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        bool ok = false;
        const int position = part.toInt(&ok);
        if (!ok || position < 1 || position > 5) return std::nullopt;
        held[std::size_t(position - 1)] = true;
    }
    return held;
}

}  // namespace korvex
