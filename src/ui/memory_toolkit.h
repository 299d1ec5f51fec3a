// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A toolkit without a display, for tests and for anything that drives the game headless. A modal
// window runs a scripted reaction ("type ab, press OK") and then closes if the script left it
// open, as the player's close box would; a message box records what it showed and returns a
// scripted answer (the default button when none is scripted).

#include <QHash>
#include <QStringList>
#include <deque>
#include <functional>
#include <set>
#include <vector>

#include "ui/toolkit.h"

namespace korvex {

class MemoryToolkit : public Toolkit {
  public:
    using Reaction = std::function<void(Form&)>;
    struct Message {
        QString text;
        QString title;
        MessageButtons buttons;
    };

    MemoryToolkit();

    // The next modal opening of the window named `formName` runs this reaction.
    void whenModal(const QString& formName, Reaction reaction);
    // The next message box returns this answer.
    void answerNext(MessageResult answer);

    void showModal(Form& form, Form* owner) override;
    void showModeless(Form& form) override;
    void close(Form& form) override;
    bool isOpen(const Form& form) const override;
    MessageResult messageBox(Form* owner, const QString& text, const QString& title,
                             MessageButtons buttons) override;
    void setPointer(Pointer pointer) override { m_pointer = pointer; }
    AppIdentity identity() const override { return m_identity; }

    void setIdentity(AppIdentity identity) { m_identity = std::move(identity); }
    Pointer pointer() const { return m_pointer; }
    const std::vector<Message>& messages() const { return m_messages; }
    // Names of the windows shown, in order; a modal one is marked with a trailing "*".
    const QStringList& shown() const { return m_shown; }
    void clearRecords();

  private:
    void open(Form& form);

    QHash<QString, std::deque<Reaction>> m_reactions;
    std::deque<MessageResult> m_answers;
    std::set<const Form*> m_open;
    std::vector<Message> m_messages;
    QStringList m_shown;
    Pointer m_pointer = Pointer::Default;
    AppIdentity m_identity;
};

}  // namespace korvex
