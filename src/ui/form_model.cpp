// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/form_model.h"

#include <cmath>
#include <stdexcept>

namespace korvex {

FormModel::FormModel(const FormLayout& layout) : m_layout(&layout) {
    m_index.reserve(int(layout.elements.size()));
    for (int i = 0; i < int(layout.elements.size()); ++i)
        m_index.insert(layout.elements[i].name, i);
    reset();
}

void FormModel::reset() {
    m_states.clear();
    m_states.reserve(m_layout->elements.size());
    for (const ElementSpec& element : m_layout->elements)
        m_states.push_back({element.caption, element.visible && element.kind != ElementKind::Field,
                            element.enabled, 0, element.font.bold, false});
    m_focus.clear();
}

int FormModel::indexOf(const QString& name) const {
    auto it = m_index.constFind(name);
    if (it == m_index.constEnd())
        throw std::out_of_range("no element named " + name.toStdString() + " in " +
                                m_layout->name.toStdString());
    return *it;
}

void FormModel::notify(int index, Change change) const {
    if (m_observer) m_observer(index, change);
}

void FormModel::setText(const QString& name, const QString& text) {
    ElementState& s = mutableState(name);
    if (s.text == text) return;
    s.text = text;
    notify(indexOf(name), Change::Text);
}

void FormModel::setVisible(const QString& name, bool visible) {
    ElementState& s = mutableState(name);
    if (s.visible == visible) return;
    s.visible = visible;
    notify(indexOf(name), Change::Visible);
}

void FormModel::setEnabled(const QString& name, bool enabled) {
    ElementState& s = mutableState(name);
    if (s.enabled == enabled) return;
    s.enabled = enabled;
    notify(indexOf(name), Change::Enabled);
}

void FormModel::setBorder(const QString& name, int border) {
    ElementState& s = mutableState(name);
    if (s.border == border) return;
    s.border = border;
    notify(indexOf(name), Change::Border);
}

void FormModel::setBold(const QString& name, bool bold) {
    ElementState& s = mutableState(name);
    if (s.bold == bold) return;
    s.bold = bold;
    notify(indexOf(name), Change::Bold);
}

void FormModel::setTentative(const QString& name, bool tentative) {
    ElementState& s = mutableState(name);
    if (s.tentative == tentative) return;
    s.tentative = tentative;
    notify(indexOf(name), Change::Tentative);
}

void FormModel::setFocus(const QString& name) {
    const int index = indexOf(name);
    m_focus = name;
    notify(index, Change::Focus);
}

void FormModel::selectAll(const QString& name) {
    notify(indexOf(name), Change::SelectAll);
}

double fieldNumber(const QString& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0.0;
}

long long wholeNumber(const QString& text) {
    const double value = std::trunc(fieldNumber(text));
    if (value >= 9.2e18 || value <= -9.2e18) return 0;
    return static_cast<long long>(value);
}

QString decimalText(long long value) {
    return QString::number(value);
}

}  // namespace korvex
