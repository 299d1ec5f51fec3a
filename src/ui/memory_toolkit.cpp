// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/memory_toolkit.h"

#include "korvex_version.h"
#include "ui/form.h"

namespace korvex {

MemoryToolkit::MemoryToolkit()
    : m_identity{QString::fromLatin1(version::kTitle), version::kMajor, version::kMinor,
                 version::kRevision} {}

void MemoryToolkit::whenModal(const QString& formName, Reaction reaction) {
    m_reactions[formName].push_back(std::move(reaction));
}

void MemoryToolkit::answerNext(MessageResult answer) {
    m_answers.push_back(answer);
}

void MemoryToolkit::open(Form& form) {
    form.model().reset();
    m_open.insert(&form);
    form.load();
}

void MemoryToolkit::showModal(Form& form, Form* owner) {
    m_shown << form.name() + QLatin1Char('*');
    if (!isOpen(form)) open(form);
    form.activate();
    auto it = m_reactions.find(form.name());
    if (it != m_reactions.end() && !it->empty()) {
        Reaction reaction = std::move(it->front());
        it->pop_front();
        reaction(form);
    }
    if (isOpen(form)) close(form);
    // As on a desktop, the owner becomes the active window again when its modal child closes.
    if (owner && isOpen(*owner)) owner->activate();
}

void MemoryToolkit::showModeless(Form& form) {
    m_shown << form.name();
    if (!isOpen(form)) open(form);
    form.activate();
}

void MemoryToolkit::close(Form& form) {
    if (m_open.erase(&form) == 0) return;
    form.unload();
}

bool MemoryToolkit::isOpen(const Form& form) const {
    return m_open.count(&form) != 0;
}

MessageResult MemoryToolkit::messageBox(Form*, const QString& text, const QString& title,
                                        MessageButtons buttons) {
    m_messages.push_back({text, title, buttons});
    if (!m_answers.empty()) {
        const MessageResult answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }
    return buttons == MessageButtons::Ok ? MessageResult::Ok : MessageResult::Yes;
}

void MemoryToolkit::clearRecords() {
    m_messages.clear();
    m_shown.clear();
}

}  // namespace korvex
