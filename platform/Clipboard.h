#pragma once
#include <optional>
#include <string>

namespace pw {

class Clipboard {
public:
    virtual ~Clipboard() = default;
    // The clipboard's Unicode text: empty when it holds no text, nullopt when it cannot be
    // read now (another program holds it open).
    virtual std::optional<std::u16string> readText() = 0;
};

}  // namespace pw
