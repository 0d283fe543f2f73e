#pragma once
#include "platform/Layout.h"

namespace pw {

const FormLayout& PanelNumFormLayout();

}  // namespace pw
