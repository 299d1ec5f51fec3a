#include "board/form1_layout.h"

#include "scoring/categories.h"

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

namespace {

const FontSpec kDefaultFont{};
const FontSpec kLargeFont{QStringLiteral("MS Sans Serif"), 9.75};
const FontSpec kBoldFont{QStringLiteral("MS Sans Serif"), 8.25, true};
const FontSpec kLinkFont{QStringLiteral("MS Sans Serif"), 8.25, false, true};

ElementSpec button(const char* name, const char* caption, int l, int t, int w, int h, FontSpec font,
                   int tab) {
    ElementSpec e = makeElement(ElementKind::Button, QString::fromLatin1(name), l, t, w, h,
                                QString::fromLatin1(caption));
    e.font = std::move(font);
    e.tab = tab;
    return e;
}

ElementSpec label(const QString& name, const QString& caption, int l, int t, int w, int h,
                  Align align, Colour back, FontSpec font = kDefaultFont) {
    ElementSpec e = makeElement(ElementKind::Label, name, l, t, w, h, caption);
    e.align = align;
    e.back = back;
    e.fore = kBlack;
    e.font = std::move(font);
    return e;
}

// A visible score box: clickable, shows numbers, takes no typed text.
ElementSpec scoreBox(const QString& name, int l, int t, int tab) {
    ElementSpec e = makeElement(ElementKind::TextBox, name, l, t, 495, 285);
    e.align = Align::Center;
    e.readOnly = true;
    e.tab = tab;
    return e;
}

ElementSpec field(const QString& name, const QString& text = QString()) {
    ElementSpec e = makeElement(ElementKind::Field, name, 0, 0, 0, 0, text);
    e.visible = false;
    return e;
}

ElementSpec line(const char* name, int x1, int y1, int x2, int y2, Colour colour, int width,
                 bool visible = true) {
    ElementSpec e = makeLine(QString::fromLatin1(name), x1, y1, x2, y2, colour, width);
    e.visible = visible;
    return e;
}

ElementSpec picture(const QString& name, PictureKind kind, int pips, int l, int t, int w, int h,
                    bool visible) {
    ElementSpec e = makeElement(ElementKind::Picture, name, l, t, w, h);
    e.picture = kind;
    e.pips = pips;
    e.visible = visible;
    return e;
}

void addButtons(std::vector<ElementSpec>& out) {
    out.push_back(button("CB_New", "New Game", 4680, 6840, 1215, 375, kLargeFont, 0));
    out.push_back(button("CB_Start", "START", 4680, 6840, 1215, 375, kBoldFont, 1));
    out.push_back(button("CB_Roll", "Roll", 3960, 1440, 1215, 615, kLargeFont, 2));
    out.push_back(
        button("CB_Save", "Save Score && Roll Again", 5400, 1440, 1215, 615, kDefaultFont, 3));
    out.push_back(button("CB_Exit", "Exit", 4800, 7440, 975, 375, kDefaultFont, 4));
    out.push_back(button("CB_ViewScores", "High Scores", 120, 7560, 1215, 375, kDefaultFont, 5));
}

// The score card: caption labels, score boxes, value fields and used flags, row by row.
void addScoreCard(std::vector<ElementSpec>& out) {
    const auto& card = categories();
    for (int i = 0; i < kCategoryCount; ++i) {
        const Category& c = card[std::size_t(i)];
        const bool up = c.upper;
        const int row = up ? i : i - 6;
        const int top = 2280 + 480 * row;
        const QString caption =
            (c.id == CategoryId::Korvex ? QStringLiteral("Korvex") : c.title) + QLatin1Char(':');
        out.push_back(label(QStringLiteral("Label%1").arg(up ? i + 2 : i + 4), caption,
                            up ? 3480 : 5040, top, up ? 615 : 1215, 255, Align::Right, kTeal));
        out.push_back(scoreBox(c.scoreBox, up ? 4200 : 6360, top, up ? 7 + i : 9 + i));
        out.push_back(field(c.valueField));
        out.push_back(field(c.usedFlag));
    }
    out.push_back(label("Label8", "Subtotal:", 3480, 5160, 615, 255, Align::Right, kTeal));
    out.push_back(scoreBox("Subtotal", 4200, 5160, 13));
    out.push_back(label("Label9", "Bonus:", 3480, 5640, 615, 255, Align::Right, kTeal));
    out.push_back(scoreBox("Bonus", 4200, 5640, 14));
    out.push_back(field("Bonusx"));
    out.push_back(label("Label17", "Total:", 4560, 6240, 615, 255, Align::Right, kTeal));
    out.push_back(scoreBox("Total", 5280, 6240, 22));
    out.push_back(line("Line2", 3360, 5040, 4800, 5040, kBlack, 1));
    out.push_back(line("Line1", 3120, 6120, 7200, 6120, kBlack, 1));
}

void addDice(std::vector<ElementSpec>& out) {
    out.push_back(label("Label1", "Select which dice you want to keep...", 3360, 240, 3855, 255,
                        Align::Center, kTeal));
    int tab = 23;  // after the stored order, so the keyboard reaches every die
    for (int p = 1; p <= 5; ++p) {
        for (int f = 1; f <= 6; ++f) {
            ElementSpec die = picture(dieName(f, p), PictureKind::DieFace, f, 3360 + 840 * (p - 1),
                                      600, 555, 555, f == 1);
            die.tab = tab++;
            out.push_back(die);
        }
        out.push_back(field(faceField(p)));
        out.push_back(field(holdFlag(p)));
    }
}

void addRollIndicator(std::vector<ElementSpec>& out) {
    for (int n = 1; n <= 3; ++n)
        out.push_back(picture(QString::fromLatin1(kRollPictures[n - 1]), PictureKind::RollFace, n,
                              1800, 3480 + 360 * (n - 1), 300, 300, false));
    out.push_back(line("Line3", 1320, 3000, 2520, 3000, kBlack, 1));
    out.push_back(line("Line4", 1320, 4680, 2520, 4680, kBlack, 1));
    out.push_back(line("Line5", 1320, 3000, 1320, 4680, kBlack, 1));
    out.push_back(line("Line6", 2520, 3000, 2520, 4680, kBlack, 1));
    out.push_back(label("Label18", "Roll Number:", 1440, 3120, 975, 255, Align::Center, kTeal));
}

void addStartFrameAndLinks(std::vector<ElementSpec>& out) {
    out.push_back(line("LineTop", 4560, 6720, 6000, 6720, kRed, 3));
    out.push_back(line("LineBottom", 4560, 7320, 6000, 7320, kRed, 3));
    out.push_back(line("LineLeft", 4560, 6720, 4560, 7320, kRed, 3));
    out.push_back(line("LineRight", 6000, 6720, 6000, 7320, kRed, 3));
    ElementSpec help = label("Label20", "Help/", 9720, 7440, 495, 255, Align::Center,
                             Colour::of(Colour::Role::Transparent), kLinkFont);
    help.shortcut = QStringLiteral("F1");
    out.push_back(help);
    out.push_back(label("Label19", "About", 9720, 7680, 495, 255, Align::Center, kTeal, kLinkFont));
}

// The record of games: a "Statistics" link left of "Hint", and a "Review" link under the coach's
// panel that shows once a game is over, whether the coach is on or not.
void addRecordLinks(std::vector<ElementSpec>& out) {
    ElementSpec statistics = label(QStringLiteral("lblStatistics"),
                                   QString::fromLatin1(QT_TRANSLATE_NOOP("Form1", "Statistics")),
                                   8160, 7560, 855, 255, Align::Center, kTeal, kLinkFont);
    statistics.shortcut = QStringLiteral("Ctrl+T");
    out.push_back(statistics);
    ElementSpec review = label(QStringLiteral("lblReview"),
                               QString::fromLatin1(QT_TRANSLATE_NOOP("Form1", "Review")), 7440,
                               4560, 615, 255, Align::Left, kTeal, kLinkFont);
    review.visible = false;
    out.push_back(review);
}

// The coach: a "Hint" link beside Help/ and About, a panel in the teal area right of the score
// card, and a mark under each die it would keep. All hidden until the coach is switched on.
void addCoach(std::vector<ElementSpec>& out) {
    ElementSpec hint =
        label("lblHint", "Hint", 9120, 7560, 495, 255, Align::Center, kTeal, kLinkFont);
    hint.shortcut = QStringLiteral("Ctrl+H");
    out.push_back(hint);
    addRecordLinks(out);
    const int top[] = {1440, 1800, 2520, 3120, 3720};
    // The last line holds the end-of-game summary's costliest decision: three lines of text.
    const int height[] = {255, 615, 495, 495, 735};
    for (int i = 0; i < 5; ++i) {
        ElementSpec e = label(QString::fromLatin1(kCoachPanel[i]), QString(), 7440, top[i], 2760,
                              height[i], Align::Left, kTeal, i < 2 ? kLargeFont : kDefaultFont);
        e.font.bold = i < 2;
        e.visible = false;
        out.push_back(e);
    }
    out[out.size() - 5].caption = QStringLiteral("Coach");
    for (int p = 1; p <= 5; ++p) {
        ElementSpec mark = label(keepMark(p), "keep", 3360 + 840 * (p - 1), 1170, 555, 240,
                                 Align::Center, kTeal, kBoldFont);
        mark.fore = Colour::rgb(255, 255, 0);
        mark.visible = false;
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
    FormLayout layout;
    layout.name = QStringLiteral("Form1");
    layout.caption = QStringLiteral("Korvex");
    layout.clientWidth = 10335;
    layout.clientHeight = 8025;
    layout.background = kTeal;
    layout.frame = FrameStyle::Sizable;
    layout.start = StartPosition::CenterScreen;
    auto& out = layout.elements;
    // Pictures and lines first, so that buttons and boxes lie above them where they overlap;
    // START comes after New Game, so it lies above it in their shared rectangle.
    addDice(out);
    addRollIndicator(out);
    addStartFrameAndLinks(out);
    addScoreCard(out);
    addButtons(out);
    addCoach(out);
    addCounters(out);
    return layout;
}

}  // namespace korvex
