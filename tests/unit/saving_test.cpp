#include "MainFixture.h"
#include "saving/Paths.h"

namespace pw::testing {
namespace {

using namespace std::string_literals;
using Answers = std::vector<std::optional<std::u16string>>;

TEST(PathRoutines, SplitAPath) {
    const struct {
        std::u16string_view path, folder, name, base, extension;
    } cases[] = {
        {u"C:\\notes\\memo.txt", u"C:\\notes", u"memo.txt", u"memo", u"txt"},
        {u"C:\\memo.txt", u"C:", u"memo.txt", u"memo", u"txt"},
        {u"memo.txt", u"", u"memo.txt", u"memo", u"txt"},
        {u"\\memo.txt", u"", u"memo.txt", u"memo", u"txt"},
        {u"C:\\notes\\", u"C:\\notes", u"", u"", u""},
        {u"C:\\my.dir\\readme", u"C:\\my.dir", u"readme", u"readme", u""},
        {u"C:\\a\\b.c.txt", u"C:\\a", u"b.c.txt", u"b.c", u"txt"},
        {u"C:\\a\\.txt", u"C:\\a", u".txt", u"", u"txt"},
        {u"C:\\a\\memo.", u"C:\\a", u"memo.", u"memo", u""},
        {u"", u"", u"", u"", u""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FolderOf(c.path), c.folder);
        EXPECT_EQ(FileNameOf(c.path), c.name);
        EXPECT_EQ(BaseNameOf(c.path), c.base);
        EXPECT_EQ(ExtensionOf(c.path), c.extension);
    }
}

class SavingTest : public MainFixture {
  public:
    void Start(bool addSave, bool quickSave, bool delSaved) {
        MainFixture::Start();
        state.settings.AddSave = addSave;
        state.settings.QuickSave = quickSave;
        state.settings.DelSaved = delSaved;
    }
    // Panels with these texts, the last one on show.
    void Fill(const std::vector<std::u16string>& texts) {
        content().paste(texts[0]);
        for (std::size_t i = 1; i < texts.size(); ++i) {
            Command("PanelNew");
            content().paste(texts[i]);
        }
    }
    void Save(std::string_view command, Answers answers) {
        fileDialog.answers.assign(answers.begin(), answers.end());
        form().menu(command).click();
    }
    std::vector<std::u16string> PanelTexts() const {
        std::vector<std::u16string> texts;
        for (int i = 1; i <= state.Panels.count(); ++i) texts.push_back(state.Panels.text(i));
        return texts;
    }
};

constexpr char16_t kFile[] = u"C:\\d\\f.txt";

TEST_F(SavingTest, FilesHoldTheirLayoutByteForByte) {
    const std::string bom = "\xEF\xBB\xBF";
    const struct {
        const char* command;
        bool addSave;
        std::vector<std::u16string> panels;
        std::optional<std::string> old;
        std::string expected;
    } cases[] = {
        {"SaveCurrent", false, {u"abc"}, "old", "abc\r\n"},
        {"SaveCurrent", true, {u"abc"}, "x\r\n", "x\r\n\r\nabc\r\n"},
        {"SaveCurrent", true, {u"abc"}, "", "\r\n\r\nabc\r\n"},
        {"SaveAll", true, {u"a", u"b", u"c"}, std::nullopt, "a\r\n\r\nb\r\n\r\nc\r\n"},
        {"SaveAll", true, {u""}, std::nullopt, "\r\n"},
        {"SaveAll", true, {u"a", u"b"}, "x\r\ny", "x\r\ny\r\n\r\na\r\n\r\nb\r\n"},
        {"SaveAll", true, {u"a"}, "x\ny\n", "x\ny\n\r\n\r\na\r\n"},
        {"SaveAll", true, {u"a"}, "x\ry\r\r\n", "x\r\ny\r\n\r\n\r\na\r\n"},
        {"SaveAll", true, {u"a"}, "\0z\x1A"s, "\0z\x1A\r\n\r\na\r\n"s},
        {"SaveCurrent", false, {u"caf\u00e9"}, std::nullopt, "caf\xE9\r\n"},
        {"SaveCurrent", false, {u"中文"}, std::nullopt, bom + "\xE4\xB8\xAD\xE6\x96\x87\r\n"},
        {"SaveCurrent",
         false,
         {u"\U0001F600\xD800"},
         std::nullopt,
         bom + "\xF0\x9F\x98\x80\xED\xA0\x80\r\n"},
        {"SaveCurrent", true, {u"a"}, bom + "\xC3\xA9", bom + "\xC3\xA9\r\n\r\na\r\n"},
        {"SaveCurrent", true, {u"中"}, "\xE9\r\n", bom + "\xC3\xA9\r\n\r\n\xE4\xB8\xAD\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.expected));
        ui = {};
        files.files.clear();
        if (c.old) files.files[kFile] = *c.old;
        Start(c.addSave, false, false);
        Fill(c.panels);
        Save(c.command, {kFile});
        EXPECT_EQ(files.files[kFile], c.expected);
        EXPECT_TRUE(ui.shown.empty());
    }
}

TEST_F(SavingTest, AFileThatCannotBeWrittenIsReportedAndItsPanelsStay) {
    const struct {
        const char* command;
        std::function<void(fake::FakeFiles&)> fault;
        std::u16string panel = u"abc";
    } cases[] = {
        {"SaveCurrent", [](fake::FakeFiles& f) { f.freeBytes = 2; }},
        {"SaveCurrent", [](fake::FakeFiles& f) { f.readOnly.insert(kFile); }},
        {"SaveCurrent", [](fake::FakeFiles& f) { f.missingFolders.insert(u"C:\\d"); }},
        {"SaveAll", [](fake::FakeFiles& f) { f.unreadable.insert(kFile); }},
        // An old ANSI file that the code page cannot read back cannot become UTF-8 whole.
        {"SaveAll", [](fake::FakeFiles& f) { f.files[kFile] = "\x81"; }, u"中"},
    };
    for (const auto& c : cases) {
        ui = {};
        files = {};
        files.files[kFile] = "old";
        c.fault(files);
        const std::string before = files.files[kFile];
        Start(true, false, true);
        Fill({u"x", c.panel});
        Save(c.command, {kFile});
        EXPECT_EQ(files.files[kFile], before);
        EXPECT_EQ(PanelTexts(), (std::vector<std::u16string>{u"x", c.panel}));
        EXPECT_EQ(state.settings.InitDir, u"C:\\PenWick");
        ASSERT_EQ(ui.shown.size(), 1u);
        EXPECT_EQ(ui.shown[0].text, u"无法写入文件C:\\d\\f.txt！");
        EXPECT_EQ(ui.shown[0].icon, MsgIcon::Exclamation);
    }
}

TEST_F(SavingTest, EachCommandAsksWithItsTitleAndACancelChangesNothing) {
    const struct {
        bool addSave, quickSave;
        const char* command;
        std::u16string_view title;
        bool promptReplace;
    } cases[] = {
        {false, false, "SaveCurrent", u"保存第3个面板", true},
        {true, false, "SaveCurrent", u"保存第3个面板 - 追加保存", false},
        {false, true, "SaveAll", u"保存所有面板 - 快速保存", false},
        {true, true, "SaveAll", u"保存所有面板 - 追加保存", false},
        {false, false, "SaveAll", u"保存第1个面板", true},
    };
    for (const auto& c : cases) {
        fileDialog.requests.clear();
        Start(c.addSave, c.quickSave, true);
        MakePanels(5);
        control("cmdBack").click();
        control("cmdBack").click();
        Save(c.command, {});
        const FileDialogRequest& r = fileDialog.requests.at(0);
        EXPECT_EQ(r.title, c.title);
        EXPECT_EQ(r.promptReplace, c.promptReplace);
        EXPECT_TRUE(r.save && !r.mustExist && r.fileName.empty());
        EXPECT_EQ(r.filter.at(0).first, u"文本文件(*.txt)");
        EXPECT_EQ(r.initialFolder, u"C:\\PenWick");
        EXPECT_EQ(position(), u"3/5");
        EXPECT_TRUE(files.files.empty());
    }
}

TEST_F(SavingTest, TheNextDialogOpensWhereTheLastFileWasWritten) {
    Start(false, false, false);
    Save("SaveCurrent", {u"C:\\notes\\a.txt"});
    Save("SaveCurrent", {});
    EXPECT_EQ(fileDialog.requests.at(1).initialFolder, u"C:\\notes");
    EXPECT_EQ(fileDialog.requests[1].fileName, u"");
}

TEST_F(SavingTest, SaveCurrentRemovesThePanelUnderDelSaved) {
    const struct {
        bool delSaved;
        int count, current;
        std::u16string_view position, shown;
    } cases[] = {
        {true, 4, 2, u"2/3", u"3"},
        {true, 4, 4, u"3/3", u"3"},
        {true, 1, 1, u"1/1", u""},
        {false, 4, 2, u"2/4", u"2"},
    };
    for (const auto& c : cases) {
        Start(false, false, c.delSaved);
        MakePanels(c.count);
        state.Panels.setCurrent(c.current);
        main->ShowPanel();
        Save("SaveCurrent", {kFile});
        EXPECT_EQ(position(), c.position);
        EXPECT_EQ(content().text(), c.shown);
    }
}

TEST_F(SavingTest, QuickSaveNumbersTheFilesAfterTheChosenName) {
    Start(false, true, true);
    MakePanels(12);
    control("cmdFirst").click();
    Save("SaveAll", {u"C:\\notes\\memo.txt"});
    EXPECT_EQ(files.files.size(), 12u);
    EXPECT_EQ(files.files[u"C:\\notes\\memo09.txt"], "9\r\n");
    EXPECT_EQ(files.files[u"C:\\notes\\memo12.txt"], "2\r\n");
    EXPECT_EQ(position(), u"1/1");
    EXPECT_EQ(content().text(), u"");

    Start(false, true, false);
    Save("SaveAll", {u"C:\\n\\memo"});
    EXPECT_TRUE(files.files.contains(u"C:\\n\\memo01."));
}

TEST_F(SavingTest, QuickSaveAsksBeforeReplacingANumberedFile) {
    const struct {
        MsgResult answer;
        Answers rename;
        std::u16string_view writtenTo;
    } cases[] = {
        {MsgResult::No, {}, u"C:\\n\\m02.txt"},
        {MsgResult::Yes, {std::nullopt}, u"C:\\n\\m02.txt"},
        {MsgResult::Yes, {u"C:\\n\\other.txt"}, u"C:\\n\\other.txt"},
    };
    for (const auto& c : cases) {
        ui = {};
        files = {};
        fileDialog.requests.clear();
        files.files[u"C:\\n\\m02.txt"] = "old";
        ui.answers = {c.answer};
        Start(false, true, false);
        MakePanels(3);
        Answers answers{u"C:\\n\\m.txt"};
        answers.insert(answers.end(), c.rename.begin(), c.rename.end());
        Save("SaveAll", answers);
        ASSERT_EQ(ui.shown.size(), 1u);
        EXPECT_EQ(ui.shown[0].text, u"文件C:\\n\\m02.txt已存在，您要更换文件名吗？");
        EXPECT_EQ(ui.shown[0].buttons, MsgButtons::YesNo);
        EXPECT_EQ(ui.shown[0].icon, MsgIcon::Question);
        EXPECT_EQ(files.files[std::u16string(c.writtenTo)], "2\r\n");
        EXPECT_EQ(files.files[u"C:\\n\\m03.txt"], "3\r\n");
        EXPECT_EQ(fileDialog.requests.back().title,
                  c.rename.empty() ? u"保存所有面板 - 快速保存" : u"保存一个面板");
    }
}

TEST_F(SavingTest, SaveAllRemovesOnlyWhatItWrote) {
    const struct {
        bool addSave, quickSave;
        Answers answers;
        std::vector<std::u16string> left;
        std::u16string_view position;
        std::size_t messages = 0;
    } cases[] = {
        {true, false, {u"C:\\d\\all.txt"}, {u""}, u"1/1"},
        {true, false, {std::nullopt}, {u"1", u"2", u"3"}, u"2/3"},
        {false, true, {std::nullopt}, {u"1", u"2", u"3"}, u"2/3"},
        {false, true, {u"C:\\d\\f.txt"}, {u"3"}, u"1/1", 1},  // f03.txt is read-only
        {false, false, {u"C:\\d\\1", u"C:\\d\\2", std::nullopt}, {u"3"}, u"1/1"},
        {false, false, {std::nullopt, std::nullopt, std::nullopt}, {u"1", u"2", u"3"}, u"2/3"},
        {false, false, {u"C:\\d\\1", u"C:\\d\\f03.txt", u"C:\\d\\3"}, {u"2"}, u"1/1", 1},
    };
    for (const auto& c : cases) {
        ui = {};
        files = {};
        files.readOnly.insert(u"C:\\d\\f03.txt");
        fileDialog.requests.clear();
        Start(c.addSave, c.quickSave, true);
        MakePanels(3);
        control("cmdBack").click();
        Save("SaveAll", c.answers);
        EXPECT_EQ(PanelTexts(), c.left);
        EXPECT_EQ(position(), c.position);
        EXPECT_EQ(ui.shown.size(), c.messages);
        EXPECT_EQ(state.settings.InitDir, c.answers[0] ? u"C:\\d" : u"C:\\PenWick");
    }
}

TEST_F(SavingTest, APanelAddedDuringTheLoopIsNeitherSavedNorRemoved) {
    Start(false, false, true);
    Fill({u"1", u"2"});
    control("cmdFirst").click();
    fileDialog.whileOpen = [this] {
        fileDialog.whileOpen = nullptr;
        form().menu("TrayAdd").click();
        content().paste(u"new");
    };
    Save("SaveAll", {u"C:\\d\\1", std::nullopt, u"C:\\d\\3"});
    EXPECT_EQ(fileDialog.requests.size(), 2u);
    EXPECT_EQ(PanelTexts(), (std::vector<std::u16string>{u"2", u"new"}));
    EXPECT_EQ(position(), u"1/2");
    EXPECT_EQ(content().text(), u"2");
}

}  // namespace
}  // namespace pw::testing
