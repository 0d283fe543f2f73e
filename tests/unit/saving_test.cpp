#include "MainFixture.h"

namespace pw::testing {
namespace {

using Answers = std::vector<std::optional<std::u16string>>;
using Texts = std::vector<std::u16string>;

constexpr char16_t kFile[] = u"C:\\d\\f.txt";

class SavingTest : public MainFixture {
  public:
    // A new run on fresh files and dialogs, with these save settings and panels "1".."n".
    void Restart(bool addSave, bool quickSave, bool delSaved, int panels) {
        ui = {};
        files = {};
        fileDialog = {};
        Start();
        state.settings.AddSave = addSave;
        state.settings.QuickSave = quickSave;
        state.settings.DelSaved = delSaved;
        if (panels > 0) MakePanels(panels);
    }
    void Save(std::string_view command, Answers answers) {
        fileDialog.answers.assign(answers.begin(), answers.end());
        Command(command);
    }
    Texts PanelTexts() const {
        Texts texts;
        for (int i = 1; i <= state.Panels.count(); ++i) texts.push_back(state.Panels.text(i));
        return texts;
    }
};

// Each kind of old file is appended to in its own encoding, its bytes kept but for the line ends
// added; a text the code page cannot hold, or whose code-page bytes would read back as another
// encoding, goes as UTF-8 with a mark. The file-bytes fuzz target pins the old lines on any
// bytes; here the layout it cannot see: the panels and the blank lines between them.
TEST_F(SavingTest, FilesHoldTheirLayoutByteForByte) {
    // Command, append mode, panels "1".."n" (0: the empty one of a start), what is typed after,
    // the old file (none: no file) and the file after.
    using Old = std::optional<std::string>;
    using namespace std::string_literals;
    const std::tuple<const char*, bool, int, std::u16string_view, Old, std::string> cases[] = {
        {"SaveCurrent", false, 1, u"", "old", "1\r\n"},
        {"SaveAll", true, 3, u"", std::nullopt, "1\r\n\r\n2\r\n\r\n3\r\n"},
        // 中 in the code page, then a lone CR
        {"SaveAll", true, 1, u"é", "\x90Q\r", "\xEF\xBB\xBF\xE4\xB8\xAD\r\n\r\n1\xC3\xA9\r\n"},
        {"SaveCurrent", true, 1, u"é", "\xEF\xBB\xBFx", "\xEF\xBB\xBFx\r\n\r\n1\xC3\xA9\r\n"},
        {"SaveAll", true, 1, u"é", "\xC3\xA9\n", "\xC3\xA9\n\r\n\r\n1\xC3\xA9\r\n"},
        {"SaveAll", true, 1, u"é", "\xFF\xFE\r\r\0 \r\0"s,
         "\xFF\xFE\r\r\0 \r\0\n\0\r\0\n\0\x31\0\xE9\0\r\0\n\0"s},
        {"SaveAll", true, 1, u"é", "\xFE\xFF\0x"s,
         "\xFE\xFF\0x\0\r\0\n\0\r\0\n\0\x31\0\xE9\0\r\0\n"s},
        // In the code page these would be EF BB BF 40: a UTF-8 mark.
        {"SaveCurrent", false, 0, u"锘\u70FE", std::nullopt,
         "\xEF\xBB\xBF\xE9\x94\x98\xE7\x83\xBE\r\n"},
    };
    for (const auto& [command, addSave, panels, typed, old, expected] : cases) {
        SCOPED_TRACE(::testing::PrintToString(expected));
        Restart(addSave, false, false, panels);
        content().type(typed);
        if (old) files.files[kFile] = *old;
        Save(command, {kFile});
        EXPECT_EQ(files.files[kFile], expected);
        EXPECT_TRUE(ui.shown.empty());
    }
}

TEST_F(SavingTest, AFileThatCannotBeWrittenIsReportedAndItsPanelsStay) {
    using Fault = void (*)(fake::FakeFiles&);
    const std::pair<const char*, Fault> cases[] = {
        {"SaveCurrent", [](fake::FakeFiles& f) { f.readOnly.insert(kFile); }},
        {"SaveAll", [](fake::FakeFiles& f) { f.unreadable.insert(kFile); }},
    };
    for (const auto& [command, fault] : cases) {
        Restart(true, false, true, 2);
        files.files[kFile] = "old";
        fault(files);
        const std::string before = files.files[kFile];
        Save(command, {kFile});
        EXPECT_EQ(files.files[kFile], before);
        EXPECT_EQ(PanelTexts(), (Texts{u"1", u"2"}));
        EXPECT_EQ(state.settings.InitDir, u"C:\\PenWick");
        ASSERT_EQ(ui.shown.size(), 1u);
        EXPECT_EQ(ui.shown[0].text, u"无法写入文件C:\\d\\f.txt！");
        EXPECT_EQ(ui.shown[0].icon, MsgIcon::Exclamation);
    }
}

// Three panels, the second on show; a row per command and settings, with the first dialog's
// title and what is left after the files chosen (kNo: cancelled) are written. The read-only
// kLocked is also the third file of a quick save to kFile; kHuge runs out of memory.
TEST_F(SavingTest, EachCommandAsksWithItsTitleAndRemovesOnlyWhatItWrote) {
    constexpr std::nullopt_t kNo = std::nullopt;
    constexpr char16_t kLocked[] = u"C:\\d\\f03.txt", kHuge[] = u"C:\\d\\huge.txt";
    const Texts kAll{u"1", u"2", u"3"};
    // Command, append and quick mode, the files chosen, the first dialog's title, the panels left
    // and the messages shown.
    const std::tuple<const char*, bool, bool, Answers, std::u16string_view, Texts, std::size_t>
        cases[] = {
            {"SaveCurrent", false, false, {kNo}, u"保存第2个面板", kAll, 0},
            {"SaveCurrent", true, false, {kNo}, u"保存第2个面板 - 追加保存", kAll, 0},
            {"SaveAll", true, true, {kFile}, u"保存所有面板 - 追加保存", {u""}, 0},
            {"SaveAll", true, false, {kNo}, u"保存所有面板 - 追加保存", kAll, 0},
            {"SaveAll", false, true, {kNo}, u"保存所有面板 - 快速保存", kAll, 0},
            {"SaveAll", false, true, {kFile}, u"保存所有面板 - 快速保存", {u"3"}, 1},
            {"SaveAll", false, false, {kFile, kFile, kNo}, u"保存第1个面板", {u"3"}, 0},
            {"SaveAll", false, false, {kNo, kNo, kNo}, u"保存第1个面板", kAll, 0},
            {"SaveAll", false, false, {kFile, kHuge, kFile}, u"保存第1个面板", {u"2"}, 1},
        };
    for (const auto& [command, addSave, quickSave, answers, title, left, messages] : cases) {
        Restart(addSave, quickSave, true, 3);
        files.readOnly.insert(kLocked);
        files.huge.insert(kHuge);
        control("cmdBack").click();
        Save(command, answers);
        const FileDialogRequest& r = fileDialog.requests.at(0);
        EXPECT_EQ(r.title, title);
        // Only a file chosen for one panel and replaced asks before replacing.
        EXPECT_EQ(r.promptReplace, !addSave && !quickSave);
        EXPECT_TRUE(r.save && !r.mustExist && r.fileName.empty());
        EXPECT_EQ(r.initialFolder, u"C:\\PenWick");
        EXPECT_EQ(PanelTexts(), left);
        EXPECT_EQ(position(), left.size() == 3 ? u"2/3" : u"1/1");
        EXPECT_EQ(ui.shown.size(), messages);
        EXPECT_EQ(state.settings.InitDir, answers[0] ? u"C:\\d" : u"C:\\PenWick");
    }
}

TEST_F(SavingTest, SaveCurrentRemovesThePanelUnderDelSaved) {
    // DelSaved, panels, the one on show, and what shows after the save.
    const std::tuple<bool, int, int, std::u16string_view, std::u16string_view> cases[] = {
        {true, 4, 2, u"2/3", u"3"},
        {true, 4, 4, u"3/3", u"3"},
        {true, 1, 1, u"1/1", u""},
        {false, 4, 2, u"2/4", u"2"},
    };
    for (const auto& [delSaved, count, current, shownAt, shown] : cases) {
        Restart(false, false, delSaved, count);
        for (int i = count; i > current; --i) control("cmdBack").click();
        Save("SaveCurrent", {kFile});
        EXPECT_EQ(position(), shownAt);
        EXPECT_EQ(content().text(), shown);
    }
}

// Declining, and a cancelled new name, are shown on the real dialogs.
TEST_F(SavingTest, QuickSaveNumbersTheFilesAndAsksBeforeReplacingOne) {
    Restart(false, true, true, 12);
    files.files[u"C:\\n\\m02.txt"] = "old";
    ui.answers = {MsgResult::Yes};
    control("cmdFirst").click();
    Save("SaveAll", {u"C:\\n\\m.txt", u"C:\\n\\other.txt"});
    EXPECT_EQ(files.files.size(), 13u);
    EXPECT_EQ(files.files[u"C:\\n\\m09.txt"], "9\r\n");
    EXPECT_EQ(files.files[u"C:\\n\\m12.txt"], "2\r\n");
    EXPECT_EQ(files.files[u"C:\\n\\other.txt"], "2\r\n");
    EXPECT_EQ(files.files[u"C:\\n\\m02.txt"], "old");
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, u"文件C:\\n\\m02.txt已存在，您要更换文件名吗？");
    EXPECT_EQ(ui.shown[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(ui.shown[0].icon, MsgIcon::Question);
    EXPECT_EQ(fileDialog.requests.at(1).title, u"保存一个面板");
    EXPECT_EQ(position(), u"1/1");
    EXPECT_EQ(content().text(), u"");

    Restart(false, true, false, 0);
    Save("SaveAll", {u"C:\\n\\memo"});
    EXPECT_TRUE(files.files.contains(u"C:\\n\\memo01."));
}

TEST_F(SavingTest, APanelAddedOrOptionsAppliedDuringTheLoopChangeNothingOfIt) {
    Restart(false, false, true, 2);
    control("cmdFirst").click();
    files.files[u"C:\\d\\1"] = "old";
    fileDialog.whileOpen = [this] {
        fileDialog.whileOpen = nullptr;
        Command("TrayAdd");
        content().paste(u"new");
        // Options applied meanwhile wait for the next command.
        state.settings.AddSave = true;
        state.settings.DelSaved = false;
    };
    Save("SaveAll", {u"C:\\d\\1", std::nullopt, u"C:\\d\\3"});
    ASSERT_EQ(fileDialog.requests.size(), 2u);
    EXPECT_EQ(files.files[u"C:\\d\\1"], "1\r\n");
    // The next dialog opens where the last file went, without offering its name again.
    EXPECT_EQ(fileDialog.requests[1].initialFolder, u"C:\\d");
    EXPECT_EQ(fileDialog.requests[1].fileName, u"");
    EXPECT_EQ(PanelTexts(), (Texts{u"2", u"new"}));
    EXPECT_EQ(position(), u"1/2");
    EXPECT_EQ(content().text(), u"2");
}

}  // namespace
}  // namespace pw::testing
