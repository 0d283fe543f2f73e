#include "saving/SaveCommands.h"

#include "platform/Identity.h"
#include "saving/Paths.h"
#include "saving/TextFile.h"
#include "settings/NumberText.h"

namespace pw {

namespace {

constexpr std::u16string_view kFilter = u"文本文件(*.txt)|*.txt|所有文件|*.*";

}  // namespace

SaveCommands::SaveCommands(PanelStore& panels, Settings& settings, Form* owner,
                           const SaveServices& services, std::function<void()> showPanel)
    : panels_(panels),
      settings_(settings),
      owner_(owner),
      os_(services),
      showPanel_(std::move(showPanel)),
      dialog_(services.dialogs, owner, kFilter) {}

void SaveCommands::TakeMode() {
    append_ = settings_.AddSave;
    delSaved_ = settings_.DelSaved;
}

void SaveCommands::SaveCurrent_Click() {
    TakeMode();
    SaveOne(panels_.current(), true);
    buffer_ = {};
}

void SaveCommands::SaveAll_Click() {
    TakeMode();
    if (append_)
        AppendAll();
    else if (settings_.QuickSave)
        QuickSaveAll();
    else
        SaveEach();
    // Large files leave a large buffer: not kept between commands.
    buffer_ = {};
}

void SaveCommands::SaveOne(int n, bool remove) {
    dialog_.Flags = Dialog::cdlOFNOverwritePrompt;
    dialog_.DialogTitle = u"保存第" + NumText(std::int64_t{n}) + u"个面板";
    if (append_) {
        // The file is appended to, not replaced: nothing to ask.
        dialog_.Flags = 0;
        dialog_.DialogTitle += u" - 追加保存";
    }
    const bool chosen = ShowSave();
    const bool written = chosen && WritePanelFile(n, dialog_.FileName);
    if (chosen) dialog_.FileName.clear();
    dialog_.Flags = 0;
    if (!written && !remove && n <= static_cast<int>(SaveCancelled.size()))
        SaveCancelled[n - 1] = true;
    if (written && remove && delSaved_) {
        panels_.remove(n);
        showPanel_();
    }
}

void SaveCommands::AppendAll() {
    dialog_.Flags = 0;
    dialog_.DialogTitle = u"保存所有面板 - 追加保存";
    if (!ShowSave()) return;
    const std::u16string file = std::move(dialog_.FileName);
    dialog_.FileName.clear();
    const int count = panels_.count();
    const bool written = Written(file, [&] {
        std::u16string text;
        for (int i = 1; i <= count; ++i) {
            text += panels_.text(i);
            if (i < count) text += u"\r\n\r\n";
        }
        return WriteFile(file, text);
    });
    if (written && delSaved_) RemoveSaved(std::vector<bool>(count, true));
    showPanel_();
}

void SaveCommands::QuickSaveAll() {
    dialog_.Flags = 0;
    dialog_.DialogTitle = u"保存所有面板 - 快速保存";
    if (!ShowSave()) return;
    const std::u16string chosen = std::move(dialog_.FileName);
    dialog_.FileName.clear();
    std::vector<bool> saved(panels_.count());
    for (int i = 1; i <= static_cast<int>(saved.size()); ++i) {
        std::u16string name = QuickSaveName(chosen, i);
        if (os_.files.exists(name) &&
            os_.ui.messageBox(owner_, u"文件" + name + u"已存在，您要更换文件名吗？", kProductName,
                              MsgIcon::Question, MsgButtons::YesNo) == MsgResult::Yes) {
            dialog_.Flags = Dialog::cdlOFNOverwritePrompt;
            dialog_.DialogTitle = u"保存一个面板";
            // A cancel here keeps the numbered name: the existing file is replaced.
            if (ShowSave()) name = std::exchange(dialog_.FileName, u"");
            dialog_.Flags = 0;
        }
        saved[i - 1] = WritePanelFile(i, name);
    }
    if (delSaved_) RemoveSaved(saved);
}

void SaveCommands::SaveEach() {
    const int count = panels_.count();
    const int remembered = panels_.current();
    SaveCancelled.assign(count, false);
    for (int n = 1; n <= count; ++n) SaveOne(n, false);
    // A capture during a dialog may have moved the current panel; the display follows.
    panels_.setCurrent(remembered);
    std::vector<bool> saved(count);
    for (int n = 0; n < count; ++n) saved[n] = delSaved_ && !SaveCancelled[n];
    RemoveSaved(saved);
}

bool SaveCommands::ShowSave() {
    dialog_.InitDir = settings_.InitDir;
    return dialog_.ShowSave();
}

bool SaveCommands::WritePanelFile(int n, const std::u16string& path) {
    if (n < 1 || n > panels_.count()) return false;
    return Written(path, [&] { return WriteFile(path, panels_.text(n)); });
}

bool SaveCommands::Written(const std::u16string& path, const std::function<bool()>& write) {
    try {
        if (write()) return true;
    } catch (...) {
        // Out of memory on a huge file, most likely: the panel stays and the user is told.
        buffer_ = {};
    }
    return Unwritten(path);
}

bool SaveCommands::WriteFile(const std::u16string& path, std::u16string_view text) {
    std::optional<std::string> old;
    if (append_ && os_.files.exists(path)) {
        // An old file that cannot be read is not replaced by less than it holds.
        old = os_.files.read(path);
        if (!old) return false;
    }
    if (!FileBytes(old, text, os_.codePage, buffer_) || !os_.files.replace(path, buffer_))
        return false;
    settings_.InitDir = FolderOf(path);
    return true;
}

bool SaveCommands::Unwritten(const std::u16string& path) {
    os_.ui.messageBox(owner_, u"无法写入文件" + path + u"！", kProductName, MsgIcon::Exclamation,
                      MsgButtons::Ok);
    return false;
}

void SaveCommands::RemoveSaved(const std::vector<bool>& saved) {
    // From the back, so the numbers of the panels still to go do not move.
    for (int k = static_cast<int>(saved.size()); k >= 1; --k)
        if (saved[k - 1]) panels_.remove(k);
    showPanel_();
}

}  // namespace pw
