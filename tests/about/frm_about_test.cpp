// SPDX-License-Identifier: GPL-3.0-or-later
// The About window: its captions from the program's identity, its layout, and its one instance.

#include "about/frm_about.h"

#include <gtest/gtest.h>

#include <array>
#include <set>

#include "ui/memory_toolkit.h"

namespace korvex {
namespace {

TEST(About, captionsComeFromTheProgramsIdentity) {
    struct Case {
        AppIdentity identity;
        const char* caption;
        const char* version;
    };
    const Case cases[] = {
        {{QStringLiteral("Korvex"), 1, 1, 0}, "About Korvex", "Version 1.1.0"},
        {{QStringLiteral("Dice"), 12, 0, 7}, "About Dice", "Version 12.0.7"},
    };
    for (const Case& c : cases) {
        MemoryToolkit toolkit;
        toolkit.setIdentity(c.identity);
        FrmAbout about(toolkit);
        toolkit.showModeless(about);
        EXPECT_EQ(about.layout().caption, QLatin1String(c.caption));
        EXPECT_EQ(about.model().text(QStringLiteral("lblTitle")), c.identity.title);
        EXPECT_EQ(about.model().text(QStringLiteral("lblVersion")), QLatin1String(c.version));
    }
}

TEST(About, theBuiltProgramIsKorvex110) {
    MemoryToolkit toolkit;
    FrmAbout about(toolkit);
    toolkit.showModeless(about);
    EXPECT_EQ(about.layout().caption, QStringLiteral("About Korvex"));
    EXPECT_EQ(about.model().text(QStringLiteral("lblVersion")), QStringLiteral("Version 1.1.0"));
}

// The board holds one About window: a second click shows the same one without loading it
// again; after OK, the next click loads it afresh.
TEST(About, oneInstanceClosedByOk) {
    MemoryToolkit toolkit;
    FrmAbout about(toolkit);
    toolkit.showModeless(about);
    about.model().setText(QStringLiteral("lblTitle"), QStringLiteral("changed"));
    toolkit.showModeless(about);
    EXPECT_TRUE(toolkit.isOpen(about));
    EXPECT_EQ(about.model().text(QStringLiteral("lblTitle")), QStringLiteral("changed"));
    about.click(QStringLiteral("cmdOK"));
    EXPECT_FALSE(toolkit.isOpen(about));
    toolkit.showModeless(about);
    EXPECT_EQ(about.model().text(QStringLiteral("lblTitle")), QStringLiteral("Korvex"));
    EXPECT_EQ(toolkit.shown(), QStringList({"frmAbout", "frmAbout", "frmAbout"}));
}

TEST(About, okIsPressedByEnterAndEscape) {
    const FormLayout layout = frmAboutLayout();
    const ElementSpec* ok = layout.find(QStringLiteral("cmdOK"));
    ASSERT_TRUE(ok);
    EXPECT_EQ(ok->role, ButtonRole::DefaultAndCancel);
    EXPECT_EQ(ok->caption, QStringLiteral("OK"));
    EXPECT_EQ((std::array{ok->left, ok->top, ok->width, ok->height}),
              (std::array{2160, 6960, 1380, 345}));
}

TEST(About, creditLineHasNoAddress) {
    const QString credit = frmAboutLayout().find(QStringLiteral("Label31"))->caption;
    EXPECT_FALSE(credit.contains(QLatin1Char('@')));
    EXPECT_FALSE(credit.contains(QStringLiteral("http")));
    EXPECT_EQ(credit, QStringLiteral(" "));  // the line's own leading space, and nothing after it
}

TEST(About, scoringHelpSitsInTwoColumns) {
    const FormLayout layout = frmAboutLayout();
    EXPECT_EQ(layout.clientWidth, 5730);
    EXPECT_EQ(layout.clientHeight, 7575);
    EXPECT_EQ(layout.background, kDarkBlue);
    struct Row {
        const char* name;
        const char* text;
        int left, top, width;
    };
    const Row rows[] = {
        {"Label2", "Ones", 360, 3240, 735},
        {"Label17", "Adds all dice showing one pip", 480, 3480, 2415},
        {"Label8", "Bonus", 360, 6120, 735},
        {"Label29", "35 pts. are automatically added when the left column totals 63+", 480, 6360,
         2415},
        {"Label9", "Three of a Kind", 3000, 3240, 1335},
        {"Label22", "Adds all dice if four are the same", 3120, 3960, 2415},
        {"Label23", "25 pts.", 3120, 4440, 2175},
        {"Label14", "Korvex", 3000, 5640, 1335},
        {"Label28", "50 pts. (100 pts. for each additional)", 3120, 5880, 2535},
        {"Label30", "Adds all dice (no restrictions)", 3120, 6360, 2175},
        {"Label16", "Scoring", 120, 2760, 5535},
        {"Label1", "June 17, 2005", 1080, 1440, 3885},
    };
    for (const Row& r : rows) {
        const ElementSpec* e = layout.find(QLatin1String(r.name));
        ASSERT_TRUE(e) << r.name;
        EXPECT_EQ(e->caption, QLatin1String(r.text)) << r.name;
        EXPECT_EQ((std::array{e->left, e->top, e->width}), (std::array{r.left, r.top, r.width}))
            << r.name;
    }
    EXPECT_EQ(layout.find(QStringLiteral("Label29"))->height, 375);
    // Every help label is light text on the window's blue; names bold, rules regular.
    std::set<QString> help;
    for (int n = 2; n <= 30; ++n) help.insert(QStringLiteral("Label%1").arg(n));
    for (const ElementSpec& e : layout.elements) {
        if (!help.count(e.name)) continue;
        EXPECT_EQ(e.fore, Colour::of(Colour::Role::MenuBackground)) << e.name.toStdString();
        EXPECT_EQ(e.back, Colour::of(Colour::Role::Transparent)) << e.name.toStdString();
        const bool isName = e.left == 360 || e.left == 3000 || e.name == QStringLiteral("Label16");
        EXPECT_EQ(e.font.bold, isName) << e.name.toStdString();
    }
}

TEST(About, headAndSeparator) {
    const FormLayout layout = frmAboutLayout();
    const ElementSpec* icon = layout.find(QStringLiteral("picIcon"));
    ASSERT_TRUE(icon);
    EXPECT_EQ(icon->kind, ElementKind::Picture);
    EXPECT_EQ(icon->picture, PictureKind::AppIcon);
    EXPECT_EQ((std::array{icon->left, icon->top, icon->width, icon->height}),
              (std::array{240, 240, 540, 540}));
    for (const char* name : {"lblTitle", "lblVersion", "lblDescription", "Label1"}) {
        const ElementSpec* e = layout.find(QLatin1String(name));
        ASSERT_TRUE(e) << name;
        EXPECT_EQ(e->fore, kWhite) << name;
        EXPECT_EQ(e->back, kDarkBlue) << name;
    }
    const ElementSpec* white = layout.find(QStringLiteral("Line1(0)"));
    const ElementSpec* grey = layout.find(QStringLiteral("Line1(1)"));
    ASSERT_TRUE(white && grey);
    EXPECT_EQ((std::array{white->left, white->top, white->width, white->height, white->lineWidth}),
              (std::array{120, 2640, 5669, 2640, 2}));
    EXPECT_EQ(white->fore, kWhite);
    EXPECT_EQ((std::array{grey->left, grey->top, grey->width, grey->height}),
              (std::array{90, 2685, 5654, 2685}));
    EXPECT_EQ(grey->fore, kGrey);
}

}  // namespace
}  // namespace korvex
