#include "board/form1.h"

#include "about/frm_about.h"
#include "board/form1_layout.h"
#include "hiscores/frm_hi_scores.h"
#include "scoring/score_card.h"

namespace korvex {
namespace {

const QString kYes = QStringLiteral("yes");
const QString kNo = QStringLiteral("no");
const QString kCheat = QStringLiteral("Cheat");
const QString kRollCount = QStringLiteral("RollCount");
const QString kStart = QStringLiteral("CB_Start");
const QString kRoll = QStringLiteral("CB_Roll");
const QString kSave = QStringLiteral("CB_Save");

}  // namespace

Form1::Form1(Toolkit& toolkit, RandomSource& random, ModHiScores& hiScores)
    : Form(form1Layout(), toolkit), m_random(random), m_hiScores(hiScores) {
    wireHandlers();
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
    onClick(kRoll, [this] { CB_Roll_Click(); });
    onKeyPress(kRoll, [this](char16_t key) { CB_Roll_KeyPress(key); });
    onClick(kSave, [this] { CB_Save_Click(); });
    for (int p = 1; p <= 5; ++p)
        for (int f = 1; f <= 6; ++f) onClick(dieName(f, p), [this, f, p] { dieClick(f, p); });
    for (const Category& c : categories())
        onClick(c.scoreBox, [this, id = c.id] { categoryClick(id); });
}

void Form1::Form_Load() {
    toolkit().setPointer(Pointer::Arrow);
    setText(kRollCount, QStringLiteral("0"));
    setText(kCheat, QStringLiteral("x"));
    m_hiScores.LoadHiScores();
    CB_New_Click();
}

void Form1::Form_Unload() {
    toolkit().setPointer(Pointer::Default);
    // A high score whose save was refused earlier would otherwise end with the program.
    if (m_hiScores.hasUnsavedEntries()) m_hiScores.SaveHiScores();
    if (m_history && m_history->waiting()) m_history->flush();  // record: the last chance
}

void Form1::CB_New_Click() {
    for (int p = 1; p <= 5; ++p)
        for (int f = 1; f <= 6; ++f) setVisible(dieName(f, p), f == 1);
    setVisible(kStart, true);
    for (const char* line : kStartFrame) setVisible(QString::fromLatin1(line), true);
    for (const char* picture : kRollPictures) setVisible(QString::fromLatin1(picture), false);
    model().setBold(QStringLiteral("Total"), false);
    for (int p = 1; p <= 5; ++p) setText(holdFlag(p), kNo);
    for (int p = 1; p <= 5; ++p)
        for (int f = 1; f <= 6; ++f) setBorder(dieName(f, p), 0);
    for (const Category& c : categories()) setText(c.usedFlag, kNo);
    for (const Category& c : categories()) {
        setText(c.scoreBox, QString());
        setText(c.valueField, QStringLiteral("0"));
    }
    setText(QStringLiteral("Bonus"), QString());
    setText(QStringLiteral("Bonusx"), QStringLiteral("0"));
    setText(QStringLiteral("Subtotal"), QStringLiteral("0"));
    setText(QStringLiteral("Total"), QStringLiteral("0"));
    setEnabled(kRoll, false);
    setEnabled(kSave, false);
    setText(kRollCount, QStringLiteral("0"));
    setText(QStringLiteral("GameCount"), QStringLiteral("0"));
    m_coach.newGame();
    m_recorder.discard();  // record
}

void Form1::CB_Start_Click() {
    setEnabled(kRoll, true);
    setFocus(kRoll);
    setVisible(kStart, false);
    for (const char* line : kStartFrame) setVisible(QString::fromLatin1(line), false);
    m_recorder.started(QDateTime::currentDateTimeUtc());  // record
    CB_Roll_Click();
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

void Form1::showFace(int position, int face) {
    for (int f = 1; f <= 6; ++f) setVisible(dieName(f, position), f == face);
    setText(faceField(position), decimalText(face));
}

// A forced roll asked for on the Roll button: all five dice show the code's face, or the
// straight 1 to 5 for "s". Held dice change too; holds and frames stay as they are.
bool Form1::forcedRoll() {
    const QString code = text(kCheat);
    static const QStringList codes = {"1", "2", "3", "4", "5", "6", "s"};
    if (!codes.contains(code)) return false;
    for (int p = 1; p <= 5; ++p) showFace(p, code == QLatin1String("s") ? p : code.toInt());
    setText(kCheat, QStringLiteral("0"));
    return true;
}

void Form1::CB_Roll_Click() {
    if (model().visible(kStart)) return;
    const bool forced = forcedRoll();
    m_coach.setForced(forced);
    if (!forced) {
        m_random.reseed();
        clearCandidates(model());
        for (int p = 1; p <= 5; ++p)
            if (text(holdFlag(p)) != kYes) showFace(p, faceFor(m_random.next()));
    }
    countRoll();
    recordRoll(forced);  // record
    m_coach.refresh();
}

void Form1::countRoll() {
    const long long rolls = wholeNumber(text(kRollCount)) + 1;
    setText(kRollCount, decimalText(rolls));
    if (rolls == 1) setVisible(QStringLiteral("OneRoll"), true);
    if (rolls == 2) setVisible(QStringLiteral("TwoRoll"), true);
    if (rolls == 3) {
        setEnabled(kSave, true);
        setFocus(kSave);
        setEnabled(kRoll, false);
        setVisible(QStringLiteral("ThreeRoll"), true);
        setText(kRollCount, QStringLiteral("0"));
    }
}

void Form1::CB_Roll_KeyPress(char16_t keyAscii) {
    // Only the digits 1 to 6 and a lower-case s arm a forced roll; every other key is the button's.
    if (keyAscii >= u'1' && keyAscii <= u'6') setText(kCheat, QString(QChar(keyAscii)));
    if (keyAscii == u's') setText(kCheat, QStringLiteral("s"));
}

void Form1::dieClick(int face, int position) {
    // Before START the dice on show are not the face fields' dice: a hold taken then would carry
    // an old or empty face into the first roll.
    if (model().visible(kStart)) return;
    const QString flag = holdFlag(position);
    const QString picture = dieName(face, position);
    if (text(flag) == kNo) {
        setBorder(picture, 1);
        setText(flag, kYes);
    } else if (text(flag) == kYes) {
        setBorder(picture, 0);
        setText(flag, kNo);
    }
}

void Form1::categoryClick(CategoryId id) {
    selectCategory(model(), category(id));
}

void Form1::CB_Save_Click() {
    if (const Category* selected = selectedCategory(model()))
        m_coach.beforeCommit(int(selected - categories().data()));
    const Category* chosen = selectedCategory(model());  // record
    if (!recordSelection(model())) {
        toolkit().messageBox(this, QStringLiteral("You must choose an item to score."),
                             QStringLiteral("Scoring Error"), MessageButtons::Ok);
        return;
    }
    m_recorder.committed(int(chosen->id), int(wholeNumber(text(chosen->valueField))));  // record
    if (wholeNumber(text(QStringLiteral("GameCount"))) == kTurnsPerGame) {
        endGame();
        recordEnd();  // record, after the high-score step
        m_coach.refresh();
    } else {
        startNextTurn();
    }
}

void Form1::startNextTurn() {
    setEnabled(kRoll, true);
    setFocus(kRoll);
    setEnabled(kSave, false);
    setText(kRollCount, QStringLiteral("0"));
    for (const char* picture : kRollPictures) setVisible(QString::fromLatin1(picture), false);
    CB_Roll_Click();
}

void Form1::endGame() {
    model().setBold(QStringLiteral("Total"), true);
    setFocus(QStringLiteral("CB_New"));
    setEnabled(kSave, false);
    setEnabled(kRoll, false);
    if (text(kCheat) != QLatin1String("x")) return;
    // Another copy of the game may have stored a score since this one loaded the table.
    m_hiScores.LoadHiScores();
    m_hiScores.NewHiScore = wholeNumber(text(QStringLiteral("Total")));
    m_hiScores.CheckHiScores();
    if (!m_hiScores.NewEntryPending) return;
    {
        FrmHiScores list(toolkit(), m_hiScores);
        toolkit().showModal(list, this);
    }
    m_hiScores.SaveHiScores();
}

// The record of the game: each roll with the holds it was rolled with, read from the board.
void Form1::recordRoll(bool forced) {
    RollRecord roll;
    for (int p = 1; p <= 5; ++p) {
        roll.faces[std::size_t(p - 1)] = int(wholeNumber(text(faceField(p))));
        roll.held[std::size_t(p - 1)] = text(holdFlag(p)) == kYes;
    }
    roll.forced = forced;
    m_recorder.rolled(roll, m_coach.isOn());
}

void Form1::recordEnd() {
    m_lastGame =
        m_recorder.finished(int(wholeNumber(text(QStringLiteral("Bonusx")))),
                            int(wholeNumber(text(QStringLiteral("Total")))),
                            text(kCheat) != QLatin1String("x"), QDateTime::currentDateTimeUtc());
    if (!m_lastGame) return;
    if (m_history) m_history->record(*m_lastGame);
    m_coach.gameOver(*m_lastGame);
}

void Form1::lblStatistics_Click() {
    if (m_history) m_history->showStatistics();
}

void Form1::lblReview_Click() {
    // The history's copy of the game carries the number the database gave it.
    if (m_history && m_history->lastGame()) m_history->showReview(*m_history->lastGame());
}

}  // namespace korvex
