// SPDX-License-Identifier: GPL-3.0-or-later
// The coach's table in the per-user cache. The file is the table's values as they lie in memory,
// after a header that names the layout and the rules, and followed by a checksum of everything
// before it: solving takes about half a second on two cores, reading it back a few milliseconds.

#include <QFile>
#include <QSaveFile>
#include <cstring>

#include "coach/coach_table.h"

namespace korvex {
namespace {

// Raised whenever the values' order or meaning changes, so an old file is solved afresh.
constexpr std::uint32_t kLayout = 1;
constexpr char kMagic[8] = {'K', 'V', 'X', 'C', 'O', 'A', 'C', 'H'};

struct Header {
    char magic[8];
    std::uint32_t layout;
    std::int32_t fullHouseAcceptsFiveOfAKind, extraPoints, upperBonus;
    std::uint64_t values;
    std::uint64_t doubleSize;  // the same file on a machine with other doubles is not read
};

Header headerOf(const CoachRules& rules, std::size_t values) {
    Header h{};
    std::memcpy(h.magic, kMagic, sizeof kMagic);
    h.layout = kLayout;
    h.fullHouseAcceptsFiveOfAKind = rules.fullHouseAcceptsFiveOfAKind ? 1 : 0;
    h.extraPoints = rules.extraFiveOfAKindPoints;
    h.upperBonus = rules.upperBonus;
    h.values = values;
    h.doubleSize = sizeof(double);
    return h;
}

// FNV-1a over 64-bit words: any changed, lost or swapped byte changes it.
std::uint64_t checksum(const char* data, std::size_t size) {
    std::uint64_t hash = 14695981039346656037ull;
    std::size_t i = 0;
    for (; i + 8 <= size; i += 8) {
        std::uint64_t word;
        std::memcpy(&word, data + i, 8);
        hash = (hash ^ word) * 1099511628211ull;
    }
    for (; i < size; ++i) hash = (hash ^ std::uint8_t(data[i])) * 1099511628211ull;
    return hash;
}

}  // namespace

bool CoachTable::save(const QString& path) const {
    const Header header = headerOf(m_rules, m_values.size());
    QByteArray bytes(reinterpret_cast<const char*>(&header), sizeof header);
    bytes.append(reinterpret_cast<const char*>(m_values.data()),
                 qsizetype(m_values.size() * sizeof(double)));
    const std::uint64_t sum = checksum(bytes.constData(), std::size_t(bytes.size()));
    bytes.append(reinterpret_cast<const char*>(&sum), sizeof sum);
    // Written beside and renamed over: a copy killed half-way leaves no half table behind.
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

std::unique_ptr<CoachTable> CoachTable::load(const CoachRules& rules, const QString& path) {
    std::unique_ptr<CoachTable> table(new CoachTable(rules));
    const Header expected = headerOf(rules, table->m_values.size());
    const std::size_t valueBytes = table->m_values.size() * sizeof(double);
    const std::size_t size = sizeof(Header) + valueBytes + sizeof(std::uint64_t);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || std::size_t(file.size()) != size) return nullptr;
    const QByteArray bytes = file.read(qint64(size));
    if (std::size_t(bytes.size()) != size ||
        std::memcmp(bytes.constData(), &expected, sizeof(Header)) != 0)
        return nullptr;
    std::uint64_t sum;
    std::memcpy(&sum, bytes.constData() + size - sizeof sum, sizeof sum);
    if (sum != checksum(bytes.constData(), size - sizeof sum)) return nullptr;
    std::memcpy(table->m_values.data(), bytes.constData() + sizeof(Header), valueBytes);
    return table;
}

}  // namespace korvex
