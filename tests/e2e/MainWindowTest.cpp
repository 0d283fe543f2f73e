// The main window, its panels, start-up and shutdown, driven from outside.
#include <utility>

#include "PenWickFixture.h"

namespace e2e {
namespace {

using MainWindow = PenWick;

TEST_F(MainWindow, TipsFollowThePanelASecondStartEndsAtOnceDeletingAsksFirstAndKeysConvert) {
    Launch();
    const std::pair<HWND, std::wstring_view> tips[] = {{go, L"第1项，共1项"},
                                                       {first, L"第一个"},
                                                       {back, L"上一个"},
                                                       {next, L"下一个"},
                                                       {last, L"最后一个"}};
    for (const auto& [button, tip] : tips)
        EXPECT_EQ(tooltipTextFor(program.pid(), button).value_or(L"<none>"), tip);
    const int tools = tooltipToolCount(program.pid());
    ASSERT_TRUE(typeText(content, L"one"));
    Command("PanelNew");
    ASSERT_TRUE(typeText(content, L"two"));
    Command("PanelNew");
    ASSERT_TRUE(click(back));
    ASSERT_TRUE(WaitPosition(L"2/3"));
    EXPECT_EQ(tooltipTextFor(program.pid(), go).value_or(L"<none>"), L"第2项，共3项");
    // Every refresh updates the one tip of the button rather than adding another.
    EXPECT_EQ(tooltipToolCount(program.pid()), tools);

    Program second;
    ASSERT_TRUE(second.start());
    ASSERT_TRUE(second.waitForExit().has_value()) << "the second instance kept running";
    EXPECT_TRUE(program.running());

    ASSERT_TRUE(click(first));
    ASSERT_TRUE(WaitPosition(L"1/3"));
    for (const int button : {IDNO, IDYES}) {
        ASSERT_TRUE(postCommand(main, MenuCommand("PanelDel")));
        HWND box = program.waitForDialog();
        ASSERT_TRUE(box);
        EXPECT_EQ(messageText(box), L"您确定要删除第1个面板吗？");
        ASSERT_TRUE(answer(box, button));
    }
    EXPECT_TRUE(WaitPosition(L"1/2"));
    EXPECT_TRUE(WaitContent(L"two"));

    // Function keys as the keyboard delivers them, through the queue and the accelerators.
    Command("PanelNew");
    ASSERT_TRUE(typeText(content, L"发展\r国语"));  // Enter gives CR LF
    for (const WPARAM key : {VK_F6, VK_F5}) {
        ASSERT_TRUE(post(content, WM_KEYDOWN, key, 1));
        ASSERT_TRUE(post(content, WM_KEYUP, key, 0xC0000001));
        EXPECT_TRUE(WaitContent(key == VK_F6 ? L"發展\r\n國語" : L"发展\r\n国语"));
    }
}

TEST_F(MainWindow, SettingsGoThroughTheRegistryAndOnlyAnEndWritesThem) {
    StoreSetting(L"ClipRate", L"250.5");
    StoreSetting(L"SoundFile", L"C:\\声音\\叮咚.wav");
    StoreSetting(L"Left", L"900000");
    StoreSetting(L"Top", L"-900000");
    Launch();
    // A window stored far off the screen comes back on it, its size kept.
    const RECT r = windowRect(main);
    EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= GetSystemMetrics(SM_CXSCREEN) &&
                r.bottom <= GetSystemMetrics(SM_CYSCREEN));
    EXPECT_EQ(r.right - r.left, 355);  // 5325 twips at 96 dpi

    // Esc and the close box only hide; the tray icon brings the window back.
    ASSERT_TRUE(typeText(content, L"hidden\x1b"));
    ASSERT_TRUE(poll([&] { return !isVisible(main); }));
    ASSERT_TRUE(Tray(WM_LBUTTONDBLCLK));
    ASSERT_TRUE(poll([&] { return isVisible(main); }));
    EXPECT_EQ(windowText(content), L"hidden");
    Hide();
    EXPECT_FALSE(program.waitForExit(500ms).has_value());
    EXPECT_EQ(Setting(L"Left"), L"900000");

