// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/form1_layout.h"

#include <QCoreApplication>

namespace korvex {

const char* const kRollPictures[3] = {"OneRoll", "TwoRoll", "ThreeRoll"};
const char* const kStartFrame[4] = {"LineTop", "LineBottom", "LineLeft", "LineRight"};
const char* const kCoachPanel[5] = {"lblCoachTitle", "lblCoachAdvice", "lblCoachExpected",
                                    "lblCoachLast", "lblCoachGame"};

QString dieName(int face, int position) {
    return QStringLiteral("Die%1_%2").arg(face).arg(position);
}
QString faceField(int position) {
    return QStringLiteral("Temp%1").arg(position);
}
QString holdFlag(int position) {
    return QStringLiteral("Save%1").arg(position);
}
QString keepMark(int position) {
    return QStringLiteral("lblKeep%1").arg(position);
}

const CategoryFields& categoryFields(CategoryId id) {
    static const std::array<CategoryFields, kCategoryCount> table = [] {
        const char* stems[] = {"1",     "2",         "3",        "4",         "5",
                               "6",     "ThreeKind", "FourKind", "FullHouse", "SmStr",
                               "LgStr", "Korvex",    "Chance"};
        std::array<CategoryFields, kCategoryCount> out;
        for (int i = 0; i < kCategoryCount; ++i) {
            const QString stem = QString::fromLatin1(stems[i]);
            out[std::size_t(i)] = {"Perm" + stem, "Score" + stem, "Score" + stem + "x"};
        }
        return out;
    }();
    return table[std::size_t(id)];
}

namespace {

using K = ElementKind;
const FontSpec kLargeFont{QStringLiteral("MS Sans Serif"), 9.75};
const FontSpec kBoldFont{QStringLiteral("MS Sans Serif"), 8.25, true};
const FontSpec kLinkFont{QStringLiteral("MS Sans Serif"), 8.25, false, true};
const Colour kClear = Colour::of(Colour::Role::Transparent);
// The links follow every focus place of the stored order and the dice, so Tab reaches them last.
constexpr int kLinkTabs = 53;

// A caption on the teal board, black on teal and right-aligned unless said otherwise.
ElementSpec caption(const QString& name, const char* text, int l, int t, int w, int h,
                    Align align = Align::Right) {
    return {.name = name,
            .kind = K::Label,
            .left = l,
            .top = t,
            .width = w,
            .height = h,
            .caption = QCoreApplication::translate("Form1", text),
            .align = align,
            .fore = kBlack,
            .back = kTeal};
}

// A visible score box: clickable, shows numbers, takes no typed text; named by its row's label.
ElementSpec scoreBox(const QString& name, int l, int t, int tab, const QString& label) {
    return {.name = name,
            .kind = K::TextBox,
            .left = l,
            .top = t,
            .width = 495,
            .height = 285,
            .align = Align::Center,
            .tab = tab,
            .readOnly = true,
            .labelledBy = label};
}

ElementSpec field(const QString& name, const QString& text = QString()) {
    return {.name = name, .kind = K::Field, .caption = text, .visible = false};
}

ElementSpec line(const char* name, int x1, int y1, int x2, int y2, Colour colour, int width) {
    return {.name = name,
            .kind = K::Line,
            .left = x1,
            .top = y1,
            .width = x2,
            .height = y2,
            .fore = colour,
            .lineWidth = width};
}

void addButtons(std::vector<ElementSpec>& out) {
    const auto button = [](const char* name, const char* text, int l, int t, int w, int h,
                           const FontSpec& font, int tab) {
        return ElementSpec{.name = name,
                           .kind = K::Button,
                           .left = l,
                           .top = t,
                           .width = w,
                           .height = h,
                           .caption = QCoreApplication::translate("Form1", text),
                           .font = font,
                           .tab = tab};
    };
    // New Game and Exit have the keys every desktop game gives them. Ctrl+N acts even while
    // START covers the button: New Game on a fresh board leaves it as fresh as it was.
    ElementSpec newGame = button("CB_New", QT_TRANSLATE_NOOP("Form1", "New Game"), 4680, 6840, 1215,
                                 375, kLargeFont, 0);
    newGame.shortcut = QStringLiteral("Ctrl+N");
    out.push_back(newGame);
    //: Shown in capitals, framed in red, until the first roll of a game.
    out.push_back(button("CB_Start", QT_TRANSLATE_NOOP("Form1", "START"), 4680, 6840, 1215, 375,
                         kBoldFont, 1));
    out.push_back(button("CB_Roll", QT_TRANSLATE_NOOP("Form1", "Roll"), 3960, 1440, 1215, 615,
                         kLargeFont, 2));
    //: "&&" shows as one "&". Records the chosen category and rolls for the next turn.
    out.push_back(button("CB_Save", QT_TRANSLATE_NOOP("Form1", "Save Score && Roll Again"), 5400,
                         1440, 1215, 615, {}, 3));
    ElementSpec exit =
        button("CB_Exit", QT_TRANSLATE_NOOP("Form1", "Exit"), 4800, 7440, 975, 375, {}, 4);
    exit.shortcut = QStringLiteral("Ctrl+Q");
    out.push_back(exit);
    out.push_back(button("CB_ViewScores", QT_TRANSLATE_NOOP("Form1", "High Scores"), 120, 7560,
                         1215, 375, {}, 5));
}

// The score card: caption labels, score boxes, value fields and used flags, row by row.
void addScoreCard(std::vector<ElementSpec>& out) {
    for (const Category& c : categories()) {
        const int i = c.index();
        const bool up = c.upper;
        const int top = 2280 + 480 * (up ? i : i - 6);
        const QString rowLabel = QStringLiteral("Label%1").arg(up ? i + 2 : i + 4);
        ElementSpec title = caption(rowLabel, "", up ? 3480 : 5040, top, up ? 615 : 1215, 255);
        //: A row of the score card: the category's name, "Fours:".
        title.caption = QCoreApplication::translate("Form1", "%1:").arg(displayTitle(c.id));
        out.push_back(title);
        const CategoryFields& fields = categoryFields(c.id);
        out.push_back(
            scoreBox(fields.scoreBox, up ? 4200 : 6360, top, up ? 7 + i : 9 + i, rowLabel));
        out.push_back(field(fields.valueField));
        out.push_back(field(fields.usedFlag));
    }
    out.push_back(caption("Label8", QT_TRANSLATE_NOOP("Form1", "Subtotal:"), 3480, 5160, 615, 255));
    out.push_back(scoreBox("Subtotal", 4200, 5160, 13, "Label8"));
    out.push_back(caption("Label9", QT_TRANSLATE_NOOP("Form1", "Bonus:"), 3480, 5640, 615, 255));
    out.push_back(scoreBox("Bonus", 4200, 5640, 14, "Label9"));
    out.push_back(field("Bonusx"));
    out.push_back(caption("Label17", QT_TRANSLATE_NOOP("Form1", "Total:"), 4560, 6240, 615, 255));
    out.push_back(scoreBox("Total", 5280, 6240, 22, "Label17"));
    out.push_back(line("Line2", 3360, 5040, 4800, 5040, kBlack, 1));
    out.push_back(line("Line1", 3120, 6120, 7200, 6120, kBlack, 1));
}

void addDice(std::vector<ElementSpec>& out) {
    out.push_back(caption("Label1",
                          QT_TRANSLATE_NOOP("Form1", "Select which dice you want to keep..."), 3360,
                          240, 3855, 255, Align::Center));
    int tab = 23;  // after the stored order, so the keyboard reaches every die
    for (int p = 1; p <= 5; ++p) {
        for (int f = 1; f <= 6; ++f) {
            out.push_back({
                .name = dieName(f, p),
                .kind = K::Picture,
                .left = 3360 + 840 * (p - 1),
                .top = 600,
                .width = 555,
                .height = 555,
                .tab = tab++,
                .visible = f == 1,
                .picture = PictureKind::DieFace,
                .pips = f,
                //: A die as a screen reader names it: its position and its face, "Die 2: 5".
                .accessibleName = QCoreApplication::translate("Form1", "Die %1: %2").arg(p).arg(f),
                // A framed die is one the player keeps through the next roll.
                .toggle = true,
                .describedBy = keepMark(p),
            });
        }
        out.push_back(field(faceField(p)));
        out.push_back(field(holdFlag(p)));
    }
}

void addRollIndicator(std::vector<ElementSpec>& out) {
    for (int n = 1; n <= 3; ++n)
        out.push_back({.name = kRollPictures[n - 1],
                       .kind = K::Picture,
                       .left = 1800,
                       .top = 3480 + 360 * (n - 1),
                       .width = 300,
                       .height = 300,
                       .visible = false,
                       .picture = PictureKind::RollFace,
                       .pips = n});
    out.push_back(line("Line3", 1320, 3000, 2520, 3000, kBlack, 1));
    out.push_back(line("Line4", 1320, 4680, 2520, 4680, kBlack, 1));
    out.push_back(line("Line5", 1320, 3000, 1320, 4680, kBlack, 1));
    out.push_back(line("Line6", 2520, 3000, 2520, 4680, kBlack, 1));
    out.push_back(caption("Label18", QT_TRANSLATE_NOOP("Form1", "Roll Number:"), 1440, 3120, 975,
                          255, Align::Center));
}

void addStartFrameAndLinks(std::vector<ElementSpec>& out) {
    out.push_back(line("LineTop", 4560, 6720, 6000, 6720, kRed, 3));
    out.push_back(line("LineBottom", 4560, 7320, 6000, 7320, kRed, 3));
    out.push_back(line("LineLeft", 4560, 6720, 4560, 7320, kRed, 3));
    out.push_back(line("LineRight", 6000, 6720, 6000, 7320, kRed, 3));
    //: Read together with the "About" link below it: "Help/ About".
    ElementSpec help = caption("Label20", QT_TRANSLATE_NOOP("Form1", "Help/"), 9720, 7440, 495, 255,
                               Align::Center);
    help.back = kClear, help.font = kLinkFont, help.link = true, help.tab = kLinkTabs + 3;
    out.push_back(help);
    ElementSpec about = caption("Label19", QT_TRANSLATE_NOOP("Form1", "About"), 9720, 7680, 495,
                                255, Align::Center);
    about.font = kLinkFont, about.link = true, about.tab = kLinkTabs + 4;
    out.push_back(about);
}

// Left of the card, under the roll indicator: what the last move did, as a screen reader also
// hears it, and once a forced roll was asked for, what that costs.
void addStatusLines(std::vector<ElementSpec>& out) {
    ElementSpec status = caption("lblStatus", "", 120, 4800, 2520, 1320, Align::Left);
    status.live = true;
    out.push_back(status);
    ElementSpec forced = caption("lblForced", "", 120, 6240, 2520, 735, Align::Left);
    forced.font = kBoldFont, forced.visible = false;
    out.push_back(forced);
}

// The record of games: "Practice" and "Statistics" links left of "Hint", and a "Review" link under
// the coach's panel that shows once a game is over, whether the coach is on or not.
void addRecordLinks(std::vector<ElementSpec>& out) {
    // First of the links for Tab, as it is the leftmost; Ctrl+P, as in "practise".
    out.push_back(
        {.name = QStringLiteral("lblPractice"),
         .left = 7140,
         .top = 7560,
         .width = 960,
         .height = 255,
         .caption = QCoreApplication::translate("Form1", QT_TRANSLATE_NOOP("Form1", "Practice")),
         .font = kLinkFont,
         .align = Align::Center,
         .fore = kBlack,
         .back = kTeal,
         .tab = kLinkTabs,
         .shortcut = QStringLiteral("Ctrl+P"),
         .link = true});
    out.push_back(
        {.name = QStringLiteral("lblStatistics"),
         .left = 8160,
         .top = 7560,
         .width = 855,
         .height = 255,
         .caption = QCoreApplication::translate("Form1", QT_TRANSLATE_NOOP("Form1", "Statistics")),
         .font = kLinkFont,
         .align = Align::Center,
         .fore = kBlack,
         .back = kTeal,
         .tab = kLinkTabs + 1,
         .shortcut = QStringLiteral("Ctrl+T"),
         .link = true});
    out.push_back(
        {.name = QStringLiteral("lblReview"),
         .left = 7440,
         .top = 4560,
         .width = 615,
         .height = 255,
         .caption = QCoreApplication::translate("Form1", QT_TRANSLATE_NOOP("Form1", "Review")),
         .font = kLinkFont,
         .fore = kBlack,
         .back = kTeal,
         .tab = kLinkTabs + 5,
         .visible = false,
         .shortcut = QStringLiteral("Ctrl+R"),
         .link = true});
}

// The coach: a "Hint" link beside Help/ and About, a panel in the teal area right of the score
// card, and a mark under each die it would keep. All hidden until the coach is switched on.
void addCoach(std::vector<ElementSpec>& out) {
    ElementSpec hint =
        caption("lblHint", QT_TRANSLATE_NOOP("Form1", "Hint"), 9120, 7560, 495, 255, Align::Center);
    hint.font = kLinkFont, hint.shortcut = QStringLiteral("Ctrl+H"), hint.link = true;
    hint.tab = kLinkTabs + 2;
    out.push_back(hint);
    addRecordLinks(out);
    const char* captions[] = {QT_TRANSLATE_NOOP("Form1", "Coach"), "", "", "", ""};
    const int top[] = {1440, 1800, 2520, 3120, 3720};
    // The last line holds the end-of-game summary's costliest decision: three lines of text.
    const int height[] = {255, 615, 495, 495, 735};
    for (int i = 0; i < 5; ++i) {
        ElementSpec e = caption(QString::fromLatin1(kCoachPanel[i]), captions[i], 7440, top[i],
                                2760, height[i], Align::Left);
        e.font = i < 2 ? FontSpec{kLargeFont.family, kLargeFont.points, true} : FontSpec{};
        e.visible = false;
        out.push_back(e);
    }
    for (int p = 1; p <= 5; ++p) {
        // Wider than the die, so "release" fits as well as "keep"; low enough under it that
        // neither the frame of a held die nor the focus ring around it meets the word.
        ElementSpec mark = caption(keepMark(p), QT_TRANSLATE_NOOP("Form1", "keep"),
                                   3360 + 840 * (p - 1) - 120, 1215, 795, 225, Align::Center);
        mark.fore = Colour::rgb(255, 255, 0), mark.font = kBoldFont, mark.visible = false;
        out.push_back(mark);
    }
}

void addCounters(std::vector<ElementSpec>& out) {
    out.push_back(field("RollCount"));
    out.push_back(field("GameCount"));
    out.push_back(field("Cheat", QStringLiteral("Text1")));
}

}  // namespace

FormLayout form1Layout() {
    FormLayout layout{
        .name = QStringLiteral("Form1"),
        // The game's own name, the same in every language.
        .caption = QStringLiteral("Korvex"),
        .clientWidth = 10335,
        .clientHeight = 8025,
        .background = kTeal,
        .frame = FrameStyle::FixedWindow,
        .start = StartPosition::CenterScreen,
        .shortcuts = {{QStringLiteral("F1"), QStringLiteral("HowToPlay")}},
    };
    auto& out = layout.elements;
    // Pictures and lines first, so that buttons and boxes lie above them where they overlap;
    // START comes after New Game, so it lies above it in their shared rectangle.
    addDice(out);
    addRollIndicator(out);
    addStartFrameAndLinks(out);
    addScoreCard(out);
    addButtons(out);
    addCoach(out);
    addStatusLines(out);
    addCounters(out);
    return layout;
}

}  // namespace korvex
