#pragma once
#include "platform/Identity.h"
#include "platform/Layout.h"

namespace pw {

const FormLayout& MainFormLayout();

// The main window's menu command identifiers, shared with anything that drives the program.
inline int MainCommandId(std::string_view itemName) {
    return MenuCommandId(MainFormLayout(), itemName);
}

}  // namespace pw
