// SPDX-License-Identifier: GPL-3.0-or-later
// The stored layout of `frmHowToPlay`: a heading and a paragraph for each part of the game, and
// the categories with an example each, whose points the rules themselves work out.

#include <QCoreApplication>
#include <QStringList>

#include "about/frm_how_to_play.h"

namespace korvex {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(frmHowToPlay)
};

const FontSpec kBold{QStringLiteral("MS Sans Serif"), 8.25, true};
constexpr int kLeft = 240, kWidth = 11160;
constexpr int kNameWidth = 1800;
constexpr int kLine = 180;  // one line of the default face

QString facesText(const Faces& faces) {
    QStringList parts;
    for (int face : faces) parts << QString::number(face);
    return parts.join(QLatin1Char(' '));
}

// A part of the game: its heading, its paragraph, and the lines the paragraph may take.
struct Part {
    const char* stem;
    QString heading;
    QString text;
    int lines;
};

std::vector<Part> partsBeforeCategories() {
    return {
        {"Rolling", Text::tr("Rolling and holding"),
         Text::tr("Press START for the first roll of a game. Click the dice you want to keep, or "
                  "move to them with the arrow keys and press Space: a held die is framed, and "
                  "Roll rolls only the others. A turn has up to %1 rolls.")
             .arg(kRollsPerTurn),
         3},
        {"Scoring", Text::tr("Scoring"),
         Text::tr("Click a box on the score card to see what the dice would score there: the box "
                  "shows it in grey italics until Save Score & Roll Again records it, which also "
                  "makes the first roll of the next turn. After the last roll of a turn something "
                  "must be recorded, even a 0. Each box takes one score, so a game lasts %1 "
                  "turns.")
             .arg(kTurnsPerGame),
         3},
    };
}

std::vector<Part> partsAfterCategories() {
    return {
        {"Bonus", Text::tr("Bonus and extra points"),
         //: %1 is 63, %2 the bonus (35), %3 the points of a five of a kind (50), %4 those of
         //: each later one (100).
         Text::tr("When Ones to Sixes add up to %1 or more (three of each face make exactly %1), "
                  "%2 points are added. Once Korvex holds %3 points, every later five of a kind "
                  "adds %4 more, whichever box it is scored in.")
             .arg(kBonusThreshold)
             .arg(kUpperBonus)
             .arg(kFiveOfAKindPoints)
             .arg(kExtraFiveOfAKindPoints),
         2},
        {"Forced", Text::tr("Forced rolls"),
         Text::tr("While Roll has the focus, a digit 1 to 6 makes the next roll show that face on "
                  "all five dice, and s makes it the straight 1 2 3 4 5. From then on no game of "
                  "this run of the program enters the high-score table, and the board says so."),
         3},
        {"Coach", Text::tr("The coach"),
         Text::tr("Hint (Ctrl+H) switches the coach on and off. It shows the move with the best "
                  "expected final total, marks the dice worth keeping and tells you what your "
                  "last choice gave up. It only advises, and it never keeps you out of the "
                  "high-score table."),
         3},
        {"Record", Text::tr("Statistics and Review"),
         Text::tr("Statistics (Ctrl+T) sums up every game you have finished. When a game ends, "
                  "Review (Ctrl+R) replays it through the coach, decision by decision; the Games "
                  "tab of the Statistics window reviews any earlier game."),
         2},
        {"Keys", Text::tr("Keys"),
         Text::tr("Tab moves through the board. The arrow keys move along the dice, to Roll and "
                  "Save, and up, down and across the card; Home and End go to its first and last "
                  "open box. Space or Enter presses. Ctrl+N starts a new game, Ctrl+Q closes the "
                  "board, Escape closes this window."),
         3},
    };
}

ElementSpec label(const QString& name, const QString& text, int left, int top, int width,
                  int height) {
    return {.name = name,
            .kind = ElementKind::Label,
            .left = left,
            .top = top,
            .width = width,
            .height = height,
            .caption = text};
}

// Adds the parts from `top` down and returns where the next element may start.
int addParts(std::vector<ElementSpec>& out, const std::vector<Part>& parts, int top) {
    for (const Part& part : parts) {
        const QString stem = QString::fromLatin1(part.stem);
        ElementSpec heading = label("lbl" + stem + "Title", part.heading, kLeft, top, kWidth, 255);
        heading.font = kBold;
        out.push_back(heading);
        const int height = part.lines * kLine + 30;
        out.push_back(label("lbl" + stem, part.text, kLeft, top + 255, kWidth, height));
        top += 255 + height + 60;
    }
    return top;
}

