#pragma once
#include "platform/Layout.h"

namespace pw {

inline constexpr std::u16string_view kMainCaption = u"PenWick 1.10";
inline constexpr std::u16string_view kProductName = u"PenWick";

const FormLayout& MainFormLayout();

// The main window's menu command identifiers, shared with anything that drives the program.
inline int MainCommandId(std::string_view itemName) {
    return MenuCommandId(MainFormLayout(), itemName);
}

}  // namespace pw
