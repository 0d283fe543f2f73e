#pragma once
#include <deque>
#include <functional>
#include <map>
#include <set>

#include "platform/AnsiCodePage.h"
#include "platform/FileDialog.h"
#include "platform/Files.h"

namespace pw::fake {

// Files in memory, with the faults a disk can have.
class FakeFiles : public Files {
  public:
    bool exists(std::u16string_view path) const override { return files.contains(path); }
    std::optional<std::string> read(std::u16string_view path) const override {
        const auto it = files.find(path);
        if (it == files.end() || unreadable.contains(it->first)) return std::nullopt;
        return it->second;
    }
    bool replace(std::u16string_view path, std::string_view bytes) override {
        if (readOnly.contains(path)) return false;
        files[std::u16string(path)] = bytes;
        return true;
    }

    std::map<std::u16string, std::string, std::less<>> files;
    std::set<std::u16string, std::less<>> unreadable, readOnly;
};

// Latin-1 without the C1 controls, which stand for what a code page cannot hold.
class FakeCodePage : public AnsiCodePage {
  public:
    bool encode(std::u16string_view text, std::string& out) const override {
        for (char16_t c : text)
            if (c > 0xFF || (c >= 0x80 && c < 0xA0)) return false;
        out.append(text.begin(), text.end());
        return true;
    }
    std::optional<std::u16string> decode(std::string_view bytes) const override {
        std::u16string out;
        for (unsigned char b : bytes) {
            if (b >= 0x80 && b < 0xA0) return std::nullopt;
            out += static_cast<char16_t>(b);
        }
        return out;
    }
};

class FakeFileDialog : public FileDialog {
  public:
    std::optional<std::u16string> show(Form*, const FileDialogRequest& request) override {
        requests.push_back(request);
        if (whileOpen) whileOpen();
        if (answers.empty()) return std::nullopt;
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
    // The paths chosen in the coming dialogs; nullopt or none left: cancelled.
    std::deque<std::optional<std::u16string>> answers;
    std::vector<FileDialogRequest> requests;
    std::function<void()> whileOpen;
};

}  // namespace pw::fake
