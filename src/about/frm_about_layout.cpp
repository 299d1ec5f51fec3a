// SPDX-License-Identifier: GPL-3.0-or-later
// The stored layout of `frmAbout`: icon, title, version and credit above the scoring help, whose
// category names and points come from the rules of the card.

#include <QCoreApplication>

#include "about/frm_about.h"
#include "core/rules.h"

namespace korvex {
namespace {

const Colour kLight = Colour::of(Colour::Role::MenuBackground);
const Colour kClear = Colour::of(Colour::Role::Transparent);
const FontSpec kBold{QStringLiteral("MS Sans Serif"), 8.25, true};

// The window's own texts; the category names are the card's, from the rules.
struct About {
    Q_DECLARE_TR_FUNCTIONS(frmAbout)
};

void addHead(std::vector<ElementSpec>& out) {
    using K = ElementKind;
    const auto head = [](const char* name, int top, int height) {
        return ElementSpec{.name = name,
                           .kind = K::Label,
                           .left = 1050,
                           .top = top,
                           .width = 3885,
                           .height = height,
                           .fore = kWhite,
                           .back = kDarkBlue};
    };
    out.push_back({.name = "picIcon",
                   .kind = K::Picture,
                   .left = 240,
                   .top = 240,
                   .width = 540,
                   .height = 540,
                   .picture = PictureKind::AppIcon});
    out.push_back(head("lblTitle", 240, 240));
    out.push_back(head("lblVersion", 480, 225));
    out.push_back(head("lblDescription", 885, 450));
    out.push_back({.name = "Label1",
                   .kind = K::Label,
                   .left = 1080,
                   .top = 1440,
                   .width = 3885,
                   .height = 225,
                   //: The date of the release, written as dates are in your language.
                   .caption = About::tr("June 17, 2005"),
                   .fore = kWhite,
                   .back = kDarkBlue});
    // The credit line ends without a contact address.
    out.push_back({.name = "Label31",
                   .kind = K::Label,
                   .left = 1080,
                   .top = 1920,
                   .width = 4095,
                   .height = 615,
                   .caption = " ",
                   .fore = kLight,
                   .back = kClear});
    out.push_back({.name = "Line1(0)",
                   .kind = K::Line,
                   .left = 120,
                   .top = 2640,
                   .width = 5669,
                   .height = 2640,
                   .fore = kWhite,
                   .lineWidth = 2});
    out.push_back({.name = "Line1(1)",
                   .kind = K::Line,
                   .left = 90,
                   .top = 2685,
                   .width = 5654,
                   .height = 2685,
                   .fore = kGrey,
                   .lineWidth = 1});
    out.push_back({.name = "Label16",
                   .kind = K::Label,
                   .left = 120,
                   .top = 2760,
                   .width = 5535,
                   .height = 255,
                   .caption = About::tr("Scoring"),
                   .font = kBold,
                   .align = Align::Center,
                   .fore = kLight,
                   .back = kClear});
}

// One line of the scoring help: a name in bold, and its rule 240 twips below.
struct HelpRow {
    const char* nameLabel;
    QString name;
    const char* textLabel;
    QString text;
    int textWidth;
    int textHeight = 240;
};

QString points(int n) {
    return About::tr("%1 pts.").arg(n);
}

// Ones to Sixes, then the bonus.
std::vector<HelpRow> leftColumn() {
    const char* texts[] = {QT_TRANSLATE_NOOP("frmAbout", "Adds all dice showing one pip"),
                           QT_TRANSLATE_NOOP("frmAbout", "Adds all dice showing two pips"),
                           QT_TRANSLATE_NOOP("frmAbout", "Adds all dice showing three pips"),
                           QT_TRANSLATE_NOOP("frmAbout", "Adds all dice showing four pips"),
                           QT_TRANSLATE_NOOP("frmAbout", "Adds all dice showing five pips"),
                           QT_TRANSLATE_NOOP("frmAbout", "Adds all dice showing six pips")};
    const char* nameLabels[] = {"Label2", "Label3", "Label4", "Label5", "Label6", "Label7"};
    const char* textLabels[] = {"Label17", "Label18", "Label19", "Label20", "Label25", "Label26"};
    std::vector<HelpRow> rows;
    for (int i = 0; i < 6; ++i)
        rows.push_back(
            {nameLabels[i], displayTitle(CategoryId(i)), textLabels[i], About::tr(texts[i]), 2415});
    // The bonus rule needs two lines.
    rows.push_back({"Label8", About::tr("Bonus"), "Label29",
                    //: %1 is the bonus, 35; %2 the total it needs, 63.
                    About::tr("%1 pts. are automatically added when the left column totals %2+")
                        .arg(kUpperBonus)
                        .arg(kBonusThreshold),
                    2415, 375});
    return rows;
}

std::vector<HelpRow> rightColumn() {
    using C = CategoryId;
    return {
        {"Label9", displayTitle(C::ThreeKind), "Label21",
         About::tr("Adds all dice if three are the same"), 2415},
        {"Label10", displayTitle(C::FourKind), "Label22",
         About::tr("Adds all dice if four are the same"), 2415},
        {"Label11", displayTitle(C::FullHouse), "Label23", points(kFullHousePoints), 2175},
        {"Label12", displayTitle(C::SmallStraight), "Label24", points(kSmallStraightPoints), 2175},
        {"Label13", displayTitle(C::LargeStraight), "Label27", points(kLargeStraightPoints), 2175},
        {"Label14", displayTitle(C::Korvex), "Label28",
         //: %1 is the points of a five of a kind, "50 pts."; %2 those of each later one.
         About::tr("%1 (%2 for each additional)")
             .arg(points(kFiveOfAKindPoints), points(kExtraFiveOfAKindPoints)),
         2535},
        {"Label15", displayTitle(C::Chance), "Label30",
         About::tr("Adds all dice (no restrictions)"), 2175},
    };
}

void addColumn(std::vector<ElementSpec>& out, const std::vector<HelpRow>& rows, int nameLeft,
               int nameWidth, int textLeft) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const HelpRow& row = rows[i];
        const int top = 3240 + 480 * int(i);
        out.push_back({.name = row.nameLabel,
                       .kind = ElementKind::Label,
                       .left = nameLeft,
                       .top = top,
                       .width = nameWidth,
                       .height = 255,
                       .caption = row.name,
                       .font = kBold,
                       .fore = kLight,
                       .back = kClear});
        out.push_back({.name = row.textLabel,
                       .kind = ElementKind::Label,
                       .left = textLeft,
                       .top = top + 240,
                       .width = row.textWidth,
                       .height = row.textHeight,
                       .caption = row.text,
                       .fore = kLight,
                       .back = kClear});
    }
}

}  // namespace

FormLayout frmAboutLayout(const QString& title) {
    FormLayout layout{
        .name = QStringLiteral("frmAbout"),
        .caption = About::tr("About %1").arg(title),
        .clientWidth = 5730,
        .clientHeight = 7575,
        .background = kDarkBlue,
        .frame = FrameStyle::FixedDialog,
        // Opened without an owner, so it is centred on the screen.
        .start = StartPosition::CenterScreen,
    };
    addHead(layout.elements);
    addColumn(layout.elements, leftColumn(), 360, 735, 480);
    addColumn(layout.elements, rightColumn(), 3000, 1335, 3120);
    layout.elements.push_back({.name = "cmdOK",
                               .kind = ElementKind::Button,
                               .left = 2160,
                               .top = 6960,
                               .width = 1380,
                               .height = 345,
                               .caption = About::tr("OK"),
                               .tab = 0,
                               .role = ButtonRole::DefaultAndCancel});
    return layout;
}

FormLayout frmAboutLayout() {
    return frmAboutLayout(QStringLiteral("Korvex"));
}

}  // namespace korvex
