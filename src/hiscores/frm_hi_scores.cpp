#include "hiscores/frm_hi_scores.h"

namespace korvex {

QString hiScoreNameLabel(int row) {
    return QStringLiteral("lblName(%1)").arg(row);
}
QString hiScoreScoreLabel(int row) {
    return QStringLiteral("lblScore(%1)").arg(row);
}
QString hiScoreRankLabel(int row) {
    return QStringLiteral("Label%1").arg(row + 1);
}

namespace {

const FontSpec kRankFont{QStringLiteral("Comic Sans MS"), 9.75, true};
const FontSpec kRowFont{QStringLiteral("Comic Sans MS"), 12, true};
const Colour kLight = Colour::of(Colour::Role::MenuBackground);

ElementSpec rowLabel(const QString& name, const QString& caption, int left, int row, int width,
                     int height, const FontSpec& font, Colour back, int tab) {
    ElementSpec e =
        makeElement(ElementKind::Label, name, left, 120 + 360 * row, width, height, caption);
    e.font = font;
    e.align = Align::Center;
    e.fore = kLight;
    e.back = back;
    e.tab = tab;
    return e;
}

ElementSpec button(const char* name, const char* caption, int l, int t, int w, int h, int tab,
                   ButtonRole role) {
    ElementSpec e = makeElement(ElementKind::Button, QString::fromLatin1(name), l, t, w, h,
                                QString::fromLatin1(caption));
    e.tab = tab;
    e.role = role;
    return e;
}

}  // namespace

FormLayout frmHiScoresLayout() {
    FormLayout layout;
    layout.name = QStringLiteral("frmHiScores");
    layout.caption = QStringLiteral("High Scores");
    layout.clientWidth = 2895;
    layout.clientHeight = 5040;
    layout.background = kDarkBlue;
    layout.frame = FrameStyle::FixedDialog;
    layout.start = StartPosition::CenterOwner;
    auto& out = layout.elements;
    const Colour transparent = Colour::of(Colour::Role::Transparent);
    for (int r = 0; r < 10; ++r) {
        out.push_back(rowLabel(hiScoreRankLabel(r), QString::number(r + 1), 120, r, 375, 255,
                               kRankFont, transparent, 22 + r));
        out.push_back(rowLabel(hiScoreNameLabel(r), QString(), 720, r, 855, 375, kRowFont,
                               kDarkBlue, 10 + r));
        out.push_back(
            rowLabel(hiScoreScoreLabel(r), QString(), 1800, r, 855, 375, kRowFont, kDarkBlue, r));
    }
    out.push_back(button("cmdOK", "&OK", 1080, 3960, 855, 375, 20, ButtonRole::Default));
    out.push_back(button("CB_ClearScores", "Clear High Scores", 720, 4440, 1575, 375, 21,
                         ButtonRole::Normal));
    return layout;
}

FrmHiScores::FrmHiScores(Toolkit& toolkit, ModHiScores& hiScores)
    : Form(frmHiScoresLayout(), toolkit), m_hiScores(hiScores), m_getName(toolkit) {
    onClick(QStringLiteral("cmdOK"), [this] { cmdOK_Click(); });
    onClick(QStringLiteral("CB_ClearScores"), [this] { CB_ClearScores_Click(); });
}

// The initials are asked for only once the list is on screen (the toolkits report activation
// after showing a window, also where the desktop does not), so the prompt opens over the list
// rather than over the board; the rows are filled after it, so the new entry never shows
// unasked initials behind the prompt. With nothing to ask, the rows are there from the first
// paint.
void FrmHiScores::load() {
    if (!m_newEntry) ShowScores();
}

void FrmHiScores::activate() {
    askNewEntry();
    ShowScores();
    setFocus(QStringLiteral("cmdOK"));
}

void FrmHiScores::askNewEntry() {
    // Some desktops report this window active again while the initials dialog is still open
    // over it; asking then would open a second prompt for the same entry.
    if (m_asking || !m_newEntry) return;
    m_asking = true;
    GetInitials(*m_newEntry);
    m_asking = false;
    m_newEntry.reset();
}

void FrmHiScores::GetInitials(int index) {
    HiScoreEntry& entry = m_hiScores.HiScoreTable.at(std::size_t(index));
    entry.Initials = m_getName.askInitials(this, entry.Score);
}

void FrmHiScores::ShowScores() {
    for (int r = 0; r < 10; ++r) {
        const HiScoreEntry& entry = m_hiScores.HiScoreTable[std::size_t(9 - r)];
        setText(hiScoreNameLabel(r), entry.Initials);
        setText(hiScoreScoreLabel(r), ModHiScores::formatScore(entry.Score) + QLatin1Char(' '));
    }
}

void FrmHiScores::cmdOK_Click() {
    toolkit().close(*this);
}

void FrmHiScores::CB_ClearScores_Click() {
    const MessageResult answer = toolkit().messageBox(
        this, QStringLiteral("Are you sure you want to clear all high scores from the list?"),
        QStringLiteral("Confirm Deletions"), MessageButtons::YesNo);
    if (answer != MessageResult::Yes) return;
    m_hiScores.ClearHiScores();
    toolkit().close(*this);
}

}  // namespace korvex
