// The main window, its panels, start-up and shutdown, driven from outside.
#include <chrono>
#include <cstdio>

#include "PenWickFixture.h"

namespace e2e {
namespace {

using MainWindow = PenWick;

TEST_F(MainWindow, ASecondStartEndsAtOnceAndTheFirstKeepsItsPanels) {
    Launch();
    ASSERT_TRUE(typeText(content, L"第一个实例"));
    Command(u"面板(&P)", u"添加(&A)");
    ASSERT_TRUE(WaitPosition(L"2/2"));

    Program second;
    ASSERT_TRUE(second.start());
    const auto code = second.waitForExit();
    ASSERT_TRUE(code.has_value()) << "the second instance kept running";
    EXPECT_TRUE(second.windows().empty());

    EXPECT_TRUE(program.running());
    EXPECT_EQ(Position(), L"2/2");
    ASSERT_TRUE(click(first));
    EXPECT_TRUE(WaitContent(L"第一个实例"));
}

TEST_F(MainWindow, FirstStartWritesTheDefaultsAtExit) {
    Launch();
    Exit();
    EXPECT_EQ(Setting(L"Left"), L"3255");
    EXPECT_EQ(Setting(L"Top"), L"2355");
    EXPECT_EQ(Setting(L"Width"), L"5325");
    EXPECT_EQ(Setting(L"Height"), L"4560");
    EXPECT_EQ(Setting(L"QuickSave"), L"True");
    EXPECT_EQ(Setting(L"PlaySound"), L"True");
    EXPECT_EQ(Setting(L"GetClip"), L"True");
    EXPECT_EQ(Setting(L"AddSave"), L"False");
    EXPECT_EQ(Setting(L"ShowMain"), L"False");
    EXPECT_EQ(Setting(L"DelSaved"), L"False");
    EXPECT_EQ(Setting(L"ClipRate"), L"1000");
    EXPECT_EQ(Setting(L"Limit"), L"0");
    const std::wstring folder = driverDirectory();
    EXPECT_EQ(Setting(L"SoundFile"), folder + L"\\Add.wav");
    EXPECT_EQ(Setting(L"InitDir"), folder);
    EXPECT_EQ(regReadString(HKEY_LOCAL_MACHINE, L"Version").value_or(L""), L"1.10.0031");
    EXPECT_EQ(regReadString(HKEY_LOCAL_MACHINE, L"Path").value_or(L""), folder);
}

TEST_F(MainWindow, StoredSettingsSurviveARunAndBadOnesFallBack) {
    StoreSetting(L"ClipRate", L"250.5");
    StoreSetting(L"SoundFile", L"C:\\声音\\叮咚.wav");
    StoreSetting(L"GetClip", L"tRuE");
    ASSERT_TRUE(regWriteDword(HKEY_CURRENT_USER, L"Limit", 7));  // not a string: reads as absent
    Launch();
    Exit();
    EXPECT_EQ(Setting(L"ClipRate"), L"250");
    EXPECT_EQ(Setting(L"SoundFile"), L"C:\\声音\\叮咚.wav");
    EXPECT_EQ(Setting(L"GetClip"), L"True");
    EXPECT_EQ(Setting(L"Limit"), L"0");
}

TEST_F(MainWindow, PositionDisplayAndPagingButtons) {
    Launch();
    EXPECT_EQ(Position(), L"1/1");
    EXPECT_EQ(tooltipTextFor(program.pid(), go).value_or(L"<none>"), L"第1项，共1项");
    EXPECT_FALSE(isEnabled(first));
    EXPECT_FALSE(isEnabled(back));
    EXPECT_FALSE(isEnabled(next));
    EXPECT_FALSE(isEnabled(last));

    Command(u"面板(&P)", u"添加(&A)");
    Command(u"面板(&P)", u"添加(&A)");
    ASSERT_TRUE(WaitPosition(L"3/3"));
    EXPECT_TRUE(isEnabled(first));
    EXPECT_TRUE(isEnabled(back));
    EXPECT_FALSE(isEnabled(next));
    EXPECT_FALSE(isEnabled(last));
    ASSERT_TRUE(click(back));
    ASSERT_TRUE(WaitPosition(L"2/3"));
    EXPECT_TRUE(isEnabled(next) && isEnabled(back));
    EXPECT_EQ(tooltipTextFor(program.pid(), go).value_or(L"<none>"), L"第2项，共3项");
    // Every refresh updates the one tip of the button rather than adding another.
    int tools = 0;
    for (HWND tip : tooltipWindows(program.pid()))
        for (const Tool& tool : tooltipTools(tip))
            tools += tool.id == reinterpret_cast<UINT_PTR>(go);
    EXPECT_EQ(tools, 1);
}

TEST_F(MainWindow, DeletingAsksFirst) {
    Launch();
    ASSERT_TRUE(typeText(content, L"one"));
    Command(u"面板(&P)", u"添加(&A)");
    ASSERT_TRUE(typeText(content, L"two"));
    ASSERT_TRUE(click(first));
    ASSERT_TRUE(WaitPosition(L"1/2"));

    ASSERT_TRUE(postCommand(main, MenuCommand(u"面板(&P)", u"删除(&D)")));
    HWND box = program.waitForDialog();
    ASSERT_TRUE(box);
    EXPECT_EQ(messageText(box), L"您确定要删除第1个面板吗？");
    ASSERT_TRUE(answer(box, IDNO));
    EXPECT_EQ(Position(), L"1/2");
    EXPECT_EQ(windowText(content), L"one");

    ASSERT_TRUE(postCommand(main, MenuCommand(u"面板(&P)", u"删除(&D)")));
    box = program.waitForDialog();
    ASSERT_TRUE(box);
    ASSERT_TRUE(answer(box, IDYES));
    EXPECT_TRUE(WaitPosition(L"1/1"));
    EXPECT_TRUE(WaitContent(L"two"));
}

TEST_F(MainWindow, TypingIsKeptWhenPagingAwayAndBack) {
    Launch();
    ASSERT_TRUE(typeText(content, L"甲乙\r丙"));
    Command(u"面板(&P)", u"添加(&A)");
    ASSERT_TRUE(WaitContent(L""));
    ASSERT_TRUE(typeText(content, L"second"));
    Command(u"转到(&G)", u"第一个(&F)");
    EXPECT_TRUE(WaitContent(L"甲乙\r\n丙"));
    ASSERT_TRUE(click(next));
    EXPECT_TRUE(WaitContent(L"second"));
}

TEST_F(MainWindow, AFiveMegabyteTextIsNeitherCutNorLost) {
    StoreSetting(L"GetClip", L"False");
    Launch();
    std::wstring big;
    big.reserve(5 * 1024 * 1024 + 16);
    for (std::size_t i = 0; big.size() < 5 * 1024 * 1024; ++i) {
        big += L"第" + std::to_wstring(i) + L"行 text\r\n";
    }
    ASSERT_TRUE(setClipboardText(big));
    const auto t0 = std::chrono::steady_clock::now();
    ASSERT_TRUE(send(content, WM_PASTE, 0, 0, 120s).has_value());
    const auto t1 = std::chrono::steady_clock::now();
    ASSERT_TRUE(sendCommand(main, MenuCommand(u"面板(&P)", u"添加(&A)"), 120s));
    ASSERT_TRUE(sendCommand(main, MenuCommand(u"转到(&G)", u"第一个(&F)"), 120s));
    const auto t2 = std::chrono::steady_clock::now();
    ASSERT_TRUE(WaitPosition(L"1/2"));
    using ms = std::chrono::milliseconds;
    std::printf("5 MB: paste %lld ms, page away and back %lld ms\n",
                static_cast<long long>(std::chrono::duration_cast<ms>(t1 - t0).count()),
                static_cast<long long>(std::chrono::duration_cast<ms>(t2 - t1).count()));
    const std::wstring back = CopyContent();
    EXPECT_EQ(back.size(), big.size());
    EXPECT_TRUE(back == big) << "the text came back changed";
}

TEST_F(MainWindow, TheCloseBoxHidesAndTheProgramKeepsRunning) {
    Launch();
    ASSERT_TRUE(typeText(content, L"hidden"));
    Hide();
    EXPECT_FALSE(program.waitForExit(500ms).has_value());
    // A double-click on the tray icon brings it back with its panel.
    ASSERT_TRUE(post(main, 1066, 61860, WM_LBUTTONDBLCLK));
    ASSERT_TRUE(poll([&] { return isVisible(main); }));
    EXPECT_EQ(windowText(content), L"hidden");
    EXPECT_EQ(Setting(L"Left"), L"<missing>");  // nothing was written: only hidden
}

TEST_F(MainWindow, EscapeHidesTheWindow) {
    Launch();
    ASSERT_TRUE(typeText(content, L"abc\x1b"));
    ASSERT_TRUE(poll([&] { return !isVisible(main); }));
    EXPECT_EQ(windowText(content), L"abc");
    EXPECT_TRUE(program.running());
}

TEST_F(MainWindow, ExitFromTheTrayMenuWritesTheSettingsAndEnds) {
    StoreSetting(L"ClipRate", L"-40");
    Launch();
    ASSERT_TRUE(postCommand(main, MenuCommand(u"Tray", u"退出(&Q)")));
    ASSERT_TRUE(program.waitForExit().has_value());
    EXPECT_EQ(Setting(L"ClipRate"), L"-40");
    EXPECT_EQ(Setting(L"Width"), L"5325");
}

TEST_F(MainWindow, EndingTheSessionWritesTheSettings) {
    Launch();
    Hide();
    ASSERT_TRUE(send(main, WM_QUERYENDSESSION, 0, 0).has_value());
    ASSERT_TRUE(post(main, WM_ENDSESSION, TRUE, 0));
    ASSERT_TRUE(poll([&] { return Setting(L"DelSaved") == L"False"; }));
    EXPECT_EQ(Setting(L"Height"), L"4560");
}

TEST_F(MainWindow, ACloseFromAnotherProgramEndsIt) {
    Launch();
    ASSERT_TRUE(post(main, WM_CLOSE, 0, 0));
    ASSERT_TRUE(program.waitForExit().has_value());
    EXPECT_EQ(Setting(L"Top"), L"2355");
}

TEST_F(MainWindow, AWindowStoredFarOffScreenComesBackOnIt) {
    StoreSetting(L"Left", L"900000");
    StoreSetting(L"Top", L"-900000");
    Launch();
    const RECT r = windowRect(main);
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN),
              screenHeight = GetSystemMetrics(SM_CYSCREEN);
    EXPECT_GE(r.left, 0);
    EXPECT_GE(r.top, 0);
    EXPECT_LE(r.right, screenWidth);
    EXPECT_LE(r.bottom, screenHeight);
    EXPECT_EQ(r.right - r.left, 355);  // 5325 twips at 96 dpi, kept
}

}  // namespace
}  // namespace e2e
