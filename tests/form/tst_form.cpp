// SPDX-License-Identifier: MIT
#include "FakeFileSystem.h"
#include "Form.h"
#include "FormDriver.h"
#include "RecordingMessageBox.h"

#include <doctest/doctest.h>

#include <array>
#include <map>
#include <string>
#include <vector>

namespace {

using enum ControlKind;
using namespace ControlFlag;

// Two frames of option buttons beside option buttons on the window itself, each frame's
// inner controls, and one control of every other kind that takes input.
// clang-format off
constexpr std::array controls{
    ControlDesign{"frmA",   Frame,         nullptr, "A",     None,    0,   0, 900, 900, 0, nullptr},
    ControlDesign{"optA1",  OptionButton,  "frmA",  "A1",    None,    0,   0, 900, 255, 2, nullptr},
    ControlDesign{"optA2",  OptionButton,  "frmA",  "A2",    None,    0, 300, 900, 255, 1, nullptr},
    ControlDesign{"txtA",   TextBox,       "frmA",  "a",     None,    0, 600, 900, 255, 3, nullptr},
    ControlDesign{"frmB",   Frame,         nullptr, "B",     None, 1000,   0, 900, 900, 4, nullptr},
    ControlDesign{"optB1",  OptionButton,  "frmB",  "B1",    None,    0,   0, 900, 255, 5, nullptr},
    ControlDesign{"optB2",  OptionButton,  "frmB",  "B2",    None,    0, 300, 900, 255, 6, nullptr},
    ControlDesign{"optW1",  OptionButton,  nullptr, "W1",    None,    0, 1000, 900, 255, 8, nullptr},
    ControlDesign{"optW2",  OptionButton,  nullptr, "W2",    None, 1000, 1000, 900, 255, 7, nullptr},
    ControlDesign{"chkC",   CheckBox,      nullptr, "C",     None,    0, 1300, 900, 255, 9, nullptr},
    ControlDesign{"txtOut", TextBox,       nullptr, "",      Locked,  0, 1600, 900, 255, 10, nullptr},
    ControlDesign{"lstL",   ListBox,       nullptr, "",      None,    0, 1900, 900, 255, 11, nullptr},
    ControlDesign{"cboS",   ComboBox,      nullptr, "Combo", None,    0, 2200, 900, 255, 12, nullptr},
    ControlDesign{"cmdGo",  CommandButton, nullptr, "Go",    None,    0, 2500, 900, 495, 13, nullptr},
};
// clang-format on

constexpr FormDesign design {"frmTest", "Test", 2000, 3000, controls, {}};

// A form whose handlers count how often each control's notification came.
struct CountedForm
{
    CountedForm() : form(design, files, messages), driver(form)
    {
        for (std::size_t control = 0; control < form.count(); ++control) {
            const std::string name = form.designOf(control).name;
            form.setHandler(control, [this, name] { ++raised[name]; });
        }
        form.changed = [this](std::size_t control) {
            ++changes[form.designOf(control).name];
        };
        for (const char *entry : {"x", "y", "z"}) {
            form.addEntry(form.indexOf("lstL"), 9, entry);
            form.addEntry(form.indexOf("cboS"), 9, entry);
        }
        changes.clear();
    }

    FakeFileSystem files {{"/"}, "/"};
    RecordingMessageBox messages;
    Form form;
    FormDriver driver;
    std::map<std::string, int> raised;
    std::map<std::string, int> changes;
};

} // namespace

TEST_CASE("choosing an option clears the others of its own container and no other")
{
    struct Row
    {
        std::string what;
        std::vector<std::string> clicks;
        std::vector<std::string> chosen;
    };
    const Row rows[] = {
        {"one per group", {"optA1", "optB2", "optW1"}, {"optA1", "optB2", "optW1"}},
        {"the later in a frame wins", {"optA1", "optA2"}, {"optA2"}},
        {"the window's own options are a group", {"optW1", "optA1", "optW2"}, {"optA1", "optW2"}},
        {"a frame leaves the other frame", {"optB1", "optA2", "optA1"}, {"optA1", "optB1"}},
    };
    for (const Row &row : rows) {
        CAPTURE(row.what);
        CountedForm test;
        for (const std::string &name : row.clicks)
            test.driver.click(name);
        CHECK(test.driver.chosen() == row.chosen);
    }
}

