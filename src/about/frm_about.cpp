#include "about/frm_about.h"

namespace korvex {

QString versionText(const AppIdentity& identity) {
    return QStringLiteral("Version %1.%2.%3")
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
