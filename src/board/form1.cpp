// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/form1.h"

#include <QCoreApplication>
#include <QDateTime>

#include "about/frm_about.h"
#include "about/frm_how_to_play.h"
#include "board/form1_layout.h"
#include "hiscores/frm_hi_scores.h"

namespace korvex {
namespace {

const QString kYes = QStringLiteral("yes");
const QString kNo = QStringLiteral("no");
const QString kCheat = QStringLiteral("Cheat");
const QString kRollCount = QStringLiteral("RollCount");
const QString kStart = QStringLiteral("CB_Start");
const QString kRoll = QStringLiteral("CB_Roll");
const QString kSave = QStringLiteral("CB_Save");
const QString kForced = QStringLiteral("lblForced");

// The card as the arrow keys walk it: the upper column down to Bonus, the lower one to Total.
const std::array<QStringList, 2>& cardColumns() {
    static const std::array<QStringList, 2> columns = [] {
        std::array<QStringList, 2> out;
        for (const Category& c : categories())
            out[c.upper ? 0 : 1] << categoryFields(c.id).scoreBox;
        out[0] << QStringLiteral("Subtotal") << QStringLiteral("Bonus");
        out[1] << QStringLiteral("Total");
        return out;
    }();
    return columns;
}

}  // namespace

Form1::Form1(Toolkit& toolkit, RandomSource& random, ModHiScores& hiScores)
    : Form(form1Layout(), toolkit), m_random(random), m_hiScores(hiScores) {
    wireHandlers();
    wireNavigation();
    // Advice that arrives once the coach's table is ready is news too.
    m_coach.setAdviceListener([this] {
        if (const auto advice = m_coach.newAdvice()) say(coachStatus(*advice));
    });
}

Form1::~Form1() = default;

void Form1::wireHandlers() {
    onClick(QStringLiteral("CB_New"), [this] { CB_New_Click(); });
    onClick(kStart, [this] { CB_Start_Click(); });
    onClick(QStringLiteral("CB_Exit"), [this] { CB_Exit_Click(); });
    onClick(QStringLiteral("CB_ViewScores"), [this] { CB_ViewScores_Click(); });
    onClick(QStringLiteral("Label19"), [this] { Label19_Click(); });
    onClick(QStringLiteral("Label20"), [this] { Label20_Click(); });
    onClick(QStringLiteral("lblHint"), [this] { lblHint_Click(); });
    onClick(QStringLiteral("lblStatistics"), [this] { lblStatistics_Click(); });
    onClick(QStringLiteral("lblReview"), [this] { lblReview_Click(); });
    onClick(QStringLiteral("lblPractice"), [this] { lblPractice_Click(); });
    onClick(kRoll, [this] { CB_Roll_Click(); });
    onKeyPress(kRoll, [this](char16_t key) { CB_Roll_KeyPress(key); });
    onClick(kSave, [this] { CB_Save_Click(); });
    for (int p = 1; p <= 5; ++p)
        for (int f = 1; f <= 6; ++f) onClick(dieName(f, p), [this, f, p] { dieClick(f, p); });
    for (const Category& c : categories())
        onClick(categoryFields(c.id).scoreBox, [this, id = c.id] { categoryClick(id); });
    onCommand(QStringLiteral("HowToPlay"), [this] { showHowToPlay(); });
}

void Form1::wireNavigation() {
    for (int p = 1; p <= 5; ++p)
        for (int f = 1; f <= 6; ++f)
            onNavigate(dieName(f, p), [this, p](NavigationKey key) { diceKey(p, key); });
    for (const QString& button : {kRoll, kSave})
        onNavigate(button, [this, button](NavigationKey key) { buttonKey(button, key); });
    for (const QStringList& column : cardColumns())
        for (const QString& box : column)
            onNavigate(box, [this, box](NavigationKey key) { cardKey(box, key); });
}

void Form1::Form_Load() {
    toolkit().setPointer(Pointer::Arrow);
    m_game = Game();
    showGame();
    m_hiScores.LoadHiScores();
    CB_New_Click();
}

void Form1::Form_Unload() {
    toolkit().setPointer(Pointer::Default);
    // A high score whose save was refused earlier would otherwise end with the program.
    if (m_hiScores.hasUnsavedEntries()) m_hiScores.SaveHiScores(ModHiScores::SaveTime::Closing);
    // So would a finished game that the record of games could not take yet.
    if (m_history && m_history->waiting()) m_history->flush(GameHistory::Occasion::Closing);
}

void Form1::CB_New_Click() {
    m_game.newGame();
    showGame();
    m_coach.newGame();
    m_recorder.discard();  // a game left unfinished is not recorded
    say(newGameStatus());
}

void Form1::CB_Start_Click() {
    if (m_game.start(m_random) == Game::Roll::Refused) return;
    m_recorder.started(QDateTime::currentDateTimeUtc());
    m_recorder.rolled(m_game, m_coach.isOn());
    showGame(kRoll);
    m_coach.refresh();
    say(withCoach(rollStatus(m_game)));
}

void Form1::CB_Exit_Click() {
    toolkit().close(*this);
}

void Form1::CB_ViewScores_Click() {
    m_hiScores.LoadHiScores();
    FrmHiScores list(toolkit(), m_hiScores);
    toolkit().showModal(list, this);
    // The table as shown keeps an entry whose save was refused; try to store it again now.
    if (m_hiScores.hasUnsavedEntries()) m_hiScores.SaveHiScores();
}

void Form1::Label19_Click() {
    showAbout();
}
void Form1::Label20_Click() {
    showAbout();
}

void Form1::showAbout() {
    if (!m_about) m_about = std::make_unique<FrmAbout>(toolkit());
    toolkit().showModeless(*m_about);
}

void Form1::showHowToPlay() {
    if (!m_howToPlay) m_howToPlay = std::make_unique<FrmHowToPlay>(toolkit());
    toolkit().showModeless(*m_howToPlay);
}

void Form1::CB_Roll_Click() {
    if (rollDice()) say(withCoach(rollStatus(m_game)));
}

// Rolls and shows the dice; the third roll of a turn hands the keyboard to Save.
bool Form1::rollDice() {
    if (m_game.roll(m_random) == Game::Roll::Refused) return false;
    m_recorder.rolled(m_game, m_coach.isOn());
    showGame(m_game.mayRoll() ? QString() : kSave);
    m_coach.refresh();
    return true;
}

void Form1::CB_Roll_KeyPress(char16_t keyAscii) {
    // Only the digits 1 to 6 and a lower-case s arm a forced roll; every other key is the button's.
    if (!m_game.armForcedRoll(keyAscii)) return;
    showCounters();
    say(forcedRollStatus(m_game.cheat()));
}

void Form1::dieClick(int face, int position) {
    if (!m_game.toggleHold(face, position)) return;
    showDice();
    m_coach.refresh();  // its advice is told from the holds
    if (const auto advice = m_coach.newAdvice()) say(coachStatus(*advice));
}

void Form1::categoryClick(CategoryId id) {
    if (!m_game.select(id)) return;
    showCard();
    showButtons(kSave);
    say(candidateStatus(*m_game.candidate()));
}

void Form1::lblHint_Click() {
    m_coach.toggle();
    say(withCoach(coachSwitchedStatus(m_coach.isOn())));
}

QString Form1::withCoach(const QString& text) {
    const auto advice = m_coach.newAdvice();
    return advice ? text + QLatin1Char(' ') + coachStatus(*advice) : text;
}

void Form1::CB_Save_Click() {
    const std::optional<Candidate> chosen = m_game.candidate();
    if (chosen) m_coach.beforeCommit(chosen->id);
    const Card before = m_game.card();
    const Game::Commit outcome = m_game.commit();
    if (outcome != Game::Commit::NothingSelected) m_recorder.committed(m_game, chosen->id);
    const Card& after = m_game.card();
    CommitReport report{};
    if (chosen)
        report = {chosen->id, chosen->points, after.extraPoints - before.extraPoints,
                  after.bonus() > before.bonus(), after.total()};
    switch (outcome) {
        case Game::Commit::NothingSelected:
            toolkit().messageBox(
                this, QCoreApplication::translate("Form1", "You must choose an item to score."),
                QCoreApplication::translate("Form1", "Scoring Error"), MessageButtons::Ok);
            return;
        case Game::Commit::NextTurn:
            showGame(kRoll);
            if (rollDice())
                say(withCoach(commitStatus(report) + QLatin1Char(' ') + rollStatus(m_game)));
            return;
        case Game::Commit::GameOver: {
            showGame(QStringLiteral("CB_New"));
            int place = 0;
            const TableOutcome table = endGame(place);
            recordEnd();  // once the high-score step is over
            m_coach.refresh();
            report.total.reset();  // the end of the game says it
            say(commitStatus(report) + QLatin1Char(' ') +
                gameEndStatus(after.total(), table, place));
            return;
        }
    }
}

TableOutcome Form1::endGame(int& place) {
    if (m_game.cheat().everArmed()) return TableOutcome::Barred;
    // Another copy of the game may have stored a score since this one loaded the table.
    m_hiScores.LoadHiScores();
    const std::optional<int> row = m_hiScores.CheckHiScores(m_game.card().total());
    if (!row) return TableOutcome::Missed;
    {
        FrmHiScores list(toolkit(), m_hiScores);
        list.askInitialsOf(*row);
        toolkit().showModal(list, this);
    }
    m_hiScores.SaveHiScores();
    place = 10 - *row;  // the table is kept lowest first
    return TableOutcome::Entered;
}

// The finished game goes into the record of games, and the coach's panel sums it up.
void Form1::recordEnd() {
    m_lastGame = m_recorder.finished(m_game, QDateTime::currentDateTimeUtc());
    if (!m_lastGame) return;
    if (m_history) m_history->record(*m_lastGame);
    m_coach.gameOver(*m_lastGame);
}

void Form1::lblStatistics_Click() {
    if (m_links.statistics) m_links.statistics();
}

void Form1::lblPractice_Click() {
    if (m_links.practice) m_links.practice();
}

void Form1::lblReview_Click() {
    // The history's copy of the game carries the number the database gave it.
    if (m_history && m_history->lastGame() && m_links.review)
        m_links.review(*m_history->lastGame());
}

void Form1::showGame(const QString& focus) {
    showDice();
    showCard();
    showCounters();
    showButtons(focus);
}

// Before START the board shows face 1 everywhere, whatever the dice last showed; the hold frame
// belongs to a picture, not to a position.
void Form1::showDice() {
    for (int p = 1; p <= 5; ++p) {
        const int face = m_game.face(p - 1);
        const int shown = m_game.started() ? face : 1;
        for (int f = 1; f <= 6; ++f) {
            setVisible(dieName(f, p), f == shown);
            setBorder(dieName(f, p), m_game.framed(p - 1, f) ? 1 : 0);
        }
        setText(faceField(p), face ? decimalText(face) : QString());
        setText(holdFlag(p), m_game.held(p - 1) ? kYes : kNo);
    }
}

void Form1::showCard() {
    const Card& card = m_game.card();
    const auto& candidate = m_game.candidate();
    for (const Category& c : categories()) {
        const CategoryFields& fields = categoryFields(c.id);
        QString points;
        if (card.used(c.id))
            points = decimalText(card.shown(c.id));
        else if (candidate && candidate->id == c.id)
            points = decimalText(candidate->points);
        setText(fields.scoreBox, points);
        model().setTentative(fields.scoreBox, !card.used(c.id) && !points.isEmpty());
        setText(fields.valueField, points.isEmpty() ? QStringLiteral("0") : points);
        setText(fields.usedFlag, card.used(c.id) ? kYes : kNo);
    }
    const int bonus = card.bonus();
    setText(QStringLiteral("Bonus"), bonus ? decimalText(bonus) : QString());
    setText(QStringLiteral("Bonusx"), decimalText(bonus));
    setText(QStringLiteral("Subtotal"), decimalText(card.upperSum()));
    setText(QStringLiteral("Total"), decimalText(card.total()));
    setText(QStringLiteral("GameCount"), decimalText(card.turnsPlayed()));
    model().setBold(QStringLiteral("Total"), m_game.over());
}

// `RollCount` goes back to 0 with the third roll; `Cheat` reads "x" until a code is first armed,
// then the armed face or "s", and "0" once the forced roll is made.
void Form1::showCounters() {
    const int rolls = m_game.rolls();
    setText(kRollCount, decimalText(rolls == kRollsPerTurn ? 0 : rolls));
    for (int n = 1; n <= 3; ++n) setVisible(QString::fromLatin1(kRollPictures[n - 1]), rolls >= n);
    const CheatCode& cheat = m_game.cheat();
    QString code = QStringLiteral("x");
    if (cheat.state == CheatCode::State::Spent) code = QStringLiteral("0");
    if (cheat.state == CheatCode::State::Armed)
        code = cheat.face ? decimalText(cheat.face) : QStringLiteral("s");
    setText(kCheat, code);
    // The cost of a forced roll stays in view for the rest of the run, as it lasts that long.
    setText(kForced, cheat.everArmed() ? forcedRollNote() : QString());
    setVisible(kForced, cheat.everArmed());
}

// A button that a move enables takes the focus before another is disabled, so the keyboard
// never lands on a third element on the way.
void Form1::showButtons(const QString& focus) {
    const bool start = !m_game.started();
    setVisible(kStart, start);
    for (const char* line : kStartFrame) setVisible(QString::fromLatin1(line), start);
    const bool roll = m_game.mayRoll(), save = m_game.mayCommit();
    if (roll) setEnabled(kRoll, true);
    if (save) setEnabled(kSave, true);
    if (!focus.isEmpty()) setFocus(focus);
    if (!roll) setEnabled(kRoll, false);
    if (!save) setEnabled(kSave, false);
}

}  // namespace korvex

