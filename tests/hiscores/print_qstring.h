#pragma once
// Shows texts in failure messages as text rather than as UTF-16 bytes.

#include <QString>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
