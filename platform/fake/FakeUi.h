#pragma once
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "platform/Clipboard.h"
#include "platform/InstanceLock.h"
#include "platform/Named.h"
#include "platform/NotifyIcon.h"
#include "platform/Registry.h"
#include "platform/Shell.h"
#include "platform/Ui.h"
#include "platform/fake/FakeForm.h"

namespace pw::fake {

struct ShownMessage {
    std::u16string text, title;
    MsgIcon icon;
    MsgButtons buttons;
};

class FakeUi : public Ui {
  public:
    std::unique_ptr<Form> createForm(const FormLayout& layout, Form*) override {
        auto form = std::make_unique<FakeForm>(layout);
        form->setBounds({0, 0, layout.clientWidth, layout.clientHeight});  // before any handler
        forms_[std::string(layout.name)] = form.get();
        return form;
    }
    MsgResult messageBox(Form*, std::u16string_view text, std::u16string_view title, MsgIcon icon,
                         MsgButtons buttons) override {
        shown.push_back({std::u16string(text), std::u16string(title), icon, buttons});
        if (answers.empty()) return buttons == MsgButtons::Ok ? MsgResult::Ok : MsgResult::No;
        const MsgResult r = answers.front();
        answers.pop_front();
        return r;
    }
    std::vector<RectTw> monitors() const override { return screens; }
    std::vector<RectTw> workAreas() const override { return work.empty() ? screens : work; }
    void quit() override { quitRequested = true; }

    // The last window created from the layout of that name.
    FakeForm& form(std::string_view name) const { return FindNamed(forms_, name); }

    // Answers for the coming message boxes; without one a box is closed with OK, or No.
    std::deque<MsgResult> answers;
    std::vector<ShownMessage> shown;
    std::vector<RectTw> screens{{0, 0, 1024 * 15, 768 * 15}};
    std::vector<RectTw> work;  // empty: the whole of each screen
    bool quitRequested = false;

  private:
    std::map<std::string, FakeForm*, std::less<>> forms_;
};

class FakeRegistry : public Registry {
  public:
    std::optional<RegValue> query(RegRoot root, std::u16string_view subkey,
                                  std::u16string_view name) const override {
        const auto it = values_.find(MakeKey(root, subkey, name));
        if (it == values_.end()) return std::nullopt;
        return it->second;
    }
    bool setString(RegRoot root, std::u16string_view subkey, std::u16string_view name,
                   std::u16string_view text) override {
        if (root == RegRoot::LocalMachine && readOnlyMachine) return false;
        set(root, subkey, name, {RegType::String, std::u16string(text) + u'\0'});
        writes.emplace_back(name);
        return true;
    }
    bool deleteValue(RegRoot root, std::u16string_view subkey, std::u16string_view name) override {
        return values_.erase(MakeKey(root, subkey, name)) > 0;
    }

    void set(RegRoot root, std::u16string_view subkey, std::u16string_view name, RegValue value) {
        values_[MakeKey(root, subkey, name)] = std::move(value);
    }
    // The plain text of a stored string value, as a reader would see it.
    std::optional<std::u16string> text(RegRoot root, std::u16string_view subkey,
                                       std::u16string_view name) const {
        const auto v = query(root, subkey, name);
        if (!v) return std::nullopt;
        return v->data.substr(0, v->data.find(u'\0'));
    }
    // Refuse writes under a root, like a user who may not write machine-wide values.
    bool readOnlyMachine = false;
    // Names in the order they were written.
    std::vector<std::u16string> writes;

  private:
    // Key and value names are case-insensitive, as in the Windows registry.
    static std::u16string Lower(std::u16string_view s) {
        std::u16string r(s);
        for (auto& c : r)
            if (c >= u'A' && c <= u'Z') c += u'a' - u'A';
        return r;
    }
    using Key = std::tuple<RegRoot, std::u16string, std::u16string>;
    static Key MakeKey(RegRoot root, std::u16string_view subkey, std::u16string_view name) {
        return {root, Lower(subkey), Lower(name)};
    }
    std::map<Key, RegValue> values_;
};

class FakeClipboard : public Clipboard {
  public:
    std::optional<ClipboardText> read() override {
        ++reads;
        if (locked) return std::nullopt;
        return contents_;
    }
    std::uint32_t sequenceNumber() const override { return sequence_; }

    // Another program copies: the contents change and so does the sequence number.
    void copy(std::u16string text) {
        contents_ = {std::move(text)};
        ++sequence_;
    }
    bool locked = false;
    int reads = 0;

  private:
    ClipboardText contents_;
    std::uint32_t sequence_ = 1;
};

class FakeNotifyIcon : public NotifyIcon {
  public:
    bool notify(NotifyAction action, const TrayIconData& data) override {
        if (action == NotifyAction::Add) shown = true;
        if (action == NotifyAction::Delete) shown = false;
        if (shown) current = data;
        return true;
    }
    std::uint32_t taskbarCreatedMessage() const override { return kTaskbarCreated; }

    static constexpr std::uint32_t kTaskbarCreated = 0xC123;
    bool shown = false;
    TrayIconData current;
};

class FakeSound : public Sound {
  public:
    void playAsync(const std::u16string& path) override { played.push_back(path); }
    std::vector<std::u16string> played;
};

class FakeShell : public Shell {
  public:
    void open(Form* owner, std::u16string_view target, std::u16string_view folder) override {
        calls.emplace_back(owner, target, folder);
    }
    // Owner, target and folder of each opening.
    std::vector<std::tuple<Form*, std::u16string, std::u16string>> calls;
};

class FakeInstanceLock : public InstanceLock {
  public:
    bool acquire() override { return true; }
};

}  // namespace pw::fake
