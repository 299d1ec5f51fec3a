// SPDX-License-Identifier: GPL-3.0-or-later
// The form model and the in-memory toolkit: what every window's handlers stand on.

#include "ui/form_model.h"

#include <gtest/gtest.h>

#include "ui/form.h"
#include "ui/memory_toolkit.h"

namespace korvex {
namespace {

FormLayout smallLayout() {
    FormLayout layout;
    layout.name = "frmTest";
    ElementSpec box;
    box.name = "txtA";
    box.kind = ElementKind::TextBox;
    box.caption = "start";
    ElementSpec hidden;
    hidden.name = "Flag";
    hidden.kind = ElementKind::Field;
    hidden.caption = "Text1";
    ElementSpec ok;
    ok.name = "cmdOK";
    ok.kind = ElementKind::Button;
    ok.font.bold = true;
    layout.elements = {box, hidden, ok};
    return layout;
}

TEST(FormModel, startsFromTheStoredLayoutAndResetsToIt) {
    const FormLayout layout = smallLayout();
    FormModel m(layout);
    EXPECT_EQ(m.text("txtA"), "start");
    EXPECT_EQ(m.text("Flag"), "Text1");
    EXPECT_FALSE(m.visible("Flag"));  // a state field is never shown
    EXPECT_TRUE(m.bold("cmdOK"));
    m.setText("txtA", "x");
    m.setEnabled("cmdOK", false);
    m.setFocus("cmdOK");
    m.reset();
    EXPECT_EQ(m.text("txtA"), "start");
    EXPECT_TRUE(m.enabled("cmdOK"));
    EXPECT_EQ(m.focus(), "");
}

TEST(FormModel, observerSeesEveryRealChangeOnce) {
    const FormLayout layout = smallLayout();
    FormModel m(layout);
    std::vector<std::pair<int, FormModel::Change>> seen;
    m.setObserver([&](int i, FormModel::Change c) { seen.emplace_back(i, c); });
    m.setText("txtA", "start");  // unchanged: nothing to redraw
    m.setText("txtA", "new");
    m.setVisible("cmdOK", false);
    m.setBorder("cmdOK", 1);
    m.setFocus("txtA");
    m.selectAll("txtA");
    using C = FormModel::Change;
    const std::vector<std::pair<int, C>> expected = {
        {0, C::Text}, {2, C::Visible}, {2, C::Border}, {0, C::Focus}, {0, C::SelectAll}};
    EXPECT_EQ(seen, expected);
}

TEST(FormModel, unknownNamesAreWiringFaults) {
    const FormLayout layout = smallLayout();
    FormModel m(layout);
    EXPECT_THROW(m.text("txtB"), std::out_of_range);
    EXPECT_THROW(m.setText("txtb", ""), std::out_of_range);
}

TEST(FieldNumbers, readAsTheCardAddsThem) {
    struct Case {
        const char* text;
        long long whole;
    };
    for (const Case& c :
         {Case{"", 0}, Case{"0", 0}, Case{"35", 35}, Case{" 12 ", 12}, Case{"7.9", 7},
          Case{"-3.5", -3}, Case{"abc", 0}, Case{"1e3", 1000}, Case{"inf", 0}, Case{"1e300", 0}})
        EXPECT_EQ(wholeNumber(c.text), c.whole) << c.text;
    EXPECT_EQ(decimalText(150), "150");
    EXPECT_EQ(decimalText(0), "0");
}

class Probe : public Form {
  public:
    explicit Probe(Toolkit& t) : Form(smallLayout(), t) {
        onClick("cmdOK", [this] { toolkit().close(*this); });
    }
    void load() override { log << "load"; }
    void activate() override { log << "activate"; }
    void unload() override { log << "unload"; }
    QStringList log;
};

TEST(MemoryToolkit, modalWindowRunsItsScriptThenClosesAndReactivatesTheOwner) {
    MemoryToolkit toolkit;
    Probe owner(toolkit), dialog(toolkit);
    toolkit.showModeless(owner);
    dialog.model().setText("txtA", "stale");
    toolkit.whenModal("frmTest", [](Form& f) {
        EXPECT_EQ(f.model().text("txtA"), "start");  // each opening starts from the layout
        f.click("cmdOK");
    });
    toolkit.showModal(dialog, &owner);
    EXPECT_EQ(dialog.log, (QStringList{"load", "activate", "unload"}));
    EXPECT_EQ(owner.log, (QStringList{"load", "activate", "activate"}));
    EXPECT_FALSE(toolkit.isOpen(dialog));
    // Without a script the player closes it with the close box.
    toolkit.showModal(dialog, nullptr);
    EXPECT_FALSE(toolkit.isOpen(dialog));
}

TEST(MemoryToolkit, messageBoxesAnswerAsScriptedOrWithTheDefault) {
    MemoryToolkit toolkit;
    toolkit.answerNext(MessageResult::No);
    EXPECT_EQ(toolkit.messageBox(nullptr, "t", "T", MessageButtons::YesNo), MessageResult::No);
    EXPECT_EQ(toolkit.messageBox(nullptr, "t", "T", MessageButtons::YesNo), MessageResult::Yes);
    EXPECT_EQ(toolkit.messageBox(nullptr, "t", "T", MessageButtons::Ok), MessageResult::Ok);
    ASSERT_EQ(toolkit.messages().size(), 3u);
    EXPECT_EQ(toolkit.identity().title, "Korvex");
}

}  // namespace
}  // namespace korvex
