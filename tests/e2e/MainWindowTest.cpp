// The main window, start-up and shutdown, driven from outside.
#include <tuple>

#include "Harness.h"

namespace e2e {
namespace {

using MainWindow = PenWick;

// Wrong types, garbage, missing NULs, a huge path and a window far off the screen: the program
// starts, from another folder, falls back value by value, and only an end writes sane values,
// with the window's normal placement whatever it went through.
TEST_F(MainWindow, AnyRegistryContentsStartTheProgramAndOnlyAnEndWritesSaneValues) {
    const std::wstring hugePath = L"C:\\声音\\" + std::wstring(64 * 1024, L'叮') + L".wav";
    // Name, type, bytes stored, and the value after an end.
    const std::tuple<const wchar_t*, DWORD, std::string, std::wstring> cases[] = {
        {L"Left", REG_SZ, utf16Bytes({L"900000", 7}), L"600"},
        {L"Top", REG_BINARY, "\xff\xfe garbage", L"450"},
        {L"Width", REG_EXPAND_SZ, utf16Bytes({L"9000", 5}), L"6000"},
        {L"Height", REG_SZ, utf16Bytes({L"-1e999", 7}), L"4800"},
        {L"QuickSave", REG_SZ, utf16Bytes(L"FALSE"), L"False"},  // no terminating NUL
        {L"PlaySound", REG_SZ, utf16Bytes({L"false\0true", 11}), L"False"},
        {L"GetClip", REG_MULTI_SZ, utf16Bytes({L"False\0\0", 7}), L"True"},
        {L"AddSave", REG_SZ, "T\0r", L"False"},  // an odd number of bytes
        {L"ShowMain", REG_DWORD, std::string("\x01\0\0\0", 4), L"False"},
        {L"SoundFile", REG_SZ, utf16Bytes({hugePath.c_str(), hugePath.size() + 1}), hugePath},
        {L"InitDir", REG_QWORD, std::string(8, '\x01'), driverDirectory()},
    };
    for (const auto& [name, type, bytes, afterEnd] : cases)
        ASSERT_TRUE(regWrite(name, type, bytes));
    Launch(L"C:\\");  // the program's folder is still where it lies
    // Far right of every monitor, the window comes back to the work area's right edge, in the
    // first start's size (at 96 dpi).
    const RECT r = windowRect(main);
    RECT work{};
    EXPECT_TRUE(SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0) && r.right == work.right &&
                r.top >= work.top && r.bottom <= work.bottom);
    EXPECT_TRUE(r.right - r.left == 355 && r.bottom - r.top == 304);
    // The frame does not shrink below 2895 x 3000 twips.
    SetWindowPos(main, nullptr, 0, 0, 60, 60, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(poll([&] {
        const RECT m = windowRect(main);
        return m.right - m.left == 193 && m.bottom - m.top == 200;
    }));

    // Minimised from maximised, by Esc and by the close box the window only hides; the tray
    // icon brings it back in the normal state.
    SetWindowPos(main, nullptr, 40, 30, 400, 320, SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(post(main, WM_SYSCOMMAND, SC_MAXIMIZE));
    ASSERT_TRUE(poll([&] { return IsZoomed(main) != FALSE; }));
    const std::tuple<HWND, UINT, WPARAM> hides[] = {{main, WM_SYSCOMMAND, SC_MINIMIZE},
                                                    {content, WM_CHAR, VK_ESCAPE},
                                                    {main, WM_SYSCOMMAND, SC_CLOSE}};
    for (const auto& [window, message, wParam] : hides) {
        ASSERT_TRUE(post(window, message, wParam));
        ASSERT_TRUE(poll([&] { return !IsWindowVisible(main); }));
        ASSERT_TRUE(Tray(WM_LBUTTONDBLCLK));
        ASSERT_TRUE(
            poll([&] { return IsWindowVisible(main) && !IsIconic(main) && !IsZoomed(main); }));
    }
    EXPECT_EQ(Setting(L"Left"), L"900000");

    // Ending the session ends the program like any other end.
    ASSERT_TRUE(send(main, WM_QUERYENDSESSION));
    ASSERT_TRUE(post(main, WM_ENDSESSION, TRUE));
    ASSERT_TRUE(poll([] { return Setting(L"Version", HKEY_LOCAL_MACHINE) == L"1.10.0031"; }));
    for (const auto& [name, type, bytes, afterEnd] : cases)
        EXPECT_TRUE(Setting(name) == afterEnd) << name;
}

}  // namespace
}  // namespace e2e
