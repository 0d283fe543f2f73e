#include "PenWickFixture.h"

#include <stdexcept>

namespace e2e {

WORD MenuCommand(std::u16string_view menuCaption, std::u16string_view itemCaption) {
    const auto& layout = pw::MainFormLayout();
    std::u16string_view menu;
    for (const auto& m : layout.menus) {
        if (m.level == 0) menu = m.caption;
        if (m.level > 0 && menu == menuCaption && m.caption == itemCaption)
            return static_cast<WORD>(pw::MenuCommandId(layout, m.name));
    }
    throw std::invalid_argument("no such menu item");
}

void PenWick::SetUp() {
    // Every test starts as a first start, with nothing on the clipboard.
    regDeleteKey(HKEY_CURRENT_USER);
    regDeleteKey(HKEY_LOCAL_MACHINE);
    emptyClipboard();
}

void PenWick::TearDown() { program.terminate(); }

void PenWick::Launch() {
    ASSERT_TRUE(program.start());
    main = program.waitForWindow();
    ASSERT_TRUE(main) << "no window captioned PenWick 1.10";
    ASSERT_TRUE(poll([&] { return isVisible(main); }));
    content = findChild(main, L"Edit");
    go = findChild(main, L"Button", L"1/1");
    first = findChild(main, L"Button", L"|<");
    back = findChild(main, L"Button", L"<");
    next = findChild(main, L"Button", L">");
    last = findChild(main, L"Button", L">|");
    ASSERT_TRUE(content && go && first && back && next && last);
}

void PenWick::Exit() {
    ASSERT_TRUE(postCommand(main, MenuCommand(u"面板(&P)", u"退出程序(&Q)")));
    ASSERT_TRUE(program.waitForExit().has_value()) << "Exit did not end the program";
}

void PenWick::Hide() {
    ASSERT_TRUE(postClose(main));
    ASSERT_TRUE(poll([&] { return !isVisible(main); }));
}

std::wstring PenWick::CopyContent() {
    emptyClipboard();
    send(content, EM_SETSEL, 0, -1);
    send(content, WM_COPY, 0, 0, 60s);
    return clipboardText().value_or(L"<nothing copied>");
}

}  // namespace e2e