TEST_CASE("the groups follow the containers, each in tab order")
{
    CountedForm test;
    std::vector<std::vector<std::string>> groups;
    for (const auto &group : test.form.optionGroups()) {
        groups.emplace_back();
        for (std::size_t control : group)
            groups.back().emplace_back(test.form.designOf(control).name);
    }
    CHECK(groups
          == std::vector<std::vector<std::string>> {
              {"optA2", "optA1"}, {"optB1", "optB2"}, {"optW2", "optW1"}});
}

TEST_CASE("an option's click notification comes when it becomes chosen, from code or user")
{
    CountedForm test;
    test.driver.click("optA1");
    test.form.setValue(test.form.indexOf("optA2"), -1);
    test.driver.click("optA2");
    test.form.setValue(test.form.indexOf("optA2"), -1);
    test.form.setValue(test.form.indexOf("optA2"), 0);
    CHECK(test.raised["optA1"] == 1);
    CHECK(test.raised["optA2"] == 1);
    CHECK(test.driver.chosen().empty());
}

TEST_CASE("a check box turns over on a click, a grayed one to checked")
{
    struct Row
    {
        std::int16_t before;
        std::int16_t after;
    };
    for (const Row &row : {Row {0, 1}, Row {1, 0}, Row {2, 1}}) {
        CAPTURE(row.before);
        CountedForm test;
        test.form.setValue(test.form.indexOf("chkC"), row.before);
        test.driver.click("chkC");
        CHECK(test.driver.value("chkC") == row.after);
    }
}

TEST_CASE("what is disabled or hidden, itself or by its frame, takes nothing from the user")
{
    struct Row
    {
        std::string what;
        const char *control;
        const char *switched;
        bool visible;
    };
    const Row rows[] = {
        {"disabled option", "optW1", "optW1", true},
        {"hidden option", "optW1", "optW1", false},
        {"option in a hidden frame", "optA1", "frmA", false},
        {"option in a disabled frame", "optA1", "frmA", true},
        {"disabled check box", "chkC", "chkC", true},
        {"disabled command button", "cmdGo", "cmdGo", true},
    };
    for (const Row &row : rows) {
        CAPTURE(row.what);
        CountedForm test;
        const std::size_t switched = test.form.indexOf(row.switched);
        if (row.visible)
            test.form.setEnabled(switched, false);
        else
            test.form.setVisible(switched, false);
        test.driver.click(row.control);
        CHECK(test.driver.value(row.control) == 0);
        CHECK(test.raised[row.control] == 0);
    }
    CountedForm test;
    test.form.setVisible(test.form.indexOf("frmA"), false);
    test.driver.type("txtA", "typed");
    CHECK(test.driver.text("txtA") == "a");
}

TEST_CASE("typing and choosing in the boxes and lists")
{
    CountedForm test;
    test.driver.type("txtOut", "typed");
    CHECK(test.driver.text("txtOut").empty());
    CHECK(test.changes["txtOut"] == 1); // the front end shows the text that stands

    test.driver.select("cboS", 1);
    CHECK(test.driver.text("cboS") == "y");
    test.driver.type("cboS", "z");
    CHECK(test.driver.value("cboS") == 1);
    CHECK(test.driver.text("cboS") == "z");

    test.driver.select("lstL", 2);
    CHECK(test.driver.value("lstL") == 2);
    test.driver.select("lstL", 3);
    CHECK(test.driver.value("lstL") == 2);
    test.driver.select("lstL", -1);
    CHECK(test.driver.value("lstL") == -1);
}

TEST_CASE("a front end hears of each change once, and of nothing that did not change")
{
    CountedForm test;
    test.driver.click("optA1");
    test.driver.click("optA2");
    test.driver.click("optA2");
    test.form.setText(test.form.indexOf("txtA"), "a");
    test.form.setEnabled(test.form.indexOf("cmdGo"), true);
    CHECK(test.changes == std::map<std::string, int> {{"optA1", 2}, {"optA2", 1}});
}
