// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/layout.h"

namespace korvex {

const ElementSpec* FormLayout::find(const QString& element) const {
    for (const ElementSpec& row : elements)
        if (row.name == element) return &row;
    return nullptr;
}

}  // namespace korvex
