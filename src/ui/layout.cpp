#include "ui/layout.h"

namespace korvex {

const ElementSpec* FormLayout::find(const QString& element) const {
    for (const ElementSpec& element : elements)
        if (element.name == element) return &element;
    return nullptr;
}

}  // namespace korvex
