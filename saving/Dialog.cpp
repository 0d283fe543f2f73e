#include "saving/Dialog.h"

namespace pw {

Dialog::Dialog(FileDialog& dialogs, Form* owner, std::u16string_view filter)
    : dialogs_(dialogs), owner_(owner) {
    std::vector<std::u16string> parts;
    for (std::size_t start = 0;;) {
        const auto bar = filter.find(u'|', start);
        parts.emplace_back(filter.substr(start, bar == filter.npos ? filter.npos : bar - start));
        if (bar == filter.npos) break;
        start = bar + 1;
    }
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2)
        request_.filter.emplace_back(parts[i], parts[i + 1]);
}

bool Dialog::Show(bool save) {
    request_.save = save;
    request_.title = DialogTitle;
    request_.fileName = FileName;
    request_.initialFolder = InitDir;
    request_.promptReplace = (Flags & cdlOFNOverwritePrompt) != 0;
    request_.mustExist = (Flags & cdlOFNFileMustExist) != 0;
    auto chosen = dialogs_.show(owner_, request_);
    if (!chosen) return false;
    FileName = std::move(*chosen);
    return true;
}

}  // namespace pw
