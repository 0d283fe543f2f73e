#include "platform/fake/FakeUi.h"

#include <stdexcept>

namespace pw::fake {

std::unique_ptr<Form> FakeUi::createForm(const FormLayout& layout, Form*) {
    auto form = std::make_unique<FakeForm>(layout);
    form->setBounds({0, 0, layout.clientWidth, layout.clientHeight});  // before any handler
    forms_[std::string(layout.name)] = form.get();
    return form;
}

FakeForm& FakeUi::form(std::string_view name) const {
    auto it = forms_.find(name);
    if (it == forms_.end()) throw std::out_of_range("no window " + std::string(name));
    return *it->second;
}

MsgResult FakeUi::messageBox(Form*, std::u16string_view text, std::u16string_view title,
                             MsgIcon icon, MsgButtons buttons) {
    shown.push_back({std::u16string(text), std::u16string(title), icon, buttons});
    if (whileBoxOpen) whileBoxOpen(shown.back());
    if (answers.empty()) return buttons == MsgButtons::Ok ? MsgResult::Ok : MsgResult::No;
    MsgResult r = answers.front();
    answers.pop_front();
    return r;
}

namespace {

std::u16string Lower(std::u16string_view s) {
    std::u16string r(s);
    for (auto& c : r)
        if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
    return r;
}

}  // namespace

FakeRegistry::Key FakeRegistry::MakeKey(RegRoot root, std::u16string_view subkey,
                                        std::u16string_view name) {
    // Key and value names are case-insensitive, as in the Windows registry.
    return {root, Lower(subkey), Lower(name)};
}

std::optional<RegValue> FakeRegistry::query(RegRoot root, std::u16string_view subkey,
                                            std::u16string_view name) const {
    auto it = values_.find(MakeKey(root, subkey, name));
    if (it == values_.end()) return std::nullopt;
    return it->second;
}

bool FakeRegistry::setString(RegRoot root, std::u16string_view subkey, std::u16string_view name,
                             std::u16string_view text) {
    if (root == RegRoot::LocalMachine && readOnlyMachine) return false;
    std::u16string data(text);
    data += u'\0';
    values_[MakeKey(root, subkey, name)] = {RegType::String, data};
    writes.emplace_back(name);
    return true;
}

bool FakeRegistry::deleteValue(RegRoot root, std::u16string_view subkey, std::u16string_view name) {
    return values_.erase(MakeKey(root, subkey, name)) > 0;
}

void FakeRegistry::set(RegRoot root, std::u16string_view subkey, std::u16string_view name,
                       RegValue value) {
    values_[MakeKey(root, subkey, name)] = std::move(value);
}

std::optional<std::u16string> FakeRegistry::text(RegRoot root, std::u16string_view subkey,
                                                 std::u16string_view name) const {
    auto v = query(root, subkey, name);
    if (!v) return std::nullopt;
    return v->data.substr(0, v->data.find(u'\0'));
}

}  // namespace pw::fake