int addCategories(std::vector<ElementSpec>& out, int top) {
    ElementSpec heading = label(QStringLiteral("lblCategoriesTitle"), Text::tr("The categories"),
                                kLeft, top, kWidth, 255);
    heading.font = kBold;
    out.push_back(heading);
    top += 255;
    const std::vector<CategoryExample> rows = categoryExamples();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const QString n = QString::number(i + 1);
        ElementSpec name =
            label("lblCategory" + n, rows[i].name, kLeft + 120, top, kNameWidth, 255);
        name.font = kBold;
        out.push_back(name);
        out.push_back(label("lblCategory" + n + "Text", rows[i].text, kLeft + 120 + kNameWidth, top,
                            kWidth - 120 - kNameWidth, 240));
        top += 240;
    }
    return top + 60;
}

}  // namespace

std::vector<CategoryExample> categoryExamples() {
    using C = CategoryId;
    // Each line's rule, whether its points come before the example roll ("25 points for ...: 2 2
    // 5 5 5") or after it ("...: 4 4 4 2 6 scores 20"), and the roll.
    struct Line {
        C id;
        const char* rule;
        bool pointsFirst;
        Faces faces;
    };
    static const Line lines[] = {
        {C::ThreeKind,
         QT_TRANSLATE_NOOP("frmHowToPlay",
                           "all five dice added up when three show one face: %1 scores %2"),
         false,
         {4, 4, 4, 2, 6}},
        {C::FourKind,
         QT_TRANSLATE_NOOP("frmHowToPlay",
                           "all five dice added up when four show one face: %1 scores %2"),
         false,
         {5, 5, 5, 5, 2}},
        {C::FullHouse,
         QT_TRANSLATE_NOOP("frmHowToPlay",
                           "%1 points for three of one face and two of another: %2"),
         true,
         {2, 2, 5, 5, 5}},
        {C::SmallStraight,
         QT_TRANSLATE_NOOP("frmHowToPlay", "%1 points for four faces in a row: %2"),
         true,
         {1, 2, 3, 4, 6}},
        {C::LargeStraight,
         QT_TRANSLATE_NOOP("frmHowToPlay", "%1 points for five faces in a row: %2"),
         true,
         {2, 3, 4, 5, 6}},
        {C::Korvex,
         QT_TRANSLATE_NOOP("frmHowToPlay", "%1 points for five of a kind: %2"),
         true,
         {6, 6, 6, 6, 6}},
        {C::Chance,
         QT_TRANSLATE_NOOP("frmHowToPlay",
                           "all five dice added up, whatever they show: %1 scores %2"),
         false,
         {1, 3, 4, 5, 6}},
    };
    const Faces threes{3, 3, 3, 5, 6};
    std::vector<CategoryExample> out{
        {Text::tr("Ones to Sixes"),
         //: %1 is a roll, %2 what it scores in the category %3.
         Text::tr("the dice showing that face, added up: %1 scores %2 in %3")
             .arg(facesText(threes))
             .arg(category(C::Threes).points(threes))
             .arg(displayTitle(C::Threes))}};
    for (const Line& line : lines) {
        const QString roll = facesText(line.faces);
        const QString points = QString::number(category(line.id).points(line.faces));
        out.push_back({displayTitle(line.id), line.pointsFirst
                                                  ? Text::tr(line.rule).arg(points, roll)
                                                  : Text::tr(line.rule).arg(roll, points)});
    }
    return out;
}

FormLayout frmHowToPlayLayout() {
    FormLayout layout{
        .name = QStringLiteral("frmHowToPlay"),
        .caption = Text::tr("How to play"),
        .clientWidth = kLeft + kWidth + kLeft,
        .frame = FrameStyle::FixedDialog,
        // Opened without an owner, as the About window is.
        .start = StartPosition::CenterScreen,
    };
    auto& out = layout.elements;
    int top = addParts(out, partsBeforeCategories(), 240);
    top = addCategories(out, top);
    top = addParts(out, partsAfterCategories(), top);
    out.push_back({.name = QStringLiteral("cmdOK"),
                   .kind = ElementKind::Button,
                   .left = (layout.clientWidth - 1380) / 2,
                   .top = top,
                   .width = 1380,
                   .height = 375,
                   .caption = Text::tr("OK"),
                   .tab = 0,
                   .role = ButtonRole::DefaultAndCancel});
    layout.clientHeight = top + 375 + 240;
    return layout;
}

}  // namespace korvex
