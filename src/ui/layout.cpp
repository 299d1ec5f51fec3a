#include "ui/layout.h"

namespace korvex {

const ElementSpec* FormLayout::find(const QString& element) const {
    for (const ElementSpec& spec : elements)
        if (spec.name == element) return &spec;
    return nullptr;
}

}  // namespace korvex
