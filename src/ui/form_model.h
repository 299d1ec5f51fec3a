// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The state of one window: one text per element name, plus the visible, enabled, border, bold and
// tentative flags and the keyboard focus. Handlers read and write it by name; a toolkit watches it
// through one observer and mirrors every change on screen.

#include <QHash>
#include <QString>
#include <functional>
#include <vector>

#include "ui/layout.h"

namespace korvex {

class FormModel {
  public:
    enum class Change { Text, Visible, Enabled, Border, Bold, Tentative, Focus, SelectAll };
    using Observer = std::function<void(int index, Change change)>;

    struct ElementState {
        QString text;
        bool visible = true;
        bool enabled = true;
        int border = 0;  // 0 none, 1 single line
        bool bold = false;
        // A text that is offered, not yet final (a candidate score): shown apart from final ones.
        bool tentative = false;
    };

    explicit FormModel(const FormLayout& layout);

    // Back to the stored layout, as when the window is created.
    void reset();

    const FormLayout& layout() const { return *m_layout; }
    int size() const { return int(m_states.size()); }
    // Index of an element; throws std::out_of_range for a name the layout does not have.
    int indexOf(const QString& name) const;
    bool has(const QString& name) const { return m_index.contains(name); }
    const ElementState& state(int index) const { return m_states.at(std::size_t(index)); }

    QString text(const QString& name) const { return state(indexOf(name)).text; }
    bool visible(const QString& name) const { return state(indexOf(name)).visible; }
    bool enabled(const QString& name) const { return state(indexOf(name)).enabled; }
    int border(const QString& name) const { return state(indexOf(name)).border; }
    bool bold(const QString& name) const { return state(indexOf(name)).bold; }
    bool tentative(const QString& name) const { return state(indexOf(name)).tentative; }
    QString focus() const { return m_focus; }

    void setText(const QString& name, const QString& text);
    void setVisible(const QString& name, bool visible);
    void setEnabled(const QString& name, bool enabled);
    void setBorder(const QString& name, int border);
    void setBold(const QString& name, bool bold);
    void setTentative(const QString& name, bool tentative);
    void setFocus(const QString& name);
    void selectAll(const QString& name);

    void setObserver(Observer observer) { m_observer = std::move(observer); }

  private:
    void notify(int index, Change change) const;
    ElementState& mutableState(const QString& name) {
        return m_states.at(std::size_t(indexOf(name)));
    }

    const FormLayout* m_layout;
    QHash<QString, int> m_index;
    std::vector<ElementState> m_states;
    QString m_focus;
    Observer m_observer;
};

// Numbers in fields are plain decimal text. An empty or unreadable text reads as 0, as the
// game has always treated a field that holds no number.
double fieldNumber(const QString& text);
// The whole part of a field's number, as added up on the score card.
long long wholeNumber(const QString& text);
// Plain decimal text of a whole number: no sign for positives, no grouping, no leading zeros.
QString decimalText(long long value);

}  // namespace korvex
