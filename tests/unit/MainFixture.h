#pragma once
#include <gtest/gtest.h>

#include <memory>

#include "app/Main.h"
#include "platform/fake/FakePlatform.h"

namespace pw::testing {

// A started program on the test doubles.
class MainFixture : public ::testing::Test, public fake::FakePlatform {
  public:
    void Start() {
        main.reset();  // one program at a time: the old one lets go of the panels first
        main = std::make_unique<Main>(state, platform);
        ASSERT_TRUE(main->Form_Initialize());
    }
    fake::FakeForm& form() { return ui.form("Main"); }
    fake::FakeControl& control(std::string_view name) { return form().control(name); }
    fake::FakeControl& content() { return control("Content"); }
    std::u16string position() { return control("cmdGo").text(); }
    // A command from the menu bar or the tray menu, as the user gives it.
    void Command(std::string_view item) { form().menu(item).click(); }
    void Hide() { Command("PanelClose"); }
    void SetSetting(std::u16string_view name, std::u16string_view text) {
        registry.setString(RegRoot::CurrentUser, kSettingsKey, name, text);
    }
    // Fills the list with panels "1".."n", ending on the last one.
    void MakePanels(int n) {
        content().paste(u"1");
        for (int i = 2; i <= n; ++i) {
            Command("PanelNew");
            content().paste(std::u16string(1, static_cast<char16_t>(u'0' + i % 10)));
        }
    }
    std::u16string Setting(std::u16string_view name) {
        return registry.text(RegRoot::CurrentUser, kSettingsKey, name).value_or(u"<none>");
    }

    AppState state;
    std::unique_ptr<Main> main;
};

}  // namespace pw::testing
