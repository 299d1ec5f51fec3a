// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/form.h"

namespace korvex {

Form::Form(FormLayout layout, Toolkit& toolkit)
    : m_layout(std::move(layout)),
      m_model(std::make_unique<FormModel>(m_layout)),
      m_toolkit(toolkit) {}

Form::~Form() = default;

void Form::click(const QString& element) {
    auto it = m_click.constFind(element);
    if (it != m_click.constEnd()) (*it)();
}

void Form::keyPress(const QString& element, char16_t code) {
    auto it = m_key.constFind(element);
    if (it != m_key.constEnd()) (*it)(code);
}

void Form::textChanged(const QString& element) {
    auto it = m_change.constFind(element);
    if (it != m_change.constEnd()) (*it)();
}

bool Form::navigate(const QString& element, NavigationKey key) {
    auto it = m_navigate.constFind(element);
    if (it == m_navigate.constEnd()) return false;
    (*it)(key);
    return true;
}

void Form::command(const QString& name) {
    auto it = m_command.constFind(name);
    if (it != m_command.constEnd()) (*it)();
}

void Form::onClick(const QString& element, Handler handler) {
    m_model->indexOf(element);  // a handler for an element the layout lacks is a wiring fault
    m_click.insert(element, std::move(handler));
}

void Form::onKeyPress(const QString& element, KeyHandler handler) {
    m_model->indexOf(element);
    m_key.insert(element, std::move(handler));
}

void Form::onChange(const QString& element, Handler handler) {
    m_model->indexOf(element);
    m_change.insert(element, std::move(handler));
}

void Form::onNavigate(const QString& element, NavigationHandler handler) {
    m_model->indexOf(element);
    m_navigate.insert(element, std::move(handler));
}

void Form::onCommand(const QString& name, Handler handler) {
    m_command.insert(name, std::move(handler));
}

}  // namespace korvex
