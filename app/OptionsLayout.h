#pragma once
#include "platform/Layout.h"

namespace pw {

const FormLayout& OptionsFormLayout();

}  // namespace pw
