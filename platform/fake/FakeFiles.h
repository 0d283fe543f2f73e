#pragma once
#include <deque>
#include <functional>
#include <map>
#include <new>
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
        if (huge.contains(path)) throw std::bad_alloc();
        if (readOnly.contains(path)) return false;
        files[std::u16string(path)] = bytes;
        return true;
    }

    std::map<std::u16string, std::string, std::less<>> files;
    // huge: saving to it runs out of memory.
    std::set<std::u16string, std::less<>> unreadable, readOnly, huge;
};

// GBK's shape: ASCII, then characters of two bytes, a lead byte 81-FE and a trail byte 40-7E or
// 80-FE. They run from U+42FA on, which puts 锘 on its GBK bytes EF BB; é and the like stand
// for what a code page cannot hold.
class FakeCodePage : public AnsiCodePage {
    static constexpr int kFirst = 0x42FA, kTrails = 190;

  public:
    bool encode(std::u16string_view text, std::string& out) const override {
        std::string bytes;
        for (const int c : text) {
            const int i = c - kFirst, t = i % kTrails;
            if (c < 0x80)
                bytes += static_cast<char>(c);
            else if (i < 0 || i >= 126 * kTrails)
                return false;
            else
                bytes += {static_cast<char>(0x81 + i / kTrails),
                          static_cast<char>(0x40 + t + (t >= 63))};
        }
        out += bytes;
        return true;
    }
    std::optional<std::u16string> decode(std::string_view bytes) const override {
        std::u16string out;
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            const int lead = static_cast<unsigned char>(bytes[i]);
            const int trail = i + 1 < bytes.size() ? static_cast<unsigned char>(bytes[i + 1]) : 0;
            const bool pair = lead >= 0x80;
            if (pair &&
                (lead == 0x80 || lead == 0xFF || trail < 0x40 || trail == 0x7F || trail == 0xFF))
                return std::nullopt;
            out += static_cast<char16_t>(
                pair ? kFirst + (lead - 0x81) * kTrails + trail - 0x40 - (trail > 0x7F) : lead);
            i += pair;
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
