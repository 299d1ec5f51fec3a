// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/frm_about.h"

#include <QCoreApplication>

namespace korvex {

QString versionText(const AppIdentity& identity) {
    return QCoreApplication::translate("frmAbout", "Version %1.%2.%3")
        .arg(identity.major)
        .arg(identity.minor)
        .arg(identity.revision);
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
