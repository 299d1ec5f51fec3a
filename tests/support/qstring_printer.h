// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Lets GoogleTest print texts as text when an expectation on them fails.

#include <QString>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