namespace korvex {

void Form1::focusFirstEnabled(const QStringList& elements) {
    for (const QString& element : elements) {
        if (visible(element) && model().enabled(element)) return setFocus(element);
    }
}

// Left and Right along the five dice; Down to the button under them, Roll or else Save.
void Form1::diceKey(int position, NavigationKey key) {
    int to = position;
    switch (key) {
        case NavigationKey::Left:
            to = std::max(1, position - 1);
            break;
        case NavigationKey::Right:
            to = std::min(5, position + 1);
            break;
        case NavigationKey::Home:
            to = 1;
            break;
        case NavigationKey::End:
            to = 5;
            break;
        case NavigationKey::Down:
            return focusFirstEnabled(position <= 3 ? QStringList{kRoll, kSave}
                                                   : QStringList{kSave, kRoll});
        case NavigationKey::Up:
            return;
    }
    setFocus(shownDie(to));
}

// Before START every position shows face 1, whatever the dice last showed.
QString Form1::shownDie(int position) const {
    return dieName(m_game.started() ? m_game.face(position - 1) : 1, position);
}

// Roll and Save sit between the dice above and the card's two columns below.
void Form1::buttonKey(const QString& button, NavigationKey key) {
    const bool roll = button == kRoll;
    switch (key) {
        case NavigationKey::Up:
            return setFocus(shownDie(roll ? 2 : 4));
        case NavigationKey::Down:
            return setFocus(cardColumns()[roll ? 0 : 1].front());
        case NavigationKey::Left:
        case NavigationKey::Right:
            return focusFirstEnabled({key == NavigationKey::Left ? kRoll : kSave});
        case NavigationKey::Home:
        case NavigationKey::End:
            return;
    }
}

// Up and Down in a column (from its top row up to the button above it), Left and Right to the
// same row of the other column, Home and End to the first and last box still open.
void Form1::cardKey(const QString& box, NavigationKey key) {
    const auto& columns = cardColumns();
    const int column = columns[0].contains(box) ? 0 : 1;
    const int row = int(columns[column].indexOf(box));
    switch (key) {
        case NavigationKey::Up:
            if (row == 0)
                return focusFirstEnabled(column == 0 ? QStringList{kRoll, kSave}
                                                     : QStringList{kSave, kRoll});
            return setFocus(columns[column][row - 1]);
        case NavigationKey::Down:
            return setFocus(columns[column][std::min(row + 1, int(columns[column].size()) - 1)]);
        case NavigationKey::Left:
        case NavigationKey::Right: {
            const QStringList& to = columns[key == NavigationKey::Left ? 0 : 1];
            return setFocus(to[std::min(row, int(to.size()) - 1)]);
        }
        case NavigationKey::Home:
        case NavigationKey::End:
            return focusOpenBox(key == NavigationKey::Home);
    }
}

void Form1::focusOpenBox(bool first) {
    const auto& all = categories();
    for (int i = 0; i < kCategoryCount; ++i) {
        const Category& c = all[std::size_t(first ? i : kCategoryCount - 1 - i)];
        if (!m_game.card().used(c.id)) return setFocus(categoryFields(c.id).scoreBox);
    }
}

}  // namespace korvex
