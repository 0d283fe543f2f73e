#pragma once
#include <string_view>

#include "platform/Form.h"

namespace pw {

// Hands files and addresses to the programs Windows has registered for them.
class Shell {
  public:
    virtual ~Shell() = default;
    // Runs the target's default action, without parameters, in the given working folder, with
    // the opened program's window maximised. Whether that worked is not reported: the shell
    // shows its own messages.
    virtual void open(Form* owner, std::u16string_view target, std::u16string_view folder) = 0;
};

}  // namespace pw
