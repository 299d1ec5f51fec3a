// SPDX-License-Identifier: GPL-3.0-or-later
// The stored layout of `frmGetName`: the new score, the prompt, the initials field and OK.

#include <QCoreApplication>

#include "hiscores/frm_get_name.h"

namespace korvex {

FormLayout frmGetNameLayout() {
    using K = ElementKind;
    const FontSpec comic{QStringLiteral("Comic Sans MS"), 12, false};
    const FontSpec comicBold{QStringLiteral("Comic Sans MS"), 12, true};
    return {.name = QStringLiteral("frmGetName"),
            .caption = QCoreApplication::translate("frmGetName", "New High Score"),
            .clientWidth = 2415,
            .clientHeight = 1905,
            .frame = FrameStyle::FixedDialog,
            .start = StartPosition::CenterOwner,
            .elements = {
                {.name = "Label1",
                 .kind = K::Label,
                 .left = 600,
                 .top = 600,
                 .width = 1335,
                 .height = 255,
                 .caption = QCoreApplication::translate("frmGetName", "Enter your initials:"),
                 .tab = 0},
                {.name = "lblScore",
                 .kind = K::Label,
                 .left = 120,
                 .top = 120,
                 .width = 2175,
                 .height = 375,
                 .font = comicBold,
                 .align = Align::Center,
                 .tab = 1},
                {.name = "txtName",
                 .kind = K::TextBox,
                 .left = 840,
                 .top = 840,
                 .width = 735,
                 .height = 405,
                 .caption = "???",
                 .font = comic,
                 .align = Align::Center,
                 .tab = 2,
                 .maxLength = 3,
                 // A screen reader names the field by the prompt above it.
                 .labelledBy = "Label1"},
                {.name = "cmdOK",
                 .kind = K::Button,
                 .left = 840,
                 .top = 1440,
                 .width = 735,
                 .height = 375,
                 .caption = QCoreApplication::translate("frmGetName", "&OK"),
                 .tab = 3,
                 .role = ButtonRole::Default},
            }};
}

}  // namespace korvex
