#include "ui/layout.h"

namespace korvex {

const ElementSpec* FormLayout::find(const QString& element) const {
    for (const ElementSpec& row : elements)
        if (row.name == element) return &row;
    return nullptr;
}

ElementSpec makeElement(ElementKind kind, const QString& name, int left, int top, int width,
                        int height, const QString& caption) {
    ElementSpec e;
    e.name = name;
    e.kind = kind;
    e.left = left, e.top = top, e.width = width, e.height = height;
    e.caption = caption;
    return e;
}

ElementSpec makeLine(const QString& name, int x1, int y1, int x2, int y2, Colour colour,
                     int width) {
    ElementSpec e = makeElement(ElementKind::Line, name, x1, y1, x2, y2);
    e.fore = colour;
    e.lineWidth = width;
    return e;
}

}  // namespace korvex
