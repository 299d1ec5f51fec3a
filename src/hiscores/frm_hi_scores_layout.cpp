// SPDX-License-Identifier: GPL-3.0-or-later
// The stored layout of `frmHiScores`: ten rows of rank, initials and score, OK and the button
// that clears the table.

#include <QCoreApplication>

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

FormLayout frmHiScoresLayout() {
    using K = ElementKind;
    const FontSpec rankFont{QStringLiteral("Comic Sans MS"), 9.75, true};
    const FontSpec rowFont{QStringLiteral("Comic Sans MS"), 12, true};
    const Colour light = Colour::of(Colour::Role::MenuBackground);
    const Colour clear = Colour::of(Colour::Role::Transparent);
    FormLayout layout{
        .name = QStringLiteral("frmHiScores"),
        .caption = QCoreApplication::translate("frmHiScores", "High Scores"),
        .clientWidth = 2895,
        .clientHeight = 5040,
        .background = kDarkBlue,
        .frame = FrameStyle::FixedDialog,
        .start = StartPosition::CenterOwner,
    };
    // The rows are read highest first: ranks, then initials, then scores in the focus order.
    for (int r = 0; r < 10; ++r) {
        const int top = 120 + 360 * r;
        layout.elements.push_back({.name = hiScoreRankLabel(r),
                                   .kind = K::Label,
                                   .left = 120,
                                   .top = top,
                                   .width = 375,
                                   .height = 255,
                                   .caption = QString::number(r + 1),
                                   .font = rankFont,
                                   .align = Align::Center,
                                   .fore = light,
                                   .back = clear,
                                   .tab = 22 + r});
        layout.elements.push_back({.name = hiScoreNameLabel(r),
                                   .kind = K::Label,
                                   .left = 720,
                                   .top = top,
                                   .width = 855,
                                   .height = 375,
                                   .font = rowFont,
                                   .align = Align::Center,
                                   .fore = light,
                                   .back = kDarkBlue,
                                   .tab = 10 + r});
        layout.elements.push_back({.name = hiScoreScoreLabel(r),
                                   .kind = K::Label,
                                   .left = 1800,
                                   .top = top,
                                   .width = 855,
                                   .height = 375,
                                   .font = rowFont,
                                   .align = Align::Center,
                                   .fore = light,
                                   .back = kDarkBlue,
                                   .tab = r});
    }
    layout.elements.push_back({.name = "cmdOK",
                               .kind = K::Button,
                               .left = 1080,
                               .top = 3960,
                               .width = 855,
                               .height = 375,
                               .caption = QCoreApplication::translate("frmHiScores", "&OK"),
                               .tab = 20,
                               .role = ButtonRole::Default});
    layout.elements.push_back(
        {.name = "CB_ClearScores",
         .kind = K::Button,
         .left = 720,
         .top = 4440,
         .width = 1575,
         .height = 375,
         .caption = QCoreApplication::translate("frmHiScores", "Clear High Scores"),
         .tab = 21});
    return layout;
}

}  // namespace korvex