    // A close from another program ends it.
    ASSERT_TRUE(post(main, WM_CLOSE, 0, 0));
    ASSERT_TRUE(program.waitForExit().has_value());
    EXPECT_EQ(Setting(L"ClipRate"), L"250");
    EXPECT_EQ(Setting(L"SoundFile"), L"C:\\声音\\叮咚.wav");
    EXPECT_EQ(Setting(L"Width"), L"5325");
    EXPECT_NE(Setting(L"Left"), L"900000");
    EXPECT_EQ(Setting(L"InitDir"), driverDirectory());
    EXPECT_EQ(regReadString(HKEY_LOCAL_MACHINE, L"Version").value_or(L""), L"1.10.0031");
}

TEST_F(MainWindow, EndingTheSessionWritesTheSettings) {
    Launch();
    Hide();
    ASSERT_TRUE(send(main, WM_QUERYENDSESSION, 0, 0).has_value());
    ASSERT_TRUE(post(main, WM_ENDSESSION, TRUE, 0));
    EXPECT_TRUE(poll([&] { return Setting(L"Height") == L"4560"; }));
}

// Bytes as the registry stores them: UTF-16, with a terminating NUL only where written.
std::string Utf16Bytes(std::wstring_view text) {
    return {reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t)};
}

// Wrong types, garbage, missing NULs and a huge path: the program starts, falls back value by
// value, and writes sane values at exit.
TEST_F(MainWindow, AnyRegistryContentsStartTheProgramAndExitWritesSaneValues) {
    const std::wstring hugePath = L"C:\\声音\\" + std::wstring(64 * 1024, L'叮') + L".wav";
    struct Stored {
        const wchar_t* name;
        DWORD type;
        std::string bytes;
        std::wstring afterExit;
    };
    const Stored cases[] = {
        {L"Left", REG_DWORD, std::string("\x07\0\0\0", 4), L"3255"},
        {L"Top", REG_BINARY, "\xff\xfe garbage", L"2355"},
        {L"Width", REG_EXPAND_SZ, Utf16Bytes({L"6000", 5}), L"5325"},
        {L"Height", REG_SZ, Utf16Bytes({L"-1e999", 7}), L"4560"},
        {L"QuickSave", REG_SZ, Utf16Bytes(L"FALSE"), L"False"},  // no terminating NUL
        {L"PlaySound", REG_SZ, Utf16Bytes({L"false\0true", 11}), L"False"},
        {L"GetClip", REG_MULTI_SZ, Utf16Bytes({L"False\0\0", 7}), L"True"},
        {L"AddSave", REG_SZ, "T\0r", L"False"},  // an odd number of bytes
        {L"ShowMain", REG_SZ, Utf16Bytes({L"yes", 4}), L"False"},
        {L"DelSaved", REG_NONE, "", L"False"},
        {L"ClipRate", REG_SZ, Utf16Bytes({L"250.5", 6}), L"250"},
        {L"Limit", REG_SZ, Utf16Bytes({L"  42abc", 8}), L"42"},
        {L"SoundFile", REG_SZ, Utf16Bytes({hugePath.c_str(), hugePath.size() + 1}), hugePath},
        {L"InitDir", REG_QWORD, std::string(8, '\x01'), driverDirectory()},
    };
    for (const Stored& c : cases)
        ASSERT_TRUE(regWriteRaw(HKEY_CURRENT_USER, c.name, c.type, c.bytes));
    Launch();
    Exit();
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_TRUE(Setting(cases[i].name) == cases[i].afterExit) << "case " << i;
    EXPECT_EQ(regReadString(HKEY_LOCAL_MACHINE, L"Version").value_or(L""), L"1.10.0031");
}

}  // namespace
}  // namespace e2e
