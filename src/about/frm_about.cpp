#include "about/frm_about.h"

#include <QCoreApplication>

namespace korvex {

namespace {

const Colour kLight = Colour::of(Colour::Role::MenuBackground);
const Colour kClear = Colour::of(Colour::Role::Transparent);
const FontSpec kPlain{};
const FontSpec kBold{QStringLiteral("MS Sans Serif"), 8.25, true};

ElementSpec label(const char* name, const QString& caption, int l, int t, int w, int h, Colour fore,
                  Colour back, const FontSpec& font = kPlain, Align align = Align::Left) {
    ElementSpec e = makeElement(ElementKind::Label, QString::fromLatin1(name), l, t, w, h, caption);
    e.fore = fore;
    e.back = back;
    e.font = font;
    e.align = align;
    return e;
}

void addHead(std::vector<ElementSpec>& out) {
    ElementSpec icon;
    icon.name = QStringLiteral("picIcon");
    icon.kind = ElementKind::Picture;
    icon.picture = PictureKind::AppIcon;
    icon.left = 240, icon.top = 240, icon.width = 540, icon.height = 540;
    out.push_back(icon);
    out.push_back(label("lblTitle", QString(), 1050, 240, 3885, 240, kWhite, kDarkBlue));
    out.push_back(label("lblVersion", QString(), 1050, 480, 3885, 225, kWhite, kDarkBlue));
    out.push_back(label("lblDescription", QString(), 1050, 885, 3885, 450, kWhite, kDarkBlue));
    out.push_back(
        //: The date of the release, written as dates are in your language.
        label("Label1", QStringLiteral(QT_TRANSLATE_NOOP("frmAbout", "June 17, 2005")), 1080, 1440,
              3885, 225, kWhite, kDarkBlue));
    // The credit line ends without a contact address.
    out.push_back(label("Label31", QStringLiteral(" "), 1080, 1920, 4095, 615, kLight, kClear));
    out.push_back(makeLine("Line1(0)", 120, 2640, 5669, 2640, kWhite, 2));
    out.push_back(makeLine("Line1(1)", 90, 2685, 5654, 2685, kGrey, 1));
}

struct HelpRow {
    const char* nameLabel;
    const char* name;
    const char* textLabel;
    const char* text;
    int textWidth;
};

constexpr HelpRow kLeftColumn[] = {
    {"Label2", QT_TRANSLATE_NOOP("frmAbout", "Ones"), "Label17",
     QT_TRANSLATE_NOOP("frmAbout", "Adds all dice showing one pip"), 2415},
    {"Label3", QT_TRANSLATE_NOOP("frmAbout", "Twos"), "Label18",
     QT_TRANSLATE_NOOP("frmAbout", "Adds all dice showing two pips"), 2415},
    {"Label4", QT_TRANSLATE_NOOP("frmAbout", "Threes"), "Label19",
     QT_TRANSLATE_NOOP("frmAbout", "Adds all dice showing three pips"), 2415},
    {"Label5", QT_TRANSLATE_NOOP("frmAbout", "Fours"), "Label20",
     QT_TRANSLATE_NOOP("frmAbout", "Adds all dice showing four pips"), 2415},
    {"Label6", QT_TRANSLATE_NOOP("frmAbout", "Fives"), "Label25",
     QT_TRANSLATE_NOOP("frmAbout", "Adds all dice showing five pips"), 2415},
    {"Label7", QT_TRANSLATE_NOOP("frmAbout", "Sixes"), "Label26",
     QT_TRANSLATE_NOOP("frmAbout", "Adds all dice showing six pips"), 2415},
    {"Label8", QT_TRANSLATE_NOOP("frmAbout", "Bonus"), "Label29",
     QT_TRANSLATE_NOOP("frmAbout",
                       "35 pts. are automatically added when the left column totals 63+"),
     2415},
};

constexpr HelpRow kRightColumn[] = {
    {"Label9", QT_TRANSLATE_NOOP("frmAbout", "Three of a Kind"), "Label21",
     QT_TRANSLATE_NOOP("frmAbout", "Adds all dice if three are the same"), 2415},
    {"Label10", QT_TRANSLATE_NOOP("frmAbout", "Four of a Kind"), "Label22",
     QT_TRANSLATE_NOOP("frmAbout", "Adds all dice if four are the same"), 2415},
    {"Label11", QT_TRANSLATE_NOOP("frmAbout", "Full House"), "Label23",
     QT_TRANSLATE_NOOP("frmAbout", "25 pts."), 2175},
    {"Label12", QT_TRANSLATE_NOOP("frmAbout", "Small Straight"), "Label24",
     QT_TRANSLATE_NOOP("frmAbout", "30 pts."), 2175},
    {"Label13", QT_TRANSLATE_NOOP("frmAbout", "Large Straight"), "Label27",
     QT_TRANSLATE_NOOP("frmAbout", "40 pts."), 2175},
    // Korvex is the game's own name and needs no translation.
    {"Label14", "Korvex", "Label28",
     QT_TRANSLATE_NOOP("frmAbout", "50 pts. (100 pts. for each additional)"), 2535},
    {"Label15", QT_TRANSLATE_NOOP("frmAbout", "Chance"), "Label30",
     QT_TRANSLATE_NOOP("frmAbout", "Adds all dice (no restrictions)"), 2175},
};

// One column of the scoring help: each category's name in bold, its rule 240 twips below.
template <std::size_t N>
void addColumn(std::vector<ElementSpec>& out, const HelpRow (&rows)[N], int nameLeft, int nameWidth,
               int textLeft) {
    for (std::size_t i = 0; i < N; ++i) {
        const HelpRow& row = rows[i];
        const int top = 3240 + 480 * int(i);
        out.push_back(label(row.nameLabel, QString::fromLatin1(row.name), nameLeft, top, nameWidth,
                            255, kLight, kClear, kBold));
        // The bonus rule needs two lines.
        const int height = QLatin1String(row.textLabel) == QLatin1String("Label29") ? 375 : 240;
        out.push_back(label(row.textLabel, QString::fromLatin1(row.text), textLeft, top + 240,
                            row.textWidth, height, kLight, kClear));
    }
}

}  // namespace

QString versionText(const AppIdentity& identity) {
    return QCoreApplication::translate("frmAbout", "Version %1.%2.%3")
        .arg(identity.major)
        .arg(identity.minor)
        .arg(identity.revision);
}

FormLayout frmAboutLayout(const QString& title) {
    FormLayout layout;
    layout.name = QStringLiteral("frmAbout");
    layout.caption = QCoreApplication::translate("frmAbout", "About %1").arg(title);
    layout.clientWidth = 5730;
    layout.clientHeight = 7575;
    layout.background = kDarkBlue;
    layout.frame = FrameStyle::FixedDialog;
    // Opened without an owner, so it is centred on the screen.
    layout.start = StartPosition::CenterScreen;
    auto& out = layout.elements;
    addHead(out);
    out.push_back(label("Label16", QStringLiteral(QT_TRANSLATE_NOOP("frmAbout", "Scoring")), 120,
                        2760, 5535, 255, kLight, kClear, kBold, Align::Center));
    addColumn(out, kLeftColumn, 360, 735, 480);
    addColumn(out, kRightColumn, 3000, 1335, 3120);

    ElementSpec ok;
    ok.name = QStringLiteral("cmdOK");
    ok.kind = ElementKind::Button;
    ok.caption = QStringLiteral(QT_TRANSLATE_NOOP("frmAbout", "OK"));
    ok.left = 2160, ok.top = 6960, ok.width = 1380, ok.height = 345;
    ok.tab = 0;
    ok.role = ButtonRole::DefaultAndCancel;
    out.push_back(ok);
    return layout;
}

FormLayout frmAboutLayout() {
    return frmAboutLayout(QStringLiteral("Korvex"));
}

FrmAbout::FrmAbout(Toolkit& toolkit) : Form(frmAboutLayout(toolkit.identity().title), toolkit) {
    onClick(QStringLiteral("cmdOK"), [this] { cmdOK_Click(); });
}

void FrmAbout::load() {
    const AppIdentity identity = toolkit().identity();
    setText(QStringLiteral("lblTitle"), identity.title);
    setText(QStringLiteral("lblVersion"), versionText(identity));
}

void FrmAbout::cmdOK_Click() {
    toolkit().close(*this);
}

}  // namespace korvex
