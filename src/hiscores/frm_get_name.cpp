#include "hiscores/frm_get_name.h"

namespace korvex {

namespace {

const QString kTxtName = QStringLiteral("txtName");

ElementSpec element(const char* name, ElementKind kind, const char* caption, int l, int t, int w,
                    int h, int tab) {
    ElementSpec e =
        makeElement(kind, QString::fromLatin1(name), l, t, w, h, QString::fromLatin1(caption));
    e.tab = tab;
    return e;
}

}  // namespace

FormLayout frmGetNameLayout() {
    FormLayout layout;
    layout.name = QStringLiteral("frmGetName");
    layout.caption = QStringLiteral("New High Score");
    layout.clientWidth = 2415;
    layout.clientHeight = 1905;
    layout.background = Colour::of(Colour::Role::DialogFace);
    layout.frame = FrameStyle::FixedDialog;
    layout.start = StartPosition::CenterOwner;

    ElementSpec prompt =
        element("Label1", ElementKind::Label, "Enter your initials:", 600, 600, 1335, 255, 0);
    prompt.align = Align::Left;

    ElementSpec score = element("lblScore", ElementKind::Label, "", 120, 120, 2175, 375, 1);
    score.font = FontSpec{QStringLiteral("Comic Sans MS"), 12, true};
    score.align = Align::Center;

    ElementSpec name = element("txtName", ElementKind::TextBox, "???", 840, 840, 735, 405, 2);
    name.font = FontSpec{QStringLiteral("Comic Sans MS"), 12, false};
    name.align = Align::Center;
    name.maxLength = 3;

    ElementSpec ok = element("cmdOK", ElementKind::Button, "&OK", 840, 1440, 735, 375, 3);
    ok.role = ButtonRole::Default;

    layout.elements = {prompt, score, name, ok};
    return layout;
}

FrmGetName::FrmGetName(Toolkit& toolkit) : Form(frmGetNameLayout(), toolkit) {
    onChange(kTxtName, [this] { txtName_Change(); });
    onClick(QStringLiteral("cmdOK"), [this] { cmdOK_Click(); });
}

void FrmGetName::load() {
    setText(QStringLiteral("lblScore"), ModHiScores::formatScore(m_newHiScore));
}

QString FrmGetName::askInitials(Form* owner, qint64 NewHiScore) {
    m_newHiScore = NewHiScore;
    m_enteredInitials.clear();
    toolkit().showModal(*this, owner);
    // A field left empty, or holding only spaces, files the entry as unnamed.
    const QString initials = ModHiScores::fitInitials(m_enteredInitials);
    return initials == ModHiScores::fitInitials(QString()) ? QStringLiteral("???") : initials;
}

// Typing replaces the "???" at once.
void FrmGetName::activate() {
    model().selectAll(kTxtName);
    setFocus(kTxtName);
}

// The field keeps the text as typed; only the register is in upper case.
void FrmGetName::txtName_Change() {
    m_enteredInitials = ModHiScores::fitInitials(text(kTxtName).toUpper());
}

void FrmGetName::cmdOK_Click() {
    toolkit().close(*this);
}

}  // namespace korvex
